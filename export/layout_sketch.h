// The sketches of the three page layouts that the export dialog shows
// beside its layout buttons: 100 by 60 pixel pictures in blue and black on
// white, painted in code.
#pragma once

#include <QLabel>
#include <QPixmap>

namespace kivor {

// Bitmap numbers of the sketches.
inline constexpr int kSketchLayout1 = 158;  // two headings, each with its text
inline constexpr int kSketchLayout2 = 159;  // one heading, texts with links under them
inline constexpr int kSketchLayout3 = 157;  // one heading and a list of links

QPixmap LayoutSketch(int bitmapId);

// A picture control with a sunken edge showing the sketch at its own size,
// its top left corner at `topLeft`.
QLabel* MakeSketchControl(QWidget* parent, int id, int bitmapId, const QPoint& topLeft);

}  // namespace kivor
