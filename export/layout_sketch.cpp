#include "export/layout_sketch.h"

#include <QPainter>
#include <QPen>

namespace kivor {

namespace {
constexpr int kWidth = 100;
constexpr int kHeight = 60;
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

void HeadingBar(QPainter& painter, int y) {
    painter.fillRect(QRect(6, y, 88, 7), kBlue);
}

void TextLine(QPainter& painter, int y, int length) {
    painter.setPen(QPen(kBlack, 2));
    painter.drawLine(10, y, 10 + length, y);
}

void LinkLine(QPainter& painter, int y, int length, bool dashed) {
    QPen pen(kBlue, 2);
    if (dashed) pen.setDashPattern({3, 2});
    painter.setPen(pen);
    painter.drawLine(10, y, 10 + length, y);
}
}  // namespace

QPixmap LayoutSketch(int bitmapId) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    switch (bitmapId) {
        case kSketchLayout1:  // every day on one page: heading, text, heading, text
            HeadingBar(painter, 5);
            TextLine(painter, 19, 76);
            HeadingBar(painter, 31);
            TextLine(painter, 45, 64);
            break;
        case kSketchLayout2:  // index page: a text line for each day, its links below
            HeadingBar(painter, 5);
            for (int i = 0; i < 4; ++i) {
                TextLine(painter, 18 + i * 10, 60 - i * 6);
                LinkLine(painter, 22 + i * 10, 74, true);
            }
            break;
        case kSketchLayout3:  // index page: one link for each month
            HeadingBar(painter, 5);
            for (int i = 0; i < 4; ++i) LinkLine(painter, 20 + i * 10, 40, false);
            break;
        default:
            break;
    }
    return pixmap;
}

QLabel* MakeSketchControl(QWidget* parent, int id, int bitmapId, const QPoint& topLeft) {
    auto* control = new QLabel(parent);
    control->setObjectName(QString::number(id));
    control->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    control->setLineWidth(2);
    control->setPixmap(LayoutSketch(bitmapId));
    const int edge = control->frameWidth();
    control->setGeometry(topLeft.x(), topLeft.y(), kWidth + 2 * edge, kHeight + 2 * edge);
    return control;
}

}  // namespace kivor
