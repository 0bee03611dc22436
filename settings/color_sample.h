// A static text that paints itself in a text colour on a background colour:
// the colour samples of the colour and font page.
#pragma once

#include <QWidget>
#include <cstdint>

namespace kivor {

class CColorSample : public QWidget {
    Q_OBJECT
  public:
    // Starts in the system's button-text and button-face colours.
    explicit CColorSample(const QString& text, QWidget* parent = nullptr);

    // COLORREF values (0x00BBGGRR). Stores both and repaints the control.
    void SetColors(int32_t textColor, int32_t backgroundColor);

    int32_t TextColor() const { return m_textColor; }
    int32_t BackgroundColor() const { return m_backgroundColor; }

    const QString& Text() const { return m_text; }
    // Qt::AlignLeft (the samples), Qt::AlignHCenter or Qt::AlignRight,
    // optionally with Qt::AlignVCenter.
    void SetAlignment(Qt::Alignment alignment);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    int32_t m_textColor;
    int32_t m_backgroundColor;
};

}  // namespace kivor
