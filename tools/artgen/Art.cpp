#include "Art.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace artgen {

std::vector<Group>& Groups() {
    static std::vector<Group> groups;
    return groups;
}

void Output::Save(const QImage& picture, const QString& fileName) const {
    const QString path = folder_ + "/" + fileName;
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void Output::SaveText(const QString& text, const QString& fileName) const {
    QFile file(folder_ + "/" + fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    file.write(text.toUtf8());
}

QImage Blank(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void StarField(QImage& picture, int count, uint32_t seed) {
    Scatter s(seed);
    QPainter p(&picture);
    for (int i = 0; i < count; ++i) {
        const int x = s.Below(picture.width()), y = s.Below(picture.height());
        const int level = 80 + s.Below(176);
        const QColor c(level, level, std::min(255, level + 20));
        if (s.Next() < 0.1)
            p.fillRect(x, y, 2, 2, c);
        else
            p.fillRect(x, y, 1, 1, c);
    }
}

QImage Strip(const std::vector<QImage>& cells) {
    if (cells.empty()) return QImage();
    const int w = cells.front().width(), h = cells.front().height();
    QImage strip = Blank(w * static_cast<int>(cells.size()), h, Qt::transparent);
    QPainter p(&strip);
    for (size_t i = 0; i < cells.size(); ++i) p.drawImage(static_cast<int>(i) * w, 0, cells[i]);
    return strip;
}

}  // namespace artgen
