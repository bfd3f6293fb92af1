// The exploration console's pictures: the star strip (one cell per star type), the action
// buttons, the planet textures of classes 1..14, the star and planet strip of one shipped
// system, the room map's pointers, north arrow and marker, and one planet clip (an AVI file of
// 8-bit palette frames).
#include <QFile>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Art.h"

namespace {

constexpr double kPi = 3.14159265358979;

// ---- Noise ------------------------------------------------------------------------------------

double Hash(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h & 0xFFFFFF) / 16777216.0;
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

// Value noise on a lattice that wraps every `period` cells horizontally (so a texture can be
// scrolled round a sphere).
double Noise(double x, double y, uint32_t seed, int period) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = Smooth(x - x0), fy = Smooth(y - y0);
    auto at = [&](int xi, int yi) { return Hash(((xi % period) + period) % period, yi, seed); };
    const double a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
    return (a * (1 - fx) + b * fx) * (1 - fy) + (c * (1 - fx) + d * fx) * fy;
}

// Fractal noise 0..1 over five octaves.
double Fractal(double x, double y, uint32_t seed, int period) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < 5; ++o) {
        sum += amp * Noise(x, y, seed + o * 101u, period);
        norm += amp;
        x *= 2;
        y *= 2;
        period *= 2;
        amp *= 0.5;
    }
    return sum / norm;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A colour from gradient stops (positions ascending 0..1).
QColor Ramp(const std::vector<std::pair<double, QColor>>& stops, double t) {
    if (t <= stops.front().first) return stops.front().second;
    for (size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].first)
            return Mix(stops[i - 1].second, stops[i].second,
                       (t - stops[i - 1].first) / (stops[i].first - stops[i - 1].first));
    return stops.back().second;
}

// ---- Planet surfaces ------------------------------------------------------------------------------

using Stops = std::vector<std::pair<double, QColor>>;

// The look of each class: its colour ramp over the noise, and whether it lies in bands.
struct Surface {
    Stops ramp;
    bool banded = false;
    double scale = 6;  // lattice cells across the texture
};

Surface SurfaceOf(int cls) {
    switch (cls) {
        case 1: return {{{0, QColor(40, 8, 4)}, {0.45, QColor(90, 20, 8)}, {0.6, QColor(230, 90, 10)}, {0.75, QColor(255, 210, 60)}, {1, QColor(70, 15, 5)}}, false, 7};
        case 2: return {{{0, QColor(150, 110, 70)}, {0.3, QColor(215, 180, 130)}, {0.5, QColor(190, 120, 80)}, {0.7, QColor(235, 215, 180)}, {1, QColor(140, 90, 60)}}, true, 5};
        case 3: return {{{0, QColor(30, 50, 25)}, {0.4, QColor(60, 90, 40)}, {0.6, QColor(100, 110, 50)}, {1, QColor(50, 70, 40)}}, false, 8};
        case 4: return {{{0, QColor(60, 60, 60)}, {0.5, QColor(120, 115, 110)}, {0.7, QColor(160, 155, 150)}, {1, QColor(80, 80, 80)}}, false, 9};
        case 5: return {{{0, QColor(120, 50, 20)}, {0.45, QColor(190, 110, 50)}, {0.7, QColor(225, 160, 90)}, {1, QColor(150, 70, 30)}}, false, 6};
        case 6: return {{{0, QColor(70, 60, 55)}, {0.5, QColor(130, 110, 95)}, {0.75, QColor(170, 150, 130)}, {1, QColor(90, 80, 70)}}, false, 8};
        case 7: return {{{0, QColor(90, 90, 100)}, {0.5, QColor(150, 150, 160)}, {0.68, QColor(235, 240, 250)}, {1, QColor(255, 255, 255)}}, false, 7};
        case 8: return {{{0, QColor(60, 20, 90)}, {0.4, QColor(120, 60, 170)}, {0.6, QColor(200, 150, 255)}, {0.8, QColor(120, 220, 230)}, {1, QColor(80, 40, 120)}}, false, 10};
        case 9: return {{{0, QColor(10, 60, 20)}, {0.45, QColor(30, 110, 30)}, {0.65, QColor(60, 150, 40)}, {1, QColor(20, 80, 25)}}, false, 8};
        case 10: return {{{0, QColor(150, 190, 220)}, {0.5, QColor(210, 230, 245)}, {0.7, QColor(250, 252, 255)}, {1, QColor(180, 210, 235)}}, false, 6};
        case 11: return {{{0, QColor(110, 100, 40)}, {0.45, QColor(175, 160, 70)}, {0.65, QColor(200, 180, 100)}, {1, QColor(120, 130, 60)}}, false, 7};
        case 12: return {{{0, QColor(5, 30, 90)}, {0.58, QColor(20, 70, 160)}, {0.62, QColor(210, 200, 150)}, {0.7, QColor(60, 140, 60)}, {1, QColor(40, 100, 40)}}, false, 6};
        case 13: return {{{0, QColor(30, 80, 50)}, {0.45, QColor(60, 120, 70)}, {0.65, QColor(190, 210, 200)}, {1, QColor(230, 240, 235)}}, false, 7};
        default: return {{{0, QColor(10, 40, 110)}, {0.5, QColor(30, 80, 170)}, {0.53, QColor(200, 190, 140)}, {0.62, QColor(70, 130, 50)}, {0.8, QColor(130, 110, 70)}, {0.9, QColor(240, 240, 240)}, {1, QColor(255, 255, 255)}}, false, 5};
    }
}

// The surface colour at (u, v), u round the planet (0..1, wrapping), v from pole to pole.
QColor SurfaceAt(int cls, double u, double v) {
    const Surface s = SurfaceOf(cls);
    const int period = static_cast<int>(s.scale);
    const uint32_t seed = 7919u * static_cast<uint32_t>(cls);
    double t;
    if (s.banded) {
        const double wobble = Fractal(u * s.scale, v * s.scale * 2, seed, period) - 0.5;
        t = 0.5 + 0.5 * std::sin(v * 22 + wobble * 5);
    } else {
        t = Fractal(u * s.scale, v * s.scale, seed, period);
    }
    return Ramp(s.ramp, t);
}

// A texture of a class: the surface unrolled into a square.
QImage Texture(int cls, int side) {
    QImage img = artgen::Blank(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) img.setPixelColor(x, y, SurfaceAt(cls, static_cast<double>(x) / side, static_cast<double>(y) / side));
    return img;
}

// A lit globe of a class on black: the surface mapped onto a sphere turned by `turn` (0..1).
QImage Globe(int cls, int side, double radius, double turn, bool rings = false) {
    QImage img = artgen::Blank(side, side);
    const double c = (side - 1) / 2.0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double dx = (x - c) / radius, dy = (y - c) / radius;
            const double rr = dx * dx + dy * dy;
            if (rr > 1) continue;
            const double dz = std::sqrt(1 - rr);
            const double lon = std::atan2(dx, dz) / (2 * kPi) + turn;
            const double lat = std::asin(std::clamp(dy, -1.0, 1.0)) / kPi + 0.5;
            QColor col = SurfaceAt(cls, lon - std::floor(lon), lat);
            // Light from the upper left, a soft rim.
            const double light = std::clamp(0.25 + 0.85 * (-0.5 * dx - 0.45 * dy + 0.74 * dz), 0.08, 1.1);
            col = QColor::fromRgbF(static_cast<float>(std::min(1.0, col.redF() * light)),
                                   static_cast<float>(std::min(1.0, col.greenF() * light)),
                                   static_cast<float>(std::min(1.0, col.blueF() * light)));
            img.setPixelColor(x, y, col);
        }
    }
    if (rings) {
        QPainter p(&img);
        artgen::Smooth(p);
        p.translate(c, c);
        p.rotate(-18);
        p.setPen(QPen(QColor(210, 190, 150, 200), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), radius * 1.6, radius * 0.42);
        p.setPen(QPen(QColor(170, 150, 120, 150), 2));
        p.drawEllipse(QPointF(0, 0), radius * 1.8, radius * 0.5);
    }
    return img;
}

// ---- Stars ---------------------------------------------------------------------------------------

QImage Star(int side, const QColor& core, const QColor& glow, double size, int kind = 0) {
    QImage img = artgen::Blank(side, side, Qt::transparent);
    QPainter p(&img);
    artgen::Smooth(p);
    const QPointF c(side / 2.0, side / 2.0);
    auto sun = [&](QPointF at, double r, const QColor& k, const QColor& g) {
        QRadialGradient halo(at, r * 1.9);
        QColor g0 = g;
        g0.setAlpha(150);
        QColor g1 = g;
        g1.setAlpha(0);
        halo.setColorAt(0.45, g0);
        halo.setColorAt(1, g1);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(at, r * 1.9, r * 1.9);
        QRadialGradient body(at - QPointF(r * 0.3, r * 0.3), r * 1.2);
        body.setColorAt(0, Qt::white);
        body.setColorAt(0.35, k);
        body.setColorAt(1, g);
        p.setBrush(body);
        p.drawEllipse(at, r, r);
    };
    if (kind == 1) {  // a binary pair
        sun(c + QPointF(-side * 0.16, side * 0.08), size * 0.75, core, glow);
        sun(c + QPointF(side * 0.2, -side * 0.12), size * 0.5, QColor(255, 200, 150), QColor(230, 110, 60));
    } else {
        sun(c, size, core, glow);
    }
    if (kind == 2) {  // the beams of a pulsing neutron star
        p.setPen(QPen(QColor(170, 220, 255, 200), 2));
        p.drawLine(c + QPointF(-side * 0.45, side * 0.3), c + QPointF(side * 0.45, -side * 0.3));
    }
    return img;
}

// Star types 0..8: yellow, orange, red and white dwarfs, blue and red giants, a binary, a
// neutron star and a dim brown star.
QImage StarOfType(int type, int side) {
    switch (type) {
        case 0: return Star(side, QColor(255, 240, 150), QColor(255, 190, 40), side * 0.2);
        case 1: return Star(side, QColor(255, 200, 120), QColor(240, 130, 30), side * 0.19);
        case 2: return Star(side, QColor(255, 150, 110), QColor(200, 50, 30), side * 0.14);
        case 3: return Star(side, QColor(250, 250, 255), QColor(190, 210, 255), side * 0.1);
        case 4: return Star(side, QColor(200, 225, 255), QColor(70, 120, 255), side * 0.27);
        case 5: return Star(side, QColor(255, 140, 90), QColor(190, 40, 20), side * 0.28);
        case 6: return Star(side, QColor(255, 240, 170), QColor(255, 180, 60), side * 0.22, 1);
        case 7: return Star(side, QColor(230, 245, 255), QColor(120, 180, 255), side * 0.07, 2);
        default: return Star(side, QColor(170, 110, 80), QColor(90, 40, 30), side * 0.15);
    }
}

// ---- Action buttons ------------------------------------------------------------------------------

QImage ActionButton(int icon, int side) {
    QImage img = artgen::Blank(side, side, Qt::transparent);
    QPainter p(&img);
    artgen::Smooth(p);
    const double c = side / 2.0, r = side / 2.0 - 1;
    QRadialGradient face(QPointF(c - 4, c - 4), r * 1.4);
    face.setColorAt(0, QColor(90, 140, 190));
    face.setColorAt(1, QColor(20, 45, 80));
    p.setPen(QPen(QColor(160, 200, 235), 1.5));
    p.setBrush(face);
    p.drawEllipse(QPointF(c, c), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 235, 140));
    p.translate(c, c);
    if (icon <= 3) {  // North, East, South, West: an arrow
        p.rotate(90.0 * icon);
        QPolygonF arrow;
        arrow << QPointF(0, -r * 0.7) << QPointF(r * 0.5, -r * 0.05) << QPointF(r * 0.18, -r * 0.05)
              << QPointF(r * 0.18, r * 0.6) << QPointF(-r * 0.18, r * 0.6) << QPointF(-r * 0.18, -r * 0.05)
              << QPointF(-r * 0.5, -r * 0.05);
        p.drawPolygon(arrow);
    } else if (icon == 4) {  // beam up: a column of sparkles rising
        for (int i = 0; i < 4; ++i) {
            const double y = r * 0.55 - i * r * 0.38;
            p.drawEllipse(QPointF(-r * 0.22 + (i % 2) * r * 0.44, y), 1.8, 1.8);
        }
        QPolygonF head;
        head << QPointF(0, -r * 0.75) << QPointF(r * 0.3, -r * 0.35) << QPointF(-r * 0.3, -r * 0.35);
        p.drawPolygon(head);
        p.setPen(QPen(QColor(255, 235, 140), 2));
        p.drawLine(QPointF(0, -r * 0.4), QPointF(0, r * 0.6));
    } else if (icon == 5) {  // search: a magnifying glass
        p.setPen(QPen(QColor(255, 235, 140), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(-r * 0.15, -r * 0.15), r * 0.38, r * 0.38);
        p.drawLine(QPointF(r * 0.14, r * 0.14), QPointF(r * 0.55, r * 0.55));
    } else {  // the "Tri" action: a triangle
        QPolygonF tri;
        tri << QPointF(0, -r * 0.6) << QPointF(r * 0.55, r * 0.45) << QPointF(-r * 0.55, r * 0.45);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 235, 140), 2.5));
        p.drawPolygon(tri);
    }
    return img;
}

// ---- The room map ----------------------------------------------------------------------------------

QImage Hand(bool closed) {
    QImage img = artgen::Blank(32, 32, Qt::transparent);
    QPainter p(&img);
    artgen::Smooth(p);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(250, 250, 250));
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 13, 16, 13), 5, 5);
    const int fingers = 4;
    for (int i = 0; i < fingers; ++i) {
        const double x = 8.5 + i * 4;
        hand.addRoundedRect(QRectF(x, closed ? 10 : 4 + (i == 0 || i == 3 ? 2 : 0), 3.6, closed ? 6 : 12), 1.8, 1.8);
    }
    hand.addRoundedRect(closed ? QRectF(5, 15, 5, 5) : QRectF(3, 13, 7, 4), 2, 2);  // the thumb
    p.drawPath(hand.simplified());
    return img;
}

QImage NorthArrow() {
    QImage img = artgen::Blank(24, 34, Qt::transparent);
    QPainter p(&img);
    artgen::Smooth(p);
    QPolygonF left, right;
    left << QPointF(12, 2) << QPointF(4, 22) << QPointF(12, 18);
    right << QPointF(12, 2) << QPointF(20, 22) << QPointF(12, 18);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(230, 60, 50));
    p.drawPolygon(left);
    p.setBrush(QColor(250, 250, 250));
    p.drawPolygon(right);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(QColor(240, 240, 240));
    p.drawText(QRectF(0, 22, 24, 12), Qt::AlignCenter, QStringLiteral("N"));
    return img;
}

QImage Marker() {
    QImage img = artgen::Blank(16, 16, Qt::transparent);
    QPainter p(&img);
    artgen::Smooth(p);
    p.setPen(QPen(QColor(40, 20, 0), 1));
    p.setBrush(QColor(255, 210, 40));
    QPolygonF diamond;
    diamond << QPointF(8, 1) << QPointF(15, 8) << QPointF(8, 15) << QPointF(1, 8);
    p.drawPolygon(diamond);
    p.setBrush(QColor(200, 40, 20));
    p.drawEllipse(QPointF(8, 8), 2.5, 2.5);
    return img;
}

// ---- The clip --------------------------------------------------------------------------------------

std::string U32(uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}
std::string U16(uint16_t v) { return U32(v).substr(0, 2); }
std::string Chunk(const std::string& id, const std::string& data) {
    std::string c = id + U32(static_cast<uint32_t>(data.size())) + data;
    if (data.size() & 1) c += '\0';
    return c;
}
std::string List(const std::string& kind, const std::string& body) { return Chunk("LIST", kind + body); }

// The palette of the clip: a 6 x 6 x 6 colour cube and a grey ramp.
std::vector<QRgb> ClipPalette() {
    std::vector<QRgb> pal;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) pal.push_back(qRgb(r * 51, g * 51, b * 51));
    for (int i = 0; i < 40; ++i) pal.push_back(qRgb(i * 255 / 39, i * 255 / 39, i * 255 / 39));
    return pal;
}

int Nearest(const std::vector<QRgb>& pal, QRgb c) {
    int best = 0, bestD = 1 << 30;
    for (size_t i = 0; i < pal.size(); ++i) {
        const int dr = qRed(pal[i]) - qRed(c), dg = qGreen(pal[i]) - qGreen(c), db = qBlue(pal[i]) - qBlue(c);
        const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (d < bestD) {
            bestD = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

// An uncompressed 8-bit AVI of the frames (all of one size), at `fps` frames a second.
std::string Avi(const std::vector<QImage>& frames, int fps) {
    const int w = frames.front().width(), h = frames.front().height();
    const std::vector<QRgb> pal = ClipPalette();
    const int stride = (w + 3) & ~3;
    std::string movi, index;
    uint32_t offset = 4;
    for (const QImage& f : frames) {
        std::string data(static_cast<size_t>(stride) * h, '\0');
        for (int y = 0; y < h; ++y)  // the bottom row first
            for (int x = 0; x < w; ++x)
                data[static_cast<size_t>(y) * stride + x] = static_cast<char>(Nearest(pal, f.pixel(x, h - 1 - y)));
        index += std::string("00db") + U32(0x10) + U32(offset) + U32(static_cast<uint32_t>(data.size()));
        const std::string chunk = Chunk("00db", data);
        offset += static_cast<uint32_t>(chunk.size());
        movi += chunk;
    }
    const uint32_t n = static_cast<uint32_t>(frames.size());
    const std::string avih = U32(1000000 / fps) + U32(0) + U32(0) + U32(0x10) + U32(n) + U32(0) + U32(1) +
                             U32(static_cast<uint32_t>(stride * h)) + U32(static_cast<uint32_t>(w)) +
                             U32(static_cast<uint32_t>(h)) + std::string(16, '\0');
    const std::string strh = std::string("vids") + U32(0) + U32(0) + U16(0) + U16(0) + U32(0) + U32(1) +
                             U32(static_cast<uint32_t>(fps)) + U32(0) + U32(n) +
                             U32(static_cast<uint32_t>(stride * h)) + U32(0xFFFFFFFFu) + U32(0) + U16(0) + U16(0) +
                             U16(static_cast<uint16_t>(w)) + U16(static_cast<uint16_t>(h));
    std::string strf = U32(40) + U32(static_cast<uint32_t>(w)) + U32(static_cast<uint32_t>(h)) + U16(1) + U16(8) +
                       U32(0) + U32(static_cast<uint32_t>(stride * h)) + U32(0) + U32(0) +
                       U32(static_cast<uint32_t>(pal.size())) + U32(0);
    for (QRgb c : pal) {
        strf += static_cast<char>(qBlue(c));
        strf += static_cast<char>(qGreen(c));
        strf += static_cast<char>(qRed(c));
        strf += '\0';
    }
    const std::string body = "AVI " +
                             List("hdrl", Chunk("avih", avih) + List("strl", Chunk("strh", strh) + Chunk("strf", strf))) +
                             List("movi", movi) + Chunk("idx1", index);
    return "RIFF" + U32(static_cast<uint32_t>(body.size())) + body;
}

void SaveBytes(const artgen::Output& out, const std::string& bytes, const QString& name) {
    QFile file(out.Folder() + "/" + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

void MakeExplorationPictures(const artgen::Output& out) {
    std::vector<QImage> stars;
    for (int t = 0; t <= 8; ++t) stars.push_back(StarOfType(t, 64));
    out.Save(artgen::Strip(stars), "STARS.png");

    std::vector<QImage> actions;
    for (int i = 0; i < 7; ++i) actions.push_back(ActionButton(i, 32));
    out.Save(artgen::Strip(actions), "ACTIONS.png");

    // Class textures, larger than the largest disc cut from them (2 x (6 x 20 + 15) + 1).
    for (int cls = 1; cls <= 14; ++cls) out.Save(Texture(cls, 300), QString("PLANET%1.png").arg(cls, 2, 10, QChar('0')));

    // Halcyrith, a red giant with four worlds (classes 14, 9, 6 and 1): its own star and planets.
    out.Save(Star(64, QColor(255, 170, 110), QColor(210, 60, 30), 64 * 0.27), "HalcyrithSun.png");
    std::vector<QImage> worlds = {Globe(14, 200, 70, 0.1), Globe(9, 200, 56, 0.3), Globe(6, 200, 88, 0.6, true),
                                  Globe(1, 200, 64, 0.8)};
    out.Save(artgen::Strip(worlds), "Halcyrith.png");

    out.Save(Hand(true), "GRAB.png");
    out.Save(Hand(false), "UNGRAB.png");
    out.Save(NorthArrow(), "NORTH.png");
    out.Save(Marker(), "MARKER.png");

    // Drennamor's first world turning: one turn in 24 frames.
    std::vector<QImage> frames;
    for (int i = 0; i < 24; ++i) frames.push_back(Globe(7, 160, 60, i / 24.0));
    SaveBytes(out, Avi(frames, 8), "Drennamor1.AVI");
}

}  // namespace

KV_ART_GROUP("exploration", MakeExplorationPictures);
