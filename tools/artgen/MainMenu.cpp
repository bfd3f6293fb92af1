// The main menu's two pictures for the break of the skill bar: the hand that pushes the bar
// (MENUHAND, 48 x 40, pointing left, on a transparent ground) and the broken bar that takes
// the bar's place (MENUBROKEN, 28 x 160: a vertical scroll bar 20 pixels wide, snapped in the
// middle, its lower half knocked askew).
#include <QPainterPath>

#include "Art.h"

namespace {

QImage Hand() {
    QImage img = artgen::Blank(48, 40, Qt::transparent);
    QPainter p(&img);
    artgen::Smooth(p);
    const QColor glove(236, 232, 220), edge(60, 56, 50), cuff(70, 120, 200);

    // The cuff on the right.
    p.setPen(QPen(edge, 1.5));
    p.setBrush(cuff);
    p.drawRoundedRect(QRectF(37, 9, 9, 24), 2, 2);

    // Palm and the three folded fingers.
    p.setBrush(glove);
    p.drawRoundedRect(QRectF(20, 10, 19, 22), 6, 6);
    for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(15, 17 + i * 5, 10, 6), 3, 3);

    // The index finger, pointing left.
    QPainterPath finger;
    finger.addRoundedRect(QRectF(2, 10, 24, 7), 3.5, 3.5);
    p.drawPath(finger);
    // The thumb across the top of the palm.
    p.drawRoundedRect(QRectF(22, 5, 12, 7), 3.5, 3.5);

    // A nail and two knuckle lines give it shape.
    p.setPen(QPen(edge, 1));
    p.drawLine(QPointF(6, 12), QPointF(6, 15));
    p.drawLine(QPointF(28, 14), QPointF(28, 28));
    return img;
}

QImage BrokenBar() {
    QImage img = artgen::Blank(28, 160, Qt::transparent);
    QPainter p(&img);
    artgen::Smooth(p);
    p.translate(2, 0);  // room for the lower half's tilt
    const QColor face(192, 192, 192), light(250, 250, 250), shade(110, 110, 110), dark(40, 40, 40);

    auto arrowBox = [&](qreal top, bool up) {
        const QRectF r(2, top, 20, 18);
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawRect(r);
        p.setPen(QPen(light, 1));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QPen(dark, 1));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        QPolygonF tri;
        const qreal cx = r.center().x(), cy = r.center().y();
        if (up)
            tri << QPointF(cx - 5, cy + 3) << QPointF(cx + 5, cy + 3) << QPointF(cx, cy - 3);
        else
            tri << QPointF(cx - 5, cy - 3) << QPointF(cx + 5, cy - 3) << QPointF(cx, cy + 3);
        p.setPen(Qt::NoPen);
        p.setBrush(dark);
        p.drawPolygon(tri);
    };

    // The upper half of the trough ends in a jagged break.
    QPainterPath upper;
    upper.moveTo(2, 20);
    upper.lineTo(22, 20);
    upper.lineTo(22, 68);
    upper.lineTo(17, 74);
    upper.lineTo(12, 69);
    upper.lineTo(7, 75);
    upper.lineTo(2, 70);
    upper.closeSubpath();
    p.setPen(QPen(shade, 1));
    p.setBrush(QColor(150, 150, 150));
    p.drawPath(upper);

    // The lower half, tilted about its middle.
    p.save();
    p.translate(12, 112);
    p.rotate(5);
    p.translate(-12, -112);
    QPainterPath lower;
    lower.moveTo(2, 84);
    lower.lineTo(7, 80);
    lower.lineTo(12, 86);
    lower.lineTo(17, 79);
    lower.lineTo(22, 83);
    lower.lineTo(22, 140);
    lower.lineTo(2, 140);
    lower.closeSubpath();
    p.drawPath(lower);
    arrowBox(140, false);
    p.restore();
    arrowBox(2, true);

    // Splinters and a crack across the gap, in warning red.
    p.setPen(QPen(QColor(230, 60, 50), 1.5));
    p.drawLine(QPointF(4, 76), QPointF(9, 71));
    p.drawLine(QPointF(14, 78), QPointF(20, 74));
    p.drawLine(QPointF(10, 79), QPointF(12, 84));
    return img;
}

void MakeMenuPictures(const artgen::Output& out) {
    out.Save(Hand(), "MENUHAND.png");
    out.Save(BrokenBar(), "MENUBROKEN.png");
}

}  // namespace

KV_ART_GROUP("menu", MakeMenuPictures);
