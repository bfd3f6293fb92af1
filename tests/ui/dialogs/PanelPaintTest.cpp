// The 3-D panel as the dialogs paint it (the shield bar, the warp gauge, the target panels, the
// retrofit covers, the info window's starbase panel): its caption, its gauge and its edge.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <string>

#include "screens/main/Panel.h"
#include "ui/dialogs/Panels.h"

namespace kv {
namespace {

const QColor kFace(Qt::white), kFill(40, 110, 220);

class TestPanel : public QWidget {
public:
    TestPanel(int edge, bool gauge, std::string tag) : edge_(edge), gauge_(gauge), tag_(std::move(tag)) {
        QPalette pal = palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        setPalette(pal);
    }

protected:
    void paintEvent(QPaintEvent*) override { PaintPanel(this, edge_, kFace, gauge_, tag_, kFill); }

private:
    int edge_;
    bool gauge_;
    std::string tag_;
};

bool Dark(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 200; }

// The rows of the panel's inside (the edge left out) that hold printed text.
std::vector<int> TextRows(const QImage& img) {
    std::vector<int> rows;
    for (int y = 3; y < img.height() - 3; ++y)
        for (int x = 3; x < img.width() - 3; ++x)
            if (Dark(img.pixel(x, y))) {
                rows.push_back(y);
                break;
            }
    return rows;
}

TEST(PanelPaint, TheCaptionIsPrintedWhereTheTagAsksForIt) {
    const struct {
        int edge;
        bool gauge;
        const char* tag;
        bool printed;
    } cases[] = {
        {kEdgeRaised, false, "DOCKED", true},
        {kEdgeNone, false, "DOCKED", true},
        {kEdgeSunken, true, "50%", true},  // a gauge prints a tag that ends in "%"
        {kEdgeSunken, true, "50", false},  // and only that
        {kEdgeRaised, false, "", false},   // a panel without a caption shows nothing on its face
    };
    for (const auto& c : cases) {
        TestPanel w(c.edge, c.gauge, c.tag);
        w.resize(160, 40);
        const QImage img = w.grab().toImage();
        EXPECT_EQ(!TextRows(img).empty(), c.printed) << c.tag << " edge " << c.edge;
        if (c.gauge) {
            EXPECT_EQ(QColor(img.pixel(10, 30)), kFill) << c.tag;   // the left half is filled
            EXPECT_EQ(QColor(img.pixel(150, 30)), kFace) << c.tag;  // the right half is not
        }
    }
}

TEST(PanelPaint, ACaptionTooWideForThePanelGoesOntoTwoLines) {
    TestPanel one(kEdgeRaised, false, "ALPHA BRAVO");
    one.resize(400, 60);
    TestPanel two(kEdgeRaised, false, "ALPHA BRAVO");
    two.resize(60, 60);
    const std::vector<int> oneRows = TextRows(one.grab().toImage()), twoRows = TextRows(two.grab().toImage());
    ASSERT_FALSE(oneRows.empty());
    ASSERT_FALSE(twoRows.empty());
    // Two lines stand about twice as high as one, above and below the middle.
    EXPECT_GT(twoRows.back() - twoRows.front(), (oneRows.back() - oneRows.front()) * 3 / 2);
    EXPECT_LT(twoRows.front(), 30);
    EXPECT_GT(twoRows.back(), 30);
}

}  // namespace
}  // namespace kv
