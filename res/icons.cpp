#include "res/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <map>
#include <utility>

namespace kivor {

namespace {

const QColor kBookRed(0xC0, 0x10, 0x10);
const QColor kBookDarkRed(0x80, 0x00, 0x00);
const QColor kPageBlue(0x00, 0x00, 0xC0);
const QColor kOutline(0x40, 0x40, 0x40);

QPixmap Blank(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void DrawClosedBook(QPainter& p) {
    p.setPen(QPen(kBookDarkRed, 1));
    p.setBrush(kBookRed);
    p.drawRect(QRectF(3.5, 1.5, 10, 13));
    p.fillRect(QRectF(3, 1, 2, 14), kBookDarkRed);
    // The page edges at the bottom and the label on the cover.
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(5.5, 13.5), QPointF(13.5, 13.5));
    p.fillRect(QRectF(7, 4, 5, 3), QColor(0xF0, 0xE0, 0xA0));
}

void DrawOpenBook(QPainter& p) {
    p.setPen(QPen(kBookDarkRed, 1));
    p.setBrush(kBookRed);
    p.drawRect(QRectF(0.5, 3.5, 15, 10));
    // Two pages spread open on the cover.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xFF, 0xFF, 0xF0));
    p.drawRect(QRectF(1.5, 2.5, 6, 10));
    p.drawRect(QRectF(8.5, 2.5, 6, 10));
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    for (int y = 5; y <= 10; y += 2) {
        p.drawLine(QPointF(3, y + 0.5), QPointF(6, y + 0.5));
        p.drawLine(QPointF(10, y + 0.5), QPointF(13, y + 0.5));
    }
}

void DrawPage(QPainter& p, const QColor& paper, const QColor& lines) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(2.5, 0.5, 11, 15));
    p.setPen(QPen(lines, 1));
    for (int y = 3; y <= 12; y += 2) p.drawLine(QPointF(4, y + 0.5), QPointF(12, y + 0.5));
}

// A sheet of paper with a folded corner, in a box of the given size.
void DrawSheet(QPainter& p, const QRectF& box) {
    const qreal fold = box.width() * 0.3;
    QPolygonF sheet;
    sheet << box.topLeft() << QPointF(box.right() - fold, box.top())
          << QPointF(box.right(), box.top() + fold) << box.bottomRight() << box.bottomLeft();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.drawLine(QPointF(box.right() - fold, box.top()),
               QPointF(box.right() - fold, box.top() + fold));
    p.drawLine(QPointF(box.right() - fold, box.top() + fold),
               QPointF(box.right(), box.top() + fold));
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    for (qreal y = box.top() + fold + 3; y < box.bottom() - 2; y += 3) {
        p.drawLine(QPointF(box.left() + 3, y), QPointF(box.right() - 3, y));
    }
}

void DrawNewEntry(QPainter& p) {
    DrawSheet(p, QRectF(15.5, 4.5, 15, 20));
    // A yellow star: something new.
    QPolygonF star;
    const QPointF centre(30, 8);
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = (i % 2 == 0) ? 6.5 : 2.8;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    p.setPen(QPen(QColor(0xA0, 0x70, 0x00), 1));
    p.setBrush(QColor(0xFF, 0xD8, 0x00));
    p.drawPolygon(star);
}

void DrawDeleteEntry(QPainter& p) {
    DrawSheet(p, QRectF(14.5, 4.5, 15, 20));
    p.setPen(QPen(QColor(0xD0, 0x00, 0x00), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 13), QPointF(33, 23));
    p.drawLine(QPointF(33, 13), QPointF(23, 23));
}

void DrawSave(QPainter& p) {
    const QRectF disk(13.5, 4.5, 20, 21);
    p.setPen(QPen(QColor(0x10, 0x20, 0x60), 1));
    p.setBrush(QColor(0x30, 0x50, 0xB0));
    p.drawRect(disk);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(17.5, 4.5, 12, 8));
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(QRectF(17.5, 17.5, 12, 8));
    p.fillRect(QRectF(25, 19, 3, 5), QColor(0x30, 0x50, 0xB0));
}

void DrawExport(QPainter& p) {
    // A globe: the diary published on the web.
    const QPointF centre(23, 15);
    p.setPen(QPen(QColor(0x00, 0x40, 0x80), 1));
    p.setBrush(QColor(0x40, 0x90, 0xE0));
    p.drawEllipse(centre, 10.5, 10.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xE0, 0xF0, 0xFF), 1));
    p.drawEllipse(centre, 4.5, 10.5);
    p.drawLine(QPointF(12.5, 15), QPointF(33.5, 15));
    p.drawLine(QPointF(14.5, 9.5), QPointF(31.5, 9.5));
    p.drawLine(QPointF(14.5, 20.5), QPointF(31.5, 20.5));
    p.drawLine(QPointF(23, 4.5), QPointF(23, 25.5));
}

void DrawOptions(QPainter& p) {
    // A gear wheel.
    const QPointF centre(23, 15);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = i * M_PI / teeth;
        const double a1 = (i + 1) * M_PI / teeth;
        const double r = (i % 2 == 0) ? 10.5 : 7.5;
        const QPointF from = centre + QPointF(r * std::cos(a0), r * std::sin(a0));
        const QPointF to = centre + QPointF(r * std::cos(a1), r * std::sin(a1));
        if (i == 0) gear.moveTo(from);
        gear.lineTo(from);
        gear.lineTo(to);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, 3.5, 3.5);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(QColor(0x90, 0x98, 0xA0));
    p.drawPath(gear);
}

void DrawPrint(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(17.5, 3.5, 11, 9));
    p.setBrush(QColor(0xA0, 0xA0, 0xA0));
    p.drawRoundedRect(QRectF(11.5, 11.5, 23, 10), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(16.5, 18.5, 13, 8));
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    p.drawLine(QPointF(18.5, 21.5), QPointF(27.5, 21.5));
    p.drawLine(QPointF(18.5, 23.5), QPointF(27.5, 23.5));
    p.fillRect(QRectF(30, 14, 2, 2), QColor(0x00, 0xC0, 0x00));
}

void DrawHome(QPainter& p) {
    QPolygonF roof;
    roof << QPointF(10.5, 15.5) << QPointF(23, 4.5) << QPointF(35.5, 15.5);
    p.setPen(QPen(QColor(0x60, 0x10, 0x10), 1));
    p.setBrush(QColor(0xC0, 0x30, 0x20));
    p.drawPolygon(roof);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xF0, 0xE0, 0xB0));
    p.drawRect(QRectF(14.5, 15.5, 17, 11));
    p.setBrush(QColor(0x80, 0x50, 0x20));
    p.drawRect(QRectF(20.5, 19.5, 5, 7));
}

}  // namespace

QPixmap TreeImagePixmap(int index) {
    QPixmap pixmap = Blank(16, 16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (index) {
        case 0:
        case 1:
            DrawClosedBook(p);
            break;
        case 2:
            DrawOpenBook(p);
            break;
        case 3:
            DrawPage(p, Qt::white, QColor(0x40, 0x40, 0x40));
            break;
        case 4:
            DrawPage(p, kPageBlue, Qt::white);
            break;
        default:
            break;
    }
    return pixmap;
}

QIcon TreeNodeIcon(int image, int selectedImage) {
    // A handful of icons serve every node: they are made once and shared.
    static std::map<std::pair<int, int>, QIcon> made;
    auto it = made.find({image, selectedImage});
    if (it != made.end()) return it->second;
    QIcon icon;
    icon.addPixmap(TreeImagePixmap(image), QIcon::Normal);
    icon.addPixmap(TreeImagePixmap(image), QIcon::Disabled);
    icon.addPixmap(TreeImagePixmap(selectedImage), QIcon::Selected);
    icon.addPixmap(TreeImagePixmap(selectedImage), QIcon::Active);
    made.emplace(std::make_pair(image, selectedImage), icon);
    return icon;
}

QPixmap ToolbarImage(int commandId) {
    QPixmap pixmap = Blank(kToolbarImageWidth, kToolbarImageHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (commandId) {
        case 32777:
            DrawNewEntry(p);
            break;
        case 32778:
            DrawDeleteEntry(p);
            break;
        case 32784:
            DrawSave(p);
            break;
        case 32779:
            DrawExport(p);
            break;
        case 32773:
            DrawOptions(p);
            break;
        case 57607:
            DrawPrint(p);
            break;
        case 32776:
            DrawHome(p);
            break;
        default:
            p.end();
            return QPixmap();
    }
    return pixmap;
}

QPixmap AppIconPixmap(int size) {
    QPixmap pixmap = Blank(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 32.0, size / 32.0);
    // A red diary, a page sticking out, a white label on the cover.
    p.setPen(QPen(kBookDarkRed, 1));
    p.setBrush(QColor(0xFF, 0xFF, 0xF0));
    p.drawRect(QRectF(8.5, 4.5, 21, 25));
    p.setBrush(kBookRed);
    p.drawRoundedRect(QRectF(4.5, 2.5, 22, 27), 1.5, 1.5);
    p.fillRect(QRectF(4.5, 2.5, 4, 27), kBookDarkRed);
    p.setPen(QPen(QColor(0x80, 0x60, 0x20), 0.8));
    p.setBrush(QColor(0xFF, 0xF4, 0xD0));
    p.drawRect(QRectF(12.5, 8.5, 11, 8));
    p.setPen(QPen(QColor(0x60, 0x40, 0x20), 1));
    p.drawLine(QPointF(14.5, 11), QPointF(21.5, 11));
    p.drawLine(QPointF(14.5, 14), QPointF(21.5, 14));
    return pixmap;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) icon.addPixmap(AppIconPixmap(size));
    return icon;
}

}  // namespace kivor
