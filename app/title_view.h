// The date banner above the editor: the open day's date and weekday in two
// read-only boxes, followed by the label "曜日".
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <string>

class CTitleView : public QWidget {
    Q_OBJECT

  public:
    explicit CTitleView(QWidget* parent = nullptr);

    // key: empty (no day) or a DateKey.
    void SetDate(std::string key);

    QLineEdit* m_editWeekday;  // control 1028
    QLineEdit* m_editDate;     // control 1012
    QLabel* m_labelWeekday;    // "曜日"
};
