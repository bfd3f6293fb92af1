#pragma once
// The picture generator's shared pieces. Every picture the game shows is drawn here, in code,
// when the game is built: each group of pictures lives in a file of its own that registers
// itself with KV_ART_GROUP, and `artgen <folder>` writes every group's files into that folder
// (the program folder's PICTURES). Drawing is deterministic: the same build writes the same
// pixels, so nothing depends on the machine's clock or on a random seed.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace artgen {

// Where a group writes its pictures.
class Output {
public:
    explicit Output(QString folder) : folder_(std::move(folder)) {}
    // Writes the picture under its file name ("ICONS1.png"); the format follows the suffix.
    // A failed write stops the generator with a message.
    void Save(const QImage& picture, const QString& fileName) const;
    // Writes a text file beside the pictures (a picture's description, an ".nfo" file).
    void SaveText(const QString& text, const QString& fileName) const;
    const QString& Folder() const { return folder_; }

private:
    QString folder_;
};

// A picture group: a name (for `artgen <folder> <group>` and for messages) and its drawing.
struct Group {
    const char* name;
    std::function<void(const Output&)> make;
};
std::vector<Group>& Groups();
struct Register {
    Register(const char* name, std::function<void(const Output&)> make) { Groups().push_back({name, std::move(make)}); }
};
#define KV_ART_GROUP_CAT2(a, b) a##b
#define KV_ART_GROUP_CAT(a, b) KV_ART_GROUP_CAT2(a, b)
// KV_ART_GROUP("scan", MakeScanPictures); at namespace scope in a group's file.
#define KV_ART_GROUP(name, fn) static ::artgen::Register KV_ART_GROUP_CAT(kvArtGroup_, __LINE__)(name, fn)

// The program's icon for the desktop's menus, `size` pixels square: the emblem of the minimised
// window (MAIN.png), drawn at that size.
QImage ProgramIcon(int size);

// A small deterministic generator for the pictures' own scatter (stars, noise, specks).
class Scatter {
public:
    explicit Scatter(uint32_t seed) : state_(seed ? seed : 1u) {}
    // 0 <= x < 1
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / 16777216.0;
    }
    int Below(int n) { return static_cast<int>(Next() * n); }

private:
    uint32_t state_;
};

// A new picture filled with one colour (transparent when the colour is).
QImage Blank(int width, int height, const QColor& fill = Qt::black);
// A painter with antialiasing switched on.
void Smooth(QPainter& p);
// Scatters `count` stars of one or two pixels over the picture, dim to bright.
void StarField(QImage& picture, int count, uint32_t seed);
// Joins pictures of one size side by side into one strip (a picture clip of n cells).
QImage Strip(const std::vector<QImage>& cells);

}  // namespace artgen
