#include "platform/dialog_units.h"

#include <QFontMetrics>
#include <QStringList>

namespace kivor {

DialogUnits::DialogUnits(const QFont& font) {
    QFontMetrics metrics(font);
    // The average width of the Latin letters, as the system measures it.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_baseY = metrics.height();
    if (m_baseX <= 0) m_baseX = 1;
    if (m_baseY <= 0) m_baseY = 1;
}

int DialogUnits::X(int dlu) const {
    return (dlu * m_baseX + 2) / 4;
}
int DialogUnits::Y(int dlu) const {
    return (dlu * m_baseY + 4) / 8;
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

QFont DialogFont(int pointSize) {
    QFont font;
    QStringList families;
    families << QStringLiteral("IPAPGothic") << QStringLiteral("IPA Pゴシック")
             << QStringLiteral("Noto Sans CJK JP") << QStringLiteral("Noto Sans JP");
    font.setFamilies(families);
    font.setPointSize(pointSize);
    return font;
}

}  // namespace kivor
