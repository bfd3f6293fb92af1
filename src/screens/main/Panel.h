#pragma once
// The 3-D panel (DrawPanel): what a picture box drawn as a flat panel shows. The caption and
// the gauge's value travel in the box's Tag: a gauge fills Val(Tag) percent of the box (from
// the bottom when it is higher than wide) and prints its caption only when the tag ends in
// "%". Units are the box's pixels.
#include <functional>
#include <string>
#include <vector>

namespace kv {

// The edge styles: none, raised (outer and inner raised borders), sunken.
enum PanelEdge : int { kEdgeNone = 0, kEdgeRaised = 5, kEdgeSunken = 10 };

struct PanelText {
    std::string text;
    double x = 0, y = 0;  // the top-left corner of the printed text
    bool operator==(const PanelText&) const = default;
};

struct PanelDrawing {
    bool filled = false;  // the gauge's box, in the box's drawing colour
    double fillLeft = 0, fillTop = 0, fillRight = 0, fillBottom = 0;
    std::vector<PanelText> caption;  // one line, or two when it was split
    int edge = kEdgeNone;            // drawn on all four sides over the whole box
};

// The width the box's font gives a text, in pixels.
using TextWidthFn = std::function<double(const std::string&)>;

// The panel of a box `width` x `height` with the tag, edge style and gauge flag. A caption
// narrower than 90 % of the box is centred on one line; a wider one is split at the blank
// nearest its middle (the left one first at equal distance) onto two lines; without a blank
// near the middle it stays on one line. A sunken panel prints its caption one pixel right and
// down.
PanelDrawing DrawPanel(const std::string& tag, double width, double height, int edge, bool gauge,
                       const TextWidthFn& textWidth, double textHeight);

}  // namespace kv
