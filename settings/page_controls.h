// Small helpers that place the controls of dialogs and option pages at
// their dialog-unit rectangles. Each control with a resource number carries
// it as its object name ("1013"), so the windows and the tests find
// controls by number.
#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kivor {

QCheckBox* MakeCheckBox(QWidget* parent, int id, const QString& text, const QRect& rect);
QRadioButton* MakeRadioButton(QWidget* parent, int id, const QString& text, const QRect& rect);
QPushButton* MakeButton(QWidget* parent, int id, const QString& text, const QRect& rect);
QLineEdit* MakeLineEdit(QWidget* parent, int id, const QRect& rect);
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& rect);
QGroupBox* MakeGroupBox(QWidget* parent, const QString& text, const QRect& rect);
QComboBox* MakeDropDownList(QWidget* parent, int id, const QRect& rect);

// A two-state box shows a non-zero value as ticked.
void SetCheck(QCheckBox* box, int32_t value);
// Ticked 1, clear 0.
int32_t GetCheck(const QCheckBox* box);

}  // namespace kivor
