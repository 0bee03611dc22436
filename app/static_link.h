// A text label that works as a link: blue and underlined until followed,
// purple after; a hand cursor; a click opens its target (a URL or a file).
#pragma once

#include <QColor>
#include <QLabel>

class CStaticLink : public QLabel {
    Q_OBJECT

  public:
    explicit CStaticLink(const QString& link = QString(), QWidget* parent = nullptr);

    QString m_link;  // what a click opens; empty: the label's own text
    QColor m_color;  // the colour the text is drawn in

    static const QColor g_colorUnvisited;  // RGB(0, 0, 255)
    static const QColor g_colorVisited;    // RGB(128, 0, 128)

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    void OnLButtonDown();

  private:
    void ApplyColour();
};
