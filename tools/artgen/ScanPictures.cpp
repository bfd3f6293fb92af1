// The short-range scan's icon strips (one per picture quality), the photon torpedo's frames
// and the navigation dialog's compass.
//
// A strip holds 14 cells side by side: 0 empty space, 1 the ship, 2 a Zarvoni warship, 3 one
// with its energy spent, 4 a star, 5 a star whose system was visited, 6 a friendly starbase,
// 7 the Zarvoni starbase, 8 that base captured, 9 a weak cloaked ship, 10 a cloaked ship shown,
// 11 a sector the damaged sensors cannot read, 12 the Morv ship, 13 the ship under tow.
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Art.h"

namespace {

using artgen::Blank;
using artgen::Smooth;

struct Style {
    int size;
    bool shaded;  // gradients and glows; quality 0 is flat
};

QColor Dim(const QColor& c, double f) {
    return QColor::fromRgbF(c.redF() * f, c.greenF() * f, c.blueF() * f, c.alphaF());
}

void Background(QImage& img, const Style& st, uint32_t seed) {
    img.fill(QColor(4, 6, 14));
    if (st.shaded) artgen::StarField(img, st.size / 6, seed);
}

void Fill(QPainter& p, const Style& st, const QPainterPath& path, const QColor& c, const QPointF& light) {
    if (st.shaded) {
        QRadialGradient g(light, st.size * 0.6);
        g.setColorAt(0, c.lighter(160));
        g.setColorAt(1, Dim(c, 0.55));
        p.fillPath(path, g);
    } else {
        p.fillPath(path, c);
    }
}

// Our ship: a disc with a hull behind it, pointing east, in cyan and white.
void Ship(QPainter& p, const Style& st, const QColor& body) {
    const double s = st.size;
    QPainterPath hull;
    hull.addRoundedRect(QRectF(s * 0.14, s * 0.42, s * 0.42, s * 0.16), s * 0.05, s * 0.05);
    QPainterPath nacelles;
    nacelles.addRoundedRect(QRectF(s * 0.08, s * 0.22, s * 0.36, s * 0.1), s * 0.04, s * 0.04);
    nacelles.addRoundedRect(QRectF(s * 0.08, s * 0.68, s * 0.36, s * 0.1), s * 0.04, s * 0.04);
    QPainterPath pylons;
    pylons.moveTo(s * 0.3, s * 0.3);
    pylons.lineTo(s * 0.36, s * 0.45);
    pylons.moveTo(s * 0.3, s * 0.7);
    pylons.lineTo(s * 0.36, s * 0.55);
    p.setPen(QPen(body, std::max(1.0, s / 24)));
    p.drawPath(pylons);
    p.setPen(Qt::NoPen);
    Fill(p, st, nacelles, body.darker(120), QPointF(s * 0.2, s * 0.25));
    Fill(p, st, hull, body, QPointF(s * 0.3, s * 0.45));
    QPainterPath saucer;
    saucer.addEllipse(QPointF(s * 0.66, s * 0.5), s * 0.24, s * 0.24);
    Fill(p, st, saucer, body.lighter(115), QPointF(s * 0.6, s * 0.42));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(s * 0.66, s * 0.5), s * 0.06, s * 0.06);
    p.setBrush(Qt::NoBrush);
}

// A Zarvoni warship: a red arrowhead with swept wings, pointing west.
void Warship(QPainter& p, const Style& st, const QColor& body, bool outline = false) {
    const double s = st.size;
    QPainterPath path;
    path.moveTo(s * 0.1, s * 0.5);
    path.lineTo(s * 0.55, s * 0.12);
    path.lineTo(s * 0.48, s * 0.4);
    path.lineTo(s * 0.9, s * 0.3);
    path.lineTo(s * 0.78, s * 0.5);
    path.lineTo(s * 0.9, s * 0.7);
    path.lineTo(s * 0.48, s * 0.6);
    path.lineTo(s * 0.55, s * 0.88);
    path.closeSubpath();
    if (outline) {
        QPen pen(body, std::max(1.0, s / 16));
        pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        return;
    }
    Fill(p, st, path, body, QPointF(s * 0.4, s * 0.35));
    p.setBrush(QColor(255, 220, 120));
    p.drawEllipse(QPointF(s * 0.32, s * 0.5), s * 0.05, s * 0.05);
    p.setBrush(Qt::NoBrush);
}

void Star(QPainter& p, const Style& st, bool visited) {
    const double s = st.size;
    const QPointF c(s / 2, s / 2);
    if (st.shaded) {
        QRadialGradient glow(c, s * 0.48);
        glow.setColorAt(0, QColor(255, 250, 200, 255));
        glow.setColorAt(0.35, QColor(255, 210, 60, 230));
        glow.setColorAt(1, QColor(255, 140, 0, 0));
        p.setBrush(glow);
        p.drawEllipse(c, s * 0.48, s * 0.48);
    }
    QPainterPath rays;
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4, r = i % 2 ? s * 0.28 : s * 0.42;
        rays.moveTo(c);
        rays.lineTo(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.setPen(QPen(QColor(255, 230, 90), std::max(1.0, s / 20)));
    p.drawPath(rays);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 120));
    p.drawEllipse(c, s * 0.17, s * 0.17);
    if (visited) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(90, 255, 120), std::max(1.0, s / 18)));
        p.drawEllipse(c, s * 0.36, s * 0.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 255, 120));
        p.drawEllipse(QPointF(c.x() + s * 0.36, c.y()), s * 0.06, s * 0.06);
    }
    p.setBrush(Qt::NoBrush);
}

// A friendly starbase: a ring with four docking arms and a core, blue and white.
void Starbase(QPainter& p, const Style& st) {
    const double s = st.size;
    const QPointF c(s / 2, s / 2);
    p.setPen(QPen(QColor(120, 200, 255), std::max(1.5, s / 10)));
    p.drawEllipse(c, s * 0.32, s * 0.32);
    p.setPen(QPen(QColor(200, 230, 255), std::max(1.0, s / 16)));
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        p.drawLine(QPointF(c.x() + s * 0.12 * std::cos(a), c.y() + s * 0.12 * std::sin(a)),
                   QPointF(c.x() + s * 0.46 * std::cos(a), c.y() + s * 0.46 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    QPainterPath core;
    core.addEllipse(c, s * 0.13, s * 0.13);
    Fill(p, st, core, QColor(230, 245, 255), c - QPointF(s * 0.05, s * 0.05));
}

// The Zarvoni starbase: a spiked wheel; red while hostile, green once captured.
void HostileBase(QPainter& p, const Style& st, const QColor& body) {
    const double s = st.size;
    const QPointF c(s / 2, s / 2);
    QPainterPath spikes;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8, r = i % 2 ? s * 0.26 : s * 0.47;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            spikes.moveTo(pt);
        else
            spikes.lineTo(pt);
    }
    spikes.closeSubpath();
    Fill(p, st, spikes, body, c - QPointF(s * 0.1, s * 0.1));
    p.setBrush(QColor(20, 0, 0));
    p.drawEllipse(c, s * 0.12, s * 0.12);
    p.setBrush(body.lighter(150));
    p.drawEllipse(c, s * 0.06, s * 0.06);
    p.setBrush(Qt::NoBrush);
}

// The Morv ship: a green cube seen corner-on, lit with a grid.
void Morv(QPainter& p, const Style& st) {
    const double s = st.size;
    const QPointF top(s * 0.5, s * 0.1), left(s * 0.12, s * 0.3), right(s * 0.88, s * 0.3), mid(s * 0.5, s * 0.5),
        bl(s * 0.12, s * 0.72), br(s * 0.88, s * 0.72), bottom(s * 0.5, s * 0.92);
    QPainterPath lid, west, east;
    lid.moveTo(top), lid.lineTo(right), lid.lineTo(mid), lid.lineTo(left), lid.closeSubpath();
    west.moveTo(left), west.lineTo(mid), west.lineTo(bottom), west.lineTo(bl), west.closeSubpath();
    east.moveTo(mid), east.lineTo(right), east.lineTo(br), east.lineTo(bottom), east.closeSubpath();
    p.fillPath(lid, QColor(110, 255, 110));
    p.fillPath(west, st.shaded ? QColor(40, 170, 50) : QColor(60, 200, 60));
    p.fillPath(east, QColor(20, 110, 30));
    if (st.shaded) {
        p.setPen(QPen(QColor(180, 255, 170, 160), 1));
        for (int i = 1; i < 3; ++i) {
            const double f = i / 3.0;
            p.drawLine(left + (bl - left) * f, mid + (bottom - mid) * f);
            p.drawLine(mid + (bottom - mid) * f, right + (br - right) * f);
        }
        p.setPen(Qt::NoPen);
    }
}

QImage Cell(int k, const Style& st) {
    QImage img = Blank(st.size, st.size);
    Background(img, st, 1000 + static_cast<uint32_t>(k) * 7 + static_cast<uint32_t>(st.size));
    QPainter p(&img);
    Smooth(p);
    p.setPen(Qt::NoPen);
    const double s = st.size;
    switch (k) {
        case 0: break;
        case 1: Ship(p, st, QColor(80, 220, 255)); break;
        case 2: Warship(p, st, QColor(235, 40, 30)); break;
        case 3: Warship(p, st, QColor(120, 70, 70)); break;
        case 4: Star(p, st, false); break;
        case 5: Star(p, st, true); break;
        case 6: Starbase(p, st); break;
        case 7: HostileBase(p, st, QColor(230, 30, 40)); break;
        case 8: HostileBase(p, st, QColor(60, 210, 80)); break;
        case 9: Warship(p, st, QColor(190, 120, 255), true); break;
        case 10: Warship(p, st, QColor(255, 80, 255), true); break;
        case 11: {
            img.fill(QColor(28, 28, 34));
            p.setPen(QPen(QColor(70, 70, 84), std::max(1.0, s / 16)));
            for (double x = -s; x < s; x += s / 4) p.drawLine(QPointF(x, s), QPointF(x + s, 0));
            break;
        }
        case 12: Morv(p, st); break;
        case 13: {
            Ship(p, st, QColor(80, 220, 255));
            QPen pen(QColor(255, 230, 60), std::max(1.0, s / 14));
            pen.setStyle(Qt::DotLine);
            p.setPen(pen);
            p.drawLine(QPointF(s * 0.02, s * 0.5), QPointF(s * 0.2, s * 0.5));
            p.drawLine(QPointF(s * 0.02, s * 0.15), QPointF(s * 0.2, s * 0.35));
            p.drawLine(QPointF(s * 0.02, s * 0.85), QPointF(s * 0.2, s * 0.65));
            break;
        }
        default: break;
    }
    return img;
}

// A photon torpedo: a pulsing orange-white ball with a flicker that turns with the frame.
QImage TorpedoFrame(int frame, int size) {
    QImage img = Blank(size, size, QColor(4, 6, 14));
    QPainter p(&img);
    Smooth(p);
    p.setPen(Qt::NoPen);
    const QPointF c(size / 2.0, size / 2.0);
    const double pulse = 0.3 + 0.06 * std::sin(frame * M_PI / 4);
    QRadialGradient glow(c, size * (pulse + 0.15));
    glow.setColorAt(0, QColor(255, 255, 240));
    glow.setColorAt(0.4, QColor(255, 170, 40));
    glow.setColorAt(1, QColor(255, 60, 0, 0));
    p.setBrush(glow);
    p.drawEllipse(c, size * (pulse + 0.15), size * (pulse + 0.15));
    p.setPen(QPen(QColor(255, 240, 200), std::max(1.0, size / 20.0)));
    for (int i = 0; i < 4; ++i) {
        const double a = frame * M_PI / 16 + i * M_PI / 2;
        p.drawLine(QPointF(c.x() + size * 0.12 * std::cos(a), c.y() + size * 0.12 * std::sin(a)),
                   QPointF(c.x() + size * 0.42 * std::cos(a), c.y() + size * 0.42 * std::sin(a)));
    }
    return img;
}

// The course dial: a light disc with the eight courses marked, 1 east and 3 north, clear around
// it; the course arrow is drawn over it in black.
QImage Compass(int size) {
    QImage img = Blank(size, size, Qt::transparent);
    QPainter p(&img);
    Smooth(p);
    const QPointF c(size / 2.0, size / 2.0);
    const double r = size * 0.46;
    QRadialGradient face(c, r);
    face.setColorAt(0, QColor(255, 255, 250));
    face.setColorAt(1, QColor(214, 222, 232));
    p.setBrush(face);
    p.setPen(QPen(QColor(60, 80, 110), 2));
    p.drawEllipse(c, r, r);
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(8, size / 9));
    font.setBold(true);
    p.setFont(font);
    for (int i = 0; i < 32; ++i) {
        const double a = i * M_PI / 16;
        const double inner = i % 4 == 0 ? r * 0.8 : r * 0.9;
        p.setPen(QPen(i % 4 == 0 ? QColor(50, 70, 100) : QColor(140, 155, 175), i % 4 == 0 ? 2 : 1));
        p.drawLine(QPointF(c.x() + inner * std::cos(a), c.y() - inner * std::sin(a)),
                   QPointF(c.x() + r * std::cos(a), c.y() - r * std::sin(a)));
    }
    p.setPen(QColor(30, 50, 110));
    for (int course = 1; course <= 8; ++course) {
        const double a = (course - 1) * M_PI / 4, d = r * 0.62;
        const QRectF box(c.x() + d * std::cos(a) - size / 12.0, c.y() - d * std::sin(a) - size / 12.0, size / 6.0,
                         size / 6.0);
        p.drawText(box, Qt::AlignCenter, QString::number(course));
    }
    return img;
}

void MakeScanPictures(const artgen::Output& out) {
    const Style styles[] = {{24, false}, {32, true}, {40, true}, {48, true}};
    for (int q = 0; q < 4; ++q) {
        std::vector<QImage> cells;
        for (int k = 0; k < 14; ++k) cells.push_back(Cell(k, styles[q]));
        out.Save(artgen::Strip(cells), QString("ICONS%1.png").arg(q));
    }
    std::vector<QImage> frames;
    for (int f = 0; f < 8; ++f) frames.push_back(TorpedoFrame(f, 32));
    out.Save(artgen::Strip(frames), "TORPEDO.png");
    out.Save(Compass(96), "COMPASS.png");
}

}  // namespace

KV_ART_GROUP("scan", MakeScanPictures);
