#include "screens/main/Panel.h"

#include <algorithm>

#include "state/Numeric.h"

namespace kv {
namespace {

void PrintCaption(PanelDrawing& out, const std::string& caption, double width, double height, double offset,
                  const TextWidthFn& textWidth, double textHeight) {
    auto measure = [&](const std::string& t) { return textWidth ? textWidth(t) : 0.0; };
    const double whole = measure(caption);
    auto oneLine = [&] {
        out.caption.push_back({caption, (width - whole) / 2 + offset, (height - textHeight) / 2 + offset});
    };
    if (whole < 0.9 * width) {
        oneLine();
        return;
    }
    // The blank nearest the middle: positions half - k, then half + k (counted from 1).
    const size_t half = caption.size() / 2;
    size_t split = 0;
    for (size_t k = 0; k < half && split == 0; ++k) {
        if (caption[half - k - 1] == ' ')
            split = half - k;
        else if (half + k - 1 < caption.size() && caption[half + k - 1] == ' ')
            split = half + k;
    }
    if (split == 0) {
        oneLine();
        return;
    }
    const std::string first = caption.substr(0, split - 1), second = caption.substr(split);
    out.caption.push_back({first, (width - measure(first)) / 2 + offset, (height - 2 * textHeight) / 2 + offset});
    out.caption.push_back({second, (width - measure(second)) / 2 + offset, height / 2 + offset});
}

}  // namespace

PanelDrawing DrawPanel(const std::string& tag, double width, double height, int edge, bool gauge,
                       const TextWidthFn& textWidth, double textHeight) {
    PanelDrawing out;
    out.edge = edge;
    const double offset = edge == kEdgeSunken ? 1 : 0;
    bool print = true;
    if (gauge) {
        const double fraction = std::clamp(Val(tag) / 100, 0.0, 1.0);
        out.filled = true;
        if (height > width) {
            out.fillLeft = 0;
            out.fillTop = height - fraction * height;
            out.fillRight = width;
            out.fillBottom = height;
        } else {
            out.fillRight = fraction * width;
            out.fillBottom = height;
        }
        print = !tag.empty() && tag.back() == '%';
    }
    if (print) PrintCaption(out, tag, width, height, offset, textWidth, textHeight);
    return out;
}

}  // namespace kv
