#include "app/static_link.h"

#include <QApplication>
#include <QMouseEvent>

#include "platform/url_opener.h"

const QColor CStaticLink::g_colorUnvisited(0, 0, 255);
const QColor CStaticLink::g_colorVisited(128, 0, 128);

CStaticLink::CStaticLink(const QString& link, QWidget* parent)
    : QLabel(parent), m_link(link), m_color(g_colorUnvisited) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    ApplyColour();
}

void CStaticLink::ApplyColour() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, m_color);
    setPalette(palette);
}

void CStaticLink::changeEvent(QEvent* event) {
    // A font given later (the dialog's) keeps the underline.
    if (event->type() == QEvent::FontChange && !font().underline()) {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
    }
    QLabel::changeEvent(event);
}

void CStaticLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnLButtonDown();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CStaticLink::OnLButtonDown() {
    if (m_link.isEmpty()) {
        m_link = text();
        if (m_link.isEmpty()) return;
    }
    if (kivor::OpenUrlOrFile(m_link)) {
        m_color = g_colorVisited;
        ApplyColour();
        update();
    } else {
        QApplication::beep();
    }
}
