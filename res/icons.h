// The program's pictures, drawn in code: the tree's five images, the tool
// bar's seven button images and the program icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace kivor {

// One 16 x 16 image of the tree's list, by its index (0 closed red book,
// 1 the same closed red book, 2 open red book, 3 white page with lines of
// text, 4 blue page with white lines); transparent where the original list
// has white as its mask colour.
QPixmap TreeImagePixmap(int index);

// An icon that shows `image` normally and `selectedImage` while selected.
QIcon TreeNodeIcon(int image, int selectedImage);

// Size of one tool-bar button image.
inline constexpr int kToolbarImageWidth = 46;
inline constexpr int kToolbarImageHeight = 30;

// The tool-bar image of a command (32777, 32778, 32784, 32779, 32773,
// 57607, 32776); a null pixmap for other IDs.
QPixmap ToolbarImage(int commandId);

// The program icon (a red diary with a page), at a square size.
QPixmap AppIconPixmap(int size);
QIcon AppIcon();

}  // namespace kivor
