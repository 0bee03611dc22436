#include "settings/color_sample.h"

#include <QPainter>

#include "platform/color_chooser.h"

namespace kivor {

CColorSample::CColorSample(const QString& text, QWidget* parent)
    : QWidget(parent),
      m_text(text),
      m_textColor(ColorRefFromColor(palette().color(QPalette::ButtonText))),
      m_backgroundColor(ColorRefFromColor(palette().color(QPalette::Button))) {}

void CColorSample::SetColors(int32_t textColor, int32_t backgroundColor) {
    m_textColor = textColor;
    m_backgroundColor = backgroundColor;
    update();
}

void CColorSample::SetAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void CColorSample::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColorFromColorRef(m_backgroundColor));
    painter.setFont(font());
    painter.setPen(ColorFromColorRef(m_textColor));
    // One line: horizontally as aligned, at the top unless centred vertically.
    Qt::Alignment flags = m_alignment & Qt::AlignHorizontal_Mask;
    flags |= (m_alignment & Qt::AlignVCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    painter.drawText(rect(), static_cast<int>(flags | Qt::TextSingleLine), m_text);
}

}  // namespace kivor
