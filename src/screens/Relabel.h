#pragma once
// The relabelling of every window at start: the language's texts on the captions, labels,
// frames, check boxes, option buttons, menu items, tabs, list items, panel tags and tool tips
// of the game's windows, in one fixed run (the table below, in its order: where a control gets
// two texts the later one stays), then the language's fonts in place of the design fonts.
//
// The windows find each control by its object name: the control's name, with the element in
// parentheses for a control array or a numbered menu item ("optShLevel(1)", "mnuGame(100)");
// an empty name is the window itself.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "state/Game.h"

namespace kv {

enum class LabelProperty {
    Caption,     // the caption or text (the window's own caption for an empty control name)
    HiddenText,  // a label's hidden text that its window types out later (its Tag)
    Tag,         // a panel's Tag, which the panel painter draws as its caption
    ToolTip,     // a button's tool tip
    TabCaption,  // the caption of tab `index` (from 1) of a tab strip
    ListItem,    // item `index` (from 0) of a combo box's list
};
const char* Name(LabelProperty property);

struct RelabelRow {
    Form window;
    std::string control;
    LabelProperty property;
    int index;  // the tab or list item; 0 otherwise
    std::string key;
};

// The run, row by row in its order: one language lookup per row.
const std::vector<RelabelRow>& RelabelTable();
inline constexpr int kRelabelLookups = 354;

struct LabelAssignment {
    Form window;
    std::string control;
    LabelProperty property;
    int index;
    std::string text;
    bool operator==(const LabelAssignment&) const = default;
};

// Every assignment of the run for the windows that exist, each text fetched as it is used
// (a missing key gives an empty text), followed by the closing ones: the final report's title
// takes the ship's prefix and the five bar labels are emptied. Rows of other windows are
// skipped. `step` runs once per row of the table, skipped or not.
std::vector<LabelAssignment> RelabelAssignments(Game& g, const std::function<bool(Form)>& windowExists,
                                                const std::function<void()>& step = {});

// The font a design font gives way to: the window's own font only when it is "MS Sans Serif";
// a control's "MS Sans Serif" or "Arial" the language's font, "Times New Roman" its serif font.
// Names compare exactly; any other font stays (nothing).
std::optional<std::string> ReplacementFont(const std::string& current, bool isWindow, const std::string& font,
                                           const std::string& serifFont);

// What the windows do for the run.
class RelabelSurface {
public:
    virtual ~RelabelSurface() = default;
    virtual bool WindowExists(Form window) = 0;
    virtual void Assign(const LabelAssignment& assignment) = 0;
    // The loading window: its two labels' font, then (only when "Loading" has a text) its texts,
    // the language name placed 60 twips after the "Loading" text, the bar at 0 of `maximum`, and
    // the window shown and painted at once.
    virtual void SetLoadingFont(const std::string& font) = 0;
    virtual void ShowLoading(const std::string& loading, const std::string& language, int maximum) = 0;
    virtual void SetProgress(int value) = 0;
    // The font pass over every window that exists (ReplacementFont; the about window's controls
    // are left alone, its drawing surface takes `font`).
    virtual void ReplaceFonts(const std::string& font, const std::string& serifFont) = 0;
    virtual void BringBackgroundToFront() = 0;
    virtual void ProcessEvents() = 0;
};

// The whole run: the loading window, the relabelling (skipped, with every design text kept,
// when the language has no "Loading" text), the font pass, the background to the front, and
// a wait that makes the run last at least 2 seconds from its start.
void ApplyLanguage(Game& g, RelabelSurface& surface);

// The language name's left edge beside the "Loading" text (twips).
inline double LanguageNameLeft(double loadingLeft, double loadingWidth) { return loadingLeft + loadingWidth + 60; }

}  // namespace kv
