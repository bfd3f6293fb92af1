#include "vernalect/Flags.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vernalect {
namespace {

constexpr int W = kFlagWidth, H = kFlagHeight;

void Stripes(QPainter& p, const std::initializer_list<QColor>& colours, bool vertical) {
    const int n = static_cast<int>(colours.size());
    int i = 0;
    for (const QColor& c : colours) {
        if (vertical)
            p.fillRect(QRect(W * i / n, 0, W * (i + 1) / n - W * i / n, H), c);
        else
            p.fillRect(QRect(0, H * i / n, W, H * (i + 1) / n - H * i / n), c);
        ++i;
    }
}

void Star(QPainter& p, QPointF centre, double outer, const QColor& c) {
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 == 0 ? outer : outer * 0.4;
        const double a = -M_PI / 2 + k * M_PI / 5;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (k == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    p.fillPath(path, c);
}

void NordicCross(QPainter& p, const QColor& field, const QColor& cross) {
    p.fillRect(QRect(0, 0, W, H), field);
    p.fillRect(QRect(50, 0, 12, H), cross);
    p.fillRect(QRect(0, 11, W, 10), cross);
}

}  // namespace

QString FlagLanguage(int index) {
    static const char* const names[kFlagCount] = {"US English", "Japanese", "German",     "Spanish", "French",
                                                  "Italian",    "Russian",  "Portuguese", "Swedish", "Dutch",
                                                  "Thai",       "Swahili",  "Esperanto",  "Korean",  "Chinese"};
    return index >= 0 && index < kFlagCount ? QString::fromLatin1(names[index]) : QString();
}

QPixmap DrawFlag(int index) {
    QPixmap pm(W, H);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor red(200, 16, 46), blue(0, 40, 104), white(Qt::white), gold(255, 206, 0), green(0, 122, 61);
    switch (index) {
        case 0: {  // stripes and a starred canton
            for (int i = 0; i < 13; ++i)
                p.fillRect(QRect(0, H * i / 13, W, H * (i + 1) / 13 - H * i / 13), i % 2 == 0 ? red : white);
            p.fillRect(QRect(0, 0, 68, H * 7 / 13), blue);
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 6; ++c) p.fillRect(QRect(4 + c * 11, 2 + r * 4, 2, 2), white);
            break;
        }
        case 1:  // a red disc on white
            p.setBrush(red);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(W / 2.0, H / 2.0), 11, 11);
            break;
        case 2: Stripes(p, {Qt::black, QColor(221, 0, 0), gold}, false); break;
        case 3:
            Stripes(p, {QColor(170, 21, 27), QColor(241, 191, 0), QColor(241, 191, 0), QColor(170, 21, 27)}, false);
            break;
        case 4: Stripes(p, {QColor(0, 85, 164), white, QColor(239, 65, 53)}, true); break;
        case 5: Stripes(p, {QColor(0, 146, 70), white, QColor(206, 43, 55)}, true); break;
        case 6: Stripes(p, {white, QColor(0, 57, 166), QColor(213, 43, 30)}, false); break;
        case 7:
            p.fillRect(QRect(0, 0, 68, H), QColor(0, 102, 0));
            p.fillRect(QRect(68, 0, W - 68, H), QColor(255, 0, 0));
            p.setBrush(QColor(255, 255, 0));
            p.setPen(QPen(Qt::black, 0.5));
            p.drawEllipse(QPointF(68, H / 2.0), 9, 9);
            break;
        case 8: NordicCross(p, QColor(0, 106, 167), QColor(254, 204, 0)); break;
        case 9: Stripes(p, {QColor(174, 28, 40), white, QColor(33, 70, 139)}, false); break;
        case 10:
            Stripes(p, {QColor(165, 25, 49), white, QColor(45, 42, 74), QColor(45, 42, 74), white, QColor(165, 25, 49)},
                    false);
            break;
        case 11: {  // a language of east Africa: green and blue parted by a black band
            p.fillRect(QRect(0, 0, W, H), QColor(30, 181, 58));
            QPainterPath lower;
            lower.moveTo(W, 0);
            lower.lineTo(W, H);
            lower.lineTo(0, H);
            lower.closeSubpath();
            p.fillPath(lower, QColor(0, 163, 221));
            p.setPen(QPen(QColor(252, 209, 22), 12));
            p.drawLine(QPointF(0, H), QPointF(W, 0));
            p.setPen(QPen(Qt::black, 7));
            p.drawLine(QPointF(0, H), QPointF(W, 0));
            break;
        }
        case 12:  // green, with a white square holding a green star
            p.fillRect(QRect(0, 0, W, H), QColor(0, 153, 0));
            p.fillRect(QRect(0, 0, 32, 16), white);
            Star(p, QPointF(16, 8.5), 7, QColor(0, 153, 0));
            break;
        case 13: {  // a red and blue disc on white
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(205, 46, 58));
            p.drawPie(QRectF(W / 2.0 - 11, H / 2.0 - 11, 22, 22), 0, 180 * 16);
            p.setBrush(QColor(0, 71, 160));
            p.drawPie(QRectF(W / 2.0 - 11, H / 2.0 - 11, 22, 22), 180 * 16, 180 * 16);
            p.setBrush(Qt::black);
            for (int k = 0; k < 4; ++k) {
                const double x = k < 2 ? 45 + k * 6 : W - 51 + (k - 2) * 6;
                p.fillRect(QRectF(x, 8, 3, 16), Qt::black);
            }
            break;
        }
        case 14:  // red with a gold star
            p.fillRect(QRect(0, 0, W, H), QColor(222, 41, 16));
            Star(p, QPointF(20, 11), 8, gold);
            for (int k = 0; k < 4; ++k) Star(p, QPointF(36 + (k % 2) * 4, 4 + k * 5), 2.2, gold);
            break;
        default: break;
    }
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, W - 1, H - 1));
    return pm;
}

QPixmap DimFlag(const QPixmap& flag) {
    QImage img = flag.toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((x + y) % 2 == 0) img.setPixel(x, y, qRgb(0, 0, 0));
    return QPixmap::fromImage(img);
}

}  // namespace vernalect
