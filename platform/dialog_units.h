// Dialog units to pixels, from the metrics of the dialog's font, so dialogs
// keep the arrangement their templates describe: a horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth
// of its height.
#pragma once

#include <QFont>
#include <QRect>

namespace kivor {

class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    int X(int dlu) const;  // horizontal dialog units to pixels
    int Y(int dlu) const;  // vertical dialog units to pixels
    QRect Rect(int x, int y, int width, int height) const;

  private:
    int m_baseX;
    int m_baseY;
};

// The dialogs' font: a Japanese UI gothic at the given point size
// ("ＭＳ Ｐゴシック" on the original system).
QFont DialogFont(int pointSize);

}  // namespace kivor
