// The command dialogs' pictures: the digit strip of the library options' spread count
// (NUMZ.png, nine cells of 24 x 32 pixels showing the digits 9 down to 1, so that cell 9 - n
// shows n).
#include "Art.h"

namespace {

constexpr int kCellWidth = 24;
constexpr int kCellHeight = 32;

// The segments of a seven-segment digit (a top, b top right, c bottom right, d bottom, e bottom
// left, f top left, g middle), as bits 0..6.
constexpr int kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// A segment as a six-sided bar from (x1, y1) to (x2, y2), t pixels thick.
void Segment(QPainter& p, double x1, double y1, double x2, double y2, double t) {
    const double h = t / 2;
    QPolygonF bar;
    if (y1 == y2)
        bar << QPointF(x1, y1) << QPointF(x1 + h, y1 - h) << QPointF(x2 - h, y2 - h) << QPointF(x2, y2)
            << QPointF(x2 - h, y2 + h) << QPointF(x1 + h, y1 + h);
    else
        bar << QPointF(x1, y1) << QPointF(x1 + h, y1 + h) << QPointF(x2 + h, y2 - h) << QPointF(x2, y2)
            << QPointF(x2 - h, y2 - h) << QPointF(x1 - h, y1 + h);
    p.drawPolygon(bar);
}

QImage DigitCell(int digit) {
    QImage cell = artgen::Blank(kCellWidth, kCellHeight, QColor(10, 14, 30));
    QPainter p(&cell);
    artgen::Smooth(p);
    // A sunken readout window.
    p.setPen(QColor(70, 80, 110));
    p.drawLine(0, kCellHeight - 1, kCellWidth - 1, kCellHeight - 1);
    p.drawLine(kCellWidth - 1, 0, kCellWidth - 1, kCellHeight - 1);
    p.setPen(QColor(0, 0, 0));
    p.drawLine(0, 0, kCellWidth - 1, 0);
    p.drawLine(0, 0, 0, kCellHeight - 1);

    const double l = 6, r = 18, top = 5, mid = 16, bottom = 27, t = 3.2;
    const int on = kSegments[digit];
    auto draw = [&](int bit, double x1, double y1, double x2, double y2) {
        const bool lit = (on >> bit) & 1;
        p.setPen(Qt::NoPen);
        p.setBrush(lit ? QColor(110, 240, 255) : QColor(24, 36, 58));
        Segment(p, x1, y1, x2, y2, t);
    };
    draw(0, l, top, r, top);
    draw(1, r, top, r, mid);
    draw(2, r, mid, r, bottom);
    draw(3, l, bottom, r, bottom);
    draw(4, l, mid, l, bottom);
    draw(5, l, top, l, mid);
    draw(6, l, mid, r, mid);
    return cell;
}

void MakeCommandDialogPictures(const artgen::Output& out) {
    std::vector<QImage> cells;
    for (int digit = 9; digit >= 1; --digit) cells.push_back(DigitCell(digit));
    out.Save(artgen::Strip(cells), "NUMZ.png");
}

}  // namespace

KV_ART_GROUP("dialogs", MakeCommandDialogPictures);
