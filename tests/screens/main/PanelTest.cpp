#include "screens/main/Panel.h"

#include <gtest/gtest.h>

namespace kv::test {
namespace {

// Every character 10 pixels wide, text 12 pixels high.
double Width(const std::string& t) { return 10.0 * static_cast<double>(t.size()); }

TEST(Panel, GaugeFillsAcrossOrFromTheBottom) {
    struct Case {
        const char* tag;
        double width, height;
        double left, top, right, bottom;
        bool printed;
    };
    const Case cases[] = {
        {"50%", 200, 20, 0, 0, 100, 20, true},
        {"50", 200, 20, 0, 0, 100, 20, false},
        {"75%", 20, 200, 0, 50, 20, 200, true},
        {"0", 200, 20, 0, 0, 0, 20, false},
        {"250", 200, 20, 0, 0, 200, 20, false},  // a fill beyond the box stops at its edge
    };
    for (const Case& c : cases) {
        const PanelDrawing d = DrawPanel(c.tag, c.width, c.height, kEdgeSunken, true, Width, 12);
        SCOPED_TRACE(c.tag);
        EXPECT_TRUE(d.filled);
        EXPECT_EQ(d.fillLeft, c.left);
        EXPECT_EQ(d.fillTop, c.top);
        EXPECT_EQ(d.fillRight, c.right);
        EXPECT_EQ(d.fillBottom, c.bottom);
        EXPECT_EQ(!d.caption.empty(), c.printed);
        EXPECT_EQ(d.edge, kEdgeSunken);
    }
}

TEST(Panel, CaptionsCentreAndSplitNearTheMiddle) {
    // One line, centred; sunken panels print a pixel right and down.
    EXPECT_EQ(DrawPanel("Docked", 200, 40, kEdgeRaised, false, Width, 12).caption,
              (std::vector<PanelText>{{"Docked", 70, 14}}));
    EXPECT_EQ(DrawPanel("Docked", 200, 40, kEdgeSunken, false, Width, 12).caption,
              (std::vector<PanelText>{{"Docked", 71, 15}}));
    // Too wide for 90 %: split at the blank nearest the middle, the left one first.
    EXPECT_EQ(DrawPanel("Time is low", 100, 40, kEdgeNone, false, Width, 12).caption,
              (std::vector<PanelText>{{"Time", 30, 8}, {"is low", 20, 20}}));
    EXPECT_EQ(DrawPanel("ab cd ef", 60, 40, kEdgeNone, false, Width, 12).caption[0].text, "ab");
    EXPECT_EQ(DrawPanel("abc def", 60, 40, kEdgeNone, false, Width, 12).caption[0].text, "abc");
    // No blank: one line, wider than the panel.
    EXPECT_EQ(DrawPanel("Underattack", 60, 40, kEdgeNone, false, Width, 12).caption,
              (std::vector<PanelText>{{"Underattack", -25, 14}}));
    EXPECT_EQ(DrawPanel("x", 60, 40, kEdgeNone, false, Width, 12).edge, kEdgeNone);
}

}  // namespace
}  // namespace kv::test
