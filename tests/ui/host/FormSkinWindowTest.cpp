#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <string>
#include <vector>

#include "ui/host/FormSkin.h"

namespace kv {
namespace {

const QColor kClear(0, 255, 0);  // the skins' transparent green
const QColor kSolid(32, 32, 32);

// A picture from rows of "T" (transparent) and "O" (opaque).
QImage Picture(const std::vector<std::string>& rows) {
    QImage img(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixelColor(x, y, rows[y][x] == 'T' ? kClear : kSolid);
    return img;
}

// A picture box on a window, showing the picture at its own size.
struct SkinnedBox {
    QWidget window;
    QLabel* box = new QLabel(&window);
    explicit SkinnedBox(const QImage& picture) {
        window.resize(40, 30);
        QPalette grey = window.palette();
        grey.setColor(QPalette::Window, QColor(100, 110, 120));
        window.setPalette(grey);
        box->setPixmap(QPixmap::fromImage(picture));
        box->setGeometry(5, 4, picture.width(), picture.height());
    }
    // The window's drawing along the shapes (none before anything was painted).
    QImage Canvas() const { return SkinDrawing(&window); }
};

TEST(FormSkinWindows, RegionFromPictureJoinsTheOpaqueRunsOfEachRow) {
    long transparent = -1;
    const QRegion region = RegionFromPicture(Picture({"TOOT", "OTOO"}), transparent);
    EXPECT_EQ(region, QRegion(1, 0, 2, 1) + QRegion(0, 1, 1, 1) + QRegion(2, 1, 2, 1));
    EXPECT_EQ(transparent, 0x00FF00);  // the top-left pixel's colour, handed back
}

TEST(FormSkinWindows, AControlTakesTheShapeOfWhatItShows) {
    SkinnedBox sb(Picture({"TOOT", "OOOO", "TOOT"}));
    long transparent = -1;
    SetFormRegion(sb.box, transparent);
    EXPECT_EQ(sb.box->mask(), QRegion(1, 0, 2, 1) + QRegion(0, 1, 4, 1) + QRegion(1, 2, 2, 1));
    EXPECT_TRUE(PointInShapedButton(sb.box, {0, 1}));
    EXPECT_FALSE(PointInShapedButton(sb.box, {0, 0}));

    // A picture without an opaque pixel: a mask all the same, covering nothing.
    SkinnedBox empty(Picture({"TT", "TT"}));
    transparent = -1;
    SetFormRegion(empty.box, transparent);
    EXPECT_FALSE(empty.box->mask().isEmpty());
    EXPECT_FALSE(empty.box->mask().intersects(empty.box->rect()));
}

TEST(FormSkinWindows, SkinFramesTheShapeOnTheWindowAndUnskinFillsIt) {
    SkinnedBox sb(Picture({"TOOOT", "OOOOO", "OOOOO", "OOOOO", "TOOOT"}));
    const QColor back(100, 110, 120);
    long transparent = -1;
    SkinForm(sb.box, transparent, 0x0000FF);  // red outline kept for later
    QImage canvas = sb.Canvas();
    ASSERT_FALSE(canvas.isNull());
    // Framed in the window's own colour along the shape's inner edge, at the box's place.
    EXPECT_EQ(canvas.pixelColor(5 + 1, 4 + 0), back);
    EXPECT_EQ(canvas.pixelColor(5 + 0, 4 + 2), back);
    EXPECT_EQ(canvas.pixelColor(5 + 2, 4 + 2).alpha(), 0);  // inside: untouched
    EXPECT_EQ(canvas.pixelColor(5 + 0, 4 + 0).alpha(), 0);  // outside the shape
    EXPECT_EQ(SkinOutlineColour(sb.box), QColor(255, 0, 0));

    PaintSkinBorder(sb.box, 1, 1);  // the outline colour, framed
    EXPECT_EQ(sb.Canvas().pixelColor(5 + 4, 4 + 2), QColor(255, 0, 0));
    UnskinForm(sb.box);
    canvas = sb.Canvas();
    EXPECT_EQ(canvas.pixelColor(5 + 2, 4 + 2), back);  // the whole shape filled
    EXPECT_EQ(canvas.pixelColor(5 + 4, 4 + 2), back);
    EXPECT_TRUE(sb.box->mask().isEmpty());
}

TEST(FormSkinWindows, AShapedButtonMovesWhilePressedAndActsOnARelease) {
    SkinnedBox sb(Picture({"TOOT", "OOOO", "OOOO", "TOOT"}));
    long transparent = -1;
    SetFormRegion(sb.box, transparent);
    const QPoint home = sb.box->pos();
    ShapedButtonDown(sb.box, Qt::RightButton);
    EXPECT_EQ(sb.box->pos(), home);
    ShapedButtonDown(sb.box, Qt::LeftButton);
    EXPECT_EQ(sb.box->pos(), home + QPoint(2, 2));
    ShapedButtonMove(sb.box, Qt::LeftButton, {0, 0});  // out of its shape
    EXPECT_EQ(sb.box->pos(), home);
    ShapedButtonMove(sb.box, Qt::LeftButton, {1, 1});  // back in
    EXPECT_EQ(sb.box->pos(), home + QPoint(2, 2));
    EXPECT_TRUE(ShapedButtonUp(sb.box, Qt::LeftButton));
    EXPECT_EQ(sb.box->pos(), home);

    // Released outside its shape: no action.
    ShapedButtonDown(sb.box, Qt::LeftButton);
    ShapedButtonMove(sb.box, Qt::LeftButton, {3, 3});
    EXPECT_FALSE(ShapedButtonUp(sb.box, Qt::LeftButton));
    EXPECT_EQ(sb.box->pos(), home);
}

TEST(FormSkinWindows, HidingByRegionNeitherHidesNorShowsTheWindow) {
    QWidget w;
    w.resize(50, 40);
    HideByRegion(&w);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.mask().isEmpty());
    w.show();
    HideByRegion(&w);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.mask().intersects(w.rect()));
    ShowByRegion(&w);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.mask().isEmpty());
}

}  // namespace
}  // namespace kv
