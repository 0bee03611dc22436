// The colour chooser: the platform's colour dialog, which always opens on
// the colour it is given, and a seam that lets tests answer it.
//
// Colours are COLORREF values (0x00BBGGRR: red in the low byte).
#pragma once

#include <QColor>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace kivor {

// Shows the colour chooser opening on `initial`; the chosen colour, or
// nullopt when the user cancels.
std::optional<int32_t> ChooseColor(QWidget* parent, int32_t initial);

// Test seam: the function answers instead of the dialog (it receives the
// initial colour); nullptr restores the dialog.
void SetColorChooser(std::function<std::optional<int32_t>(int32_t initial)> chooser);

QColor ColorFromColorRef(int32_t colorRef);
int32_t ColorRefFromColor(const QColor& color);

}  // namespace kivor
