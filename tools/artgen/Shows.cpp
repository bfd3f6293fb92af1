// The pictures of the show windows: the intro picture of the background window, the lost ship
// drifting and breaking up (frame 0 and SHIP01..SHIP12), the about window's emblem, the hidden
// picture window's stowaway, the program icon MAIN and the six frames of the minimised-state
// icon (frame 3 is the still icon, the same as MAIN).
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "Art.h"

namespace artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

const QColor kHullLight(196, 206, 222);
const QColor kHullDark(92, 104, 128);
const QColor kTrim(232, 150, 52);
const QColor kEngine(120, 210, 255);

// The ship of the game seen from above, nose to the right, centred on (0, 0) and about 200
// units long: an arrowhead hull with a raised spine, two engine pods on swept pylons and a glowing
// drive at the tail. `glow` scales the drive's light (0 dark .. 1 full).
struct ShipParts {
    QPainterPath hull, spine, leftPod, rightPod, leftPylon, rightPylon, bridge;
};

ShipParts ShipShapes() {
    ShipParts s;
    s.hull.moveTo(100, 0);
    s.hull.cubicTo(60, -10, 10, -30, -60, -34);
    s.hull.lineTo(-78, -18);
    s.hull.lineTo(-70, 0);
    s.hull.lineTo(-78, 18);
    s.hull.lineTo(-60, 34);
    s.hull.cubicTo(10, 30, 60, 10, 100, 0);
    s.hull.closeSubpath();
    s.spine.moveTo(82, 0);
    s.spine.cubicTo(40, -6, -10, -10, -56, -9);
    s.spine.lineTo(-56, 9);
    s.spine.cubicTo(-10, 10, 40, 6, 82, 0);
    s.spine.closeSubpath();
    s.bridge.addEllipse(QPointF(34, 0), 11, 5);
    s.leftPylon.moveTo(-20, -28);
    s.leftPylon.lineTo(-44, -58);
    s.leftPylon.lineTo(-58, -58);
    s.leftPylon.lineTo(-46, -30);
    s.leftPylon.closeSubpath();
    s.rightPylon = QTransform().scale(1, -1).map(s.leftPylon);
    s.leftPod.addRoundedRect(QRectF(-96, -68, 70, 16), 8, 8);
    s.rightPod.addRoundedRect(QRectF(-96, 52, 70, 16), 8, 8);
    return s;
}

void FillHull(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark) {
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.center().x(), r.top(), r.center().x(), r.bottom());
    g.setColorAt(0, light);
    g.setColorAt(0.55, dark);
    g.setColorAt(1, dark.darker(140));
    p.setBrush(g);
    p.setPen(QPen(QColor(30, 34, 44), 1.6));
    p.drawPath(path);
}

void DrawGlow(QPainter& p, const QPointF& at, double radius, QColor colour, double strength) {
    if (strength <= 0) return;
    QRadialGradient g(at, radius);
    QColor c = colour;
    c.setAlphaF(std::clamp(strength, 0.0, 1.0));
    g.setColorAt(0, QColor(255, 255, 255, static_cast<int>(230 * std::clamp(strength, 0.0, 1.0))));
    g.setColorAt(0.25, c);
    c.setAlpha(0);
    g.setColorAt(1, c);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, radius, radius);
}

void DrawPod(QPainter& p, const QPainterPath& pod, double glow) {
    FillHull(p, pod, kHullLight, kHullDark);
    const QRectF r = pod.boundingRect();
    DrawGlow(p, QPointF(r.left() + 2, r.center().y()), 14, kEngine, glow);
}

void DrawShip(QPainter& p, double glow) {
    const ShipParts s = ShipShapes();
    FillHull(p, s.leftPylon, kHullDark, kHullDark.darker(130));
    FillHull(p, s.rightPylon, kHullDark, kHullDark.darker(130));
    DrawPod(p, s.leftPod, glow);
    DrawPod(p, s.rightPod, glow);
    DrawGlow(p, QPointF(-74, 0), 26, kEngine, glow);
    FillHull(p, s.hull, kHullLight, kHullDark);
    FillHull(p, s.spine, kHullLight.lighter(108), kHullDark.lighter(115));
    p.setPen(QPen(kTrim, 3));
    p.drawLine(QPointF(60, -9), QPointF(-30, -24));
    p.drawLine(QPointF(60, 9), QPointF(-30, 24));
    p.setBrush(QColor(150, 230, 255));
    p.setPen(QPen(QColor(20, 40, 60), 1));
    p.drawPath(s.bridge);
}

// ---- The intro picture ---------------------------------------------------------------------

QImage Intro() {
    const int w = 1024, h = 768;
    QImage img = Blank(w, h, QColor(2, 3, 10));
    {
        QPainter p(&img);
        Smooth(p);
        // A faint nebula behind the stars.
        Scatter s(2101);
        for (int i = 0; i < 14; ++i) {
            const QPointF at(420 + s.Next() * 560, 60 + s.Next() * 360);
            QRadialGradient g(at, 120 + s.Next() * 160);
            g.setColorAt(0, QColor(70 + s.Below(40), 30, 110 + s.Below(60), 46));
            g.setColorAt(1, QColor(0, 0, 0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRect(img.rect());
        }
    }
    StarField(img, 900, 2102);
    QPainter p(&img);
    Smooth(p);
    // The planet's limb at the bottom left, lit from the upper right, with its atmosphere.
    const QPointF centre(130, 1130);
    const double radius = 720;
    QRadialGradient air(centre, radius + 40);
    air.setColorAt(radius / (radius + 40) - 0.01, QColor(90, 170, 255, 150));
    air.setColorAt(1, QColor(90, 170, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(air);
    p.drawEllipse(centre, radius + 40, radius + 40);
    QRadialGradient ground(QPointF(520, 470), 980);
    ground.setColorAt(0, QColor(70, 130, 170));
    ground.setColorAt(0.45, QColor(24, 60, 96));
    ground.setColorAt(1, QColor(2, 8, 18));
    p.setBrush(ground);
    p.drawEllipse(centre, radius, radius);
    // Cloud bands on the lit side.
    p.save();
    QPainterPath planet;
    planet.addEllipse(centre, radius, radius);
    p.setClipPath(planet);
    Scatter c(2103);
    for (int i = 0; i < 40; ++i) {
        const double a = -kPi / 2 + c.Next() * kPi / 2.2;
        const double r = radius - 10 - c.Next() * 260;
        const QPointF at(centre.x() + std::cos(a) * r, centre.y() + std::sin(a) * r);
        p.save();
        p.translate(at);
        p.rotate(a * 180.0 / kPi + 90);
        p.setBrush(QColor(220, 235, 255, 22 + c.Below(30)));
        p.drawEllipse(QPointF(0, 0), 60 + c.Below(90), 8 + c.Below(10));
        p.restore();
    }
    p.restore();

    // The ship climbing away from the planet.
    p.save();
    p.translate(690, 360);
    p.rotate(-16);
    p.scale(1.35, 1.35);
    DrawShip(p, 1.0);
    p.restore();

    // The title.
    QFont title("DejaVu Sans", 92, QFont::Bold);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 14);
    p.setFont(title);
    const QRect titleBox(0, 60, w, 130);
    for (int spread = 10; spread >= 2; spread -= 4) {
        p.setPen(QColor(255, 160, 60, 26));
        for (int dx = -spread; dx <= spread; dx += spread)
            p.drawText(titleBox.translated(dx, 0), Qt::AlignCenter, "KESTRAVA");
    }
    QLinearGradient ink(0, titleBox.top() + 20, 0, titleBox.bottom() - 10);
    ink.setColorAt(0, QColor(255, 236, 190));
    ink.setColorAt(1, QColor(236, 140, 40));
    p.setPen(QPen(QBrush(ink), 1));
    p.drawText(titleBox, Qt::AlignCenter, "KESTRAVA");
    QFont sub("DejaVu Sans", 20);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(sub);
    p.setPen(QColor(170, 200, 235));
    p.drawText(QRect(0, 186, w, 40), Qt::AlignCenter, "A STARSHIP COMMAND GAME");
    return img;
}

// ---- The lost ship -------------------------------------------------------------------------

// Frame 0 (the intact ship adrift) and frames 1..12: the hull cracks and burns, a blast tears it
// apart and the pieces tumble away while the fire fades. Transparent around the ship, so the
// window's stars show through.
QImage LostShipFrame(int frame) {
    const int w = 420, h = 360;
    QImage img = Blank(w, h, Qt::transparent);
    QPainter p(&img);
    Smooth(p);
    p.translate(w / 2.0, h / 2.0);
    p.rotate(-8 + frame * 1.5);
    p.scale(1.15, 1.15);
    const ShipParts s = ShipShapes();
    const double t = frame / 12.0;                                           // 0 .. 1
    const double apart = frame <= 4 ? 0 : std::pow((frame - 4) / 8.0, 0.8);  // the break-up
    const double glow = frame == 0 ? 0.35 : std::max(0.0, 0.35 - t);         // the drive dies

    auto piece = [&](const QPainterPath& path, QPointF drift, double spin, const QColor& light) {
        const QPointF c = path.boundingRect().center();
        p.save();
        p.translate(c + drift * apart);
        p.rotate(spin * apart);
        p.translate(-c);
        FillHull(p, path, light, kHullDark.darker(100 + frame * 6));
        p.restore();
    };
    // The fore and aft halves of the hull split along a jagged line.
    QPainterPath cut;
    cut.moveTo(12, -60);
    cut.lineTo(2, -18);
    cut.lineTo(16, -4);
    cut.lineTo(0, 10);
    cut.lineTo(10, 60);
    cut.lineTo(200, 60);
    cut.lineTo(200, -60);
    cut.closeSubpath();
    const QPainterPath fore = s.hull.intersected(cut);
    const QPainterPath aft = s.hull.subtracted(cut);
    const QColor light = frame < 3 ? kHullLight : kHullLight.darker(100 + frame * 5);

    piece(s.leftPylon.united(s.leftPod), QPointF(-45, -30), -70, light);
    piece(s.rightPylon.united(s.rightPod), QPointF(-20, 35), 95, light);
    if (frame <= 4) {
        FillHull(p, s.hull, light, kHullDark.darker(100 + frame * 6));
        FillHull(p, s.spine, light.lighter(106), kHullDark);
    } else {
        piece(aft, QPointF(-45, 15), -40, light);
        piece(fore, QPointF(50, -25), 60, light);
    }
    DrawGlow(p, QPointF(-74, 0), 26, kEngine, glow);

    // Cracks and fires on the hull before it parts.
    if (frame >= 1 && frame <= 4) {
        p.setPen(QPen(QColor(255, 190, 90, 220), 1.6));
        Scatter c(2140 + frame);
        for (int i = 0; i < frame * 3; ++i) {
            QPointF at(-40 + c.Next() * 110, -20 + c.Next() * 40);
            QPainterPath crack(at);
            for (int k = 0; k < 4; ++k) {
                at += QPointF(-8 + c.Next() * 16, -6 + c.Next() * 12);
                crack.lineTo(at);
            }
            p.setBrush(Qt::NoBrush);
            p.drawPath(crack);
        }
        DrawGlow(p, QPointF(10, -6), 14 + frame * 5, QColor(255, 140, 40), 0.55 + frame * 0.1);
    }
    // The blast: it flares on frame 5 and fades over the rest.
    if (frame >= 4) {
        const double k = (frame - 4) / 8.0;
        const double strength = frame == 4 ? 0.7 : std::max(0.0, 1.0 - k * 1.1);
        DrawGlow(p, QPointF(8, 0), 50 + k * 110, QColor(255, 150, 40), strength);
        DrawGlow(p, QPointF(8, 0), 20 + k * 40, QColor(255, 240, 190), strength * 0.9);
        // Sparks and debris flying out.
        Scatter d(2150);
        for (int i = 0; i < 60; ++i) {
            const double a = d.Next() * 2 * kPi, speed = 30 + d.Next() * 150;
            const QPointF at(8 + std::cos(a) * speed * (0.15 + k), std::sin(a) * speed * (0.15 + k));
            const int alpha = static_cast<int>(255 * std::max(0.0, 1.0 - k * 0.9));
            if (i % 3 == 0) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(150, 156, 170, alpha));
                p.drawRect(QRectF(at, QSizeF(3 + d.Below(4), 2 + d.Below(3))));
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 200 - d.Below(80), 80, alpha));
                p.drawEllipse(at, 1.6, 1.6);
            }
        }
    }
    return img;
}

// ---- The about window's emblem and the hidden picture ------------------------------------

// A dark picture with a few stars, ready to draw on.
QImage Starry(int w, int h, const QColor& sky, int stars, uint32_t seed) {
    QImage img = Blank(w, h, sky);
    StarField(img, stars, seed);
    return img;
}

// 96 x 96: the ship in a ring. A small star sits at (14, 22), the spot a right-click opens
// the hidden picture from.
QImage AboutEmblem() {
    QImage img = Starry(96, 96, QColor(8, 12, 28), 40, 2160);
    QPainter p(&img);
    Smooth(p);
    p.setPen(QPen(kTrim, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(52, 52), 36, 36);
    p.setPen(QPen(QColor(120, 160, 220), 1));
    p.drawEllipse(QPointF(52, 52), 31, 31);
    p.save();
    p.translate(54, 54);
    p.rotate(-30);
    p.scale(0.28, 0.28);
    DrawShip(p, 1.0);
    p.restore();
    // The small star of the hidden spot.
    p.setPen(QPen(QColor(255, 250, 210), 1));
    p.drawLine(QPointF(10.5, 22.5), QPointF(18.5, 22.5));
    p.drawLine(QPointF(14.5, 18.5), QPointF(14.5, 26.5));
    DrawGlow(p, QPointF(14.5, 22.5), 4, QColor(255, 240, 160), 1.0);
    return img;
}

// 220 x 160: the ship's stowaway, a small round critter with big eyes, waving from a crate.
QImage Stowaway() {
    QImage img = Starry(220, 160, QColor(10, 14, 30), 60, 2170);
    QPainter p(&img);
    Smooth(p);
    // The crate.
    QLinearGradient wood(0, 100, 0, 160);
    wood.setColorAt(0, QColor(170, 110, 50));
    wood.setColorAt(1, QColor(100, 60, 24));
    p.setBrush(wood);
    p.setPen(QPen(QColor(60, 34, 12), 2));
    p.drawRect(QRectF(50, 104, 120, 54));
    p.drawLine(QPointF(50, 131), QPointF(170, 131));
    p.drawLine(QPointF(90, 104), QPointF(90, 158));
    p.drawLine(QPointF(130, 104), QPointF(130, 158));
    // The critter peeking out.
    QRadialGradient fur(QPointF(100, 70), 50);
    fur.setColorAt(0, QColor(150, 230, 140));
    fur.setColorAt(1, QColor(50, 140, 70));
    p.setBrush(fur);
    p.setPen(QPen(QColor(20, 70, 30), 2));
    p.drawEllipse(QPointF(110, 86), 44, 36);
    // Antennae.
    p.drawLine(QPointF(96, 54), QPointF(84, 26));
    p.drawLine(QPointF(124, 54), QPointF(138, 24));
    p.setBrush(QColor(255, 210, 80));
    p.drawEllipse(QPointF(84, 24), 5, 5);
    p.drawEllipse(QPointF(138, 22), 5, 5);
    // Eyes and grin.
    for (double x : {94.0, 126.0}) {
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(20, 70, 30), 1.5));
        p.drawEllipse(QPointF(x, 80), 11, 13);
        p.setBrush(QColor(20, 20, 40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x + 3, 83), 5, 6);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 5, 80), 1.8, 1.8);
    }
    p.setPen(QPen(QColor(20, 70, 30), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(98, 90, 24, 14), 200 * 16, 140 * 16);
    // A waving arm.
    p.setPen(QPen(QColor(50, 140, 70), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(150, 92), QPointF(176, 62));
    p.setPen(QPen(QColor(20, 70, 30), 1.5));
    p.setBrush(QColor(120, 210, 120));
    p.drawEllipse(QPointF(178, 58), 7, 7);
    return img;
}

// ---- The program icon and the minimised-state frames -------------------------------------

// 32 x 32: the ship on a dark disc, a beacon light on the rim at `beaconAngle` degrees and the
// drive at `glow`.
// The game's emblem, drawn on a 32-pixel grid and scaled to `size` pixels.
QImage Icon(double beaconAngle, double glow, int size = 32) {
    QImage img = Blank(size, size, Qt::transparent);
    QPainter p(&img);
    Smooth(p);
    p.scale(size / 32.0, size / 32.0);
    QRadialGradient disc(QPointF(14, 12), 20);
    disc.setColorAt(0, QColor(34, 52, 104));
    disc.setColorAt(1, QColor(6, 10, 30));
    p.setBrush(disc);
    p.setPen(QPen(kTrim, 1.5));
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    // At this size the ship is a bright silhouette: hull, pods and the drive's light.
    p.save();
    p.translate(16.5, 16.5);
    p.rotate(-35);
    p.scale(0.125, 0.125);
    const ShipParts s = ShipShapes();
    DrawGlow(p, QPointF(-78, 0), 44, kEngine, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 184, 206));
    p.drawPath(s.leftPylon.united(s.rightPylon));
    p.setBrush(QColor(226, 234, 246));
    p.drawPath(s.leftPod.united(s.rightPod));
    p.drawPath(s.hull);
    p.setBrush(kTrim);
    p.drawPath(s.spine.subtracted(s.bridge));
    p.restore();
    const double a = beaconAngle * kPi / 180.0;
    DrawGlow(p, QPointF(16 + std::cos(a) * 13, 16 - std::sin(a) * 13), 4.5, QColor(255, 230, 120), 1.0);
    return img;
}

constexpr double kStillBeacon = 135;  // frame 3 and MAIN

QImage MinimizeFrame(int k) {
    const double glow[] = {0.5, 0.75, 1.0, 0.6, 1.0, 0.75};
    return Icon(kStillBeacon + (k - 3) * 60.0, glow[k]);
}

void MakeShowPictures(const Output& out) {
    out.Save(Intro(), "INTRO.png");
    // Frame 0 is the window's own first picture: its name must not match "ship??.*", which counts
    // the frames that follow it.
    out.Save(LostShipFrame(0), "SHIPDRIFT.png");
    for (int i = 1; i <= 12; ++i) out.Save(LostShipFrame(i), QString("SHIP%1.png").arg(i, 2, 10, QChar('0')));
    out.Save(AboutEmblem(), "ABOUT.png");
    out.Save(Stowaway(), "EGG.png");
    out.Save(MinimizeFrame(3), "MAIN.png");
    for (int k = 0; k < 6; ++k) out.Save(MinimizeFrame(k), QString("MINIMIZE%1.png").arg(k));
}

}  // namespace

QImage ProgramIcon(int size) { return Icon(kStillBeacon, 1.0, size); }

KV_ART_GROUP("shows", MakeShowPictures);

}  // namespace artgen
