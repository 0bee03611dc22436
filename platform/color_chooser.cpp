#include "platform/color_chooser.h"

#include <QColorDialog>

namespace kivor {

namespace {
std::function<std::optional<int32_t>(int32_t)>& Chooser() {
    static std::function<std::optional<int32_t>(int32_t)> chooser;
    return chooser;
}
}  // namespace

QColor ColorFromColorRef(int32_t colorRef) {
    const auto value = static_cast<uint32_t>(colorRef);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int32_t ColorRefFromColor(const QColor& color) {
    return static_cast<int32_t>(static_cast<uint32_t>(color.red()) |
                                (static_cast<uint32_t>(color.green()) << 8) |
                                (static_cast<uint32_t>(color.blue()) << 16));
}

std::optional<int32_t> ChooseColor(QWidget* parent, int32_t initial) {
    if (Chooser()) return Chooser()(initial);
    const QColor chosen =
        QColorDialog::getColor(ColorFromColorRef(initial), parent, QStringLiteral("色の設定"));
    if (!chosen.isValid()) return std::nullopt;
    return ColorRefFromColor(chosen);
}

void SetColorChooser(std::function<std::optional<int32_t>(int32_t initial)> chooser) {
    Chooser() = std::move(chooser);
}

}  // namespace kivor
