#pragma once
// The short-range scan window (frmSRS): its layout for the display options, the texts it shows
// for a sector under the pointer or clicked, the picks it records in the selection frames
// (GameState::SectorFrames), and its timers. The window keeps which strip cell each sector
// cell shows and passes it in: an icon 0..13 of the strip (SrsIcon; 13 the tow icon), or
// kNotAStripCell for a picture that is none of them (a torpedo frame, no picture).
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "state/Game.h"

namespace kv {

inline constexpr int kNotAStripCell = -1;
inline constexpr int kStripCells = 14;  // the icon strip's cells, in one row

// ---- Layout (twips) --------------------------------------------------------------------------
struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipRect&) const = default;
};

struct ScanLayout {
    int scale = 1;         // 1 natural cells, 2 double size
    bool coords = false;   // the row and column numbers shown (margins 180 left, 240 top)
    long cellWidth = 0, cellHeight = 0;
    std::array<TwipRect, 64> frames{};  // rectSector, border colour QBColor 13
    std::array<TwipRect, 64> cells{};   // picSector, stretched; each reset to strip cell 0
    std::array<double, 8> coordhLeft{};  // Coordh(i) centred over column i
    std::array<double, 8> coordvTop{};   // Coordv(i) centred beside row i
    long shieldSize = 0;                 // shpShield, shpZshield, shpMshield: square
    long morvShieldSize = 0;             // shpMorvShield: square
    double coverWidth = 0, coverHeight = 0;  // shpHyperspace, from the inner area's top-left
    double outerWidth = 0, outerHeight = 0;  // frmSRS fitted around the grid
};

struct ScanLayoutInput {
    int drawOption = 0;                  // SRSDrawOption: bit 1 double size, bit 2 coordinates
    long iconWidth = 0, iconHeight = 0;  // one strip cell's natural size
    int pixelX = 15, pixelY = 15;        // twips per pixel
    double coordhWidth = 0, coordvHeight = 0;
    double frameWidth = 0, frameHeight = 0;  // the window's outer size less its inner size
};
// The grid laid out again for the display option; afterwards the window redraws the quadrant
// with SRS when a game runs (every cell shows strip cell 0 until then).
ScanLayout LayOutScan(const ScanLayoutInput& in);

// The picture files of the scan: the icon strip of the picture quality (SRSPicQual) and the
// torpedo frames; "" when the pictures folder has none (the old strip stays).
std::string ScanIconFile(const Game& g);
std::string TorpedoFramesFile(const Game& g);

// The window's place: right of the message log, at the top of a screen at most 640 pixels
// wide, else below the info window.
void PlaceScanWindow(long screenWidthPixels, double outputLeft, double outputWidth, double infoHeight, double& left,
                     double& top);

// A random picture for each of the 64 cells: one of the strip's cells 0..12 (the tow icon
// never), drawn from the cosmetic generator, so that the game's own draws stay as they were.
std::array<int, 64> RandomScanIcons(Game& g);

// ---- Texts ---------------------------------------------------------------------------------
// The description of a sector for the information box: by the sector's grid code, with the
// strip cell the cell shows (11 unreadable, 3 a spent ship, 5 a visited star, 9 a detected
// cloaked ship). Nothing for a picture that is none of the strip cells.
std::optional<std::string> ScanDescription(Game& g, int cell, int icon);
// The hover label's text for the strip cell the cell shows; nothing over the ship, an empty or
// unreadable sector, the tow icon or a picture that is none of the strip cells.
std::optional<std::string> ScanHoverText(Game& g, int cell, int icon);

// ---- Pointer handlers ------------------------------------------------------------------------
// A click on a cell. With the automatic target calculator running and no pick under way: a
// click on the cell the target text names runs the calculator; any other sets the target text
// ("S" and the cell) and flashes the cell's frame for 0.2 s. Otherwise the hover label goes
// and, with no pick under way, the information box (GameState::SectorInfo) shows the cell's
// picture and description modally.
void ScanClick(Game& g, int cell, int icon);
// A double click while the automatic target calculator runs: target text, flash, calculator.
void ScanDoubleClick(Game& g, int cell);
// A mouse button pressed over a cell (button 1 left, 2 right; shift 1 Shift, 2 Ctrl). With a
// pick under way, a left click marks the cell's frame: Shift in the torpedo pick adds one
// torpedo (width 2..9, then back to 2), Ctrl in the torpedo pick with class-2 torpedoes on
// board switches a shown frame between class 1 (13) and class 2 (14), any other click toggles
// the frame (shown: width 2, colour 13); the target calculator's pick records cell + 1. With no
// pick, Ctrl+left switches the automatic target calculator on.
void ScanMouseDown(Game& g, int cell, int button, int shift);

// What the hover needs of the window: the cell's place, the window's outer size and the size
// the label takes for a text.
struct ScanHoverMetrics {
    TwipRect cell;
    double windowWidth = 0, windowHeight = 0;
    std::function<std::pair<double, double>(const std::string&)> labelSize;
};
// The pointer moves over a cell: the right button held (no pick under way) runs the automatic
// target calculator; another cell hides the label; a label already showing for this cell stays
// until its timer; otherwise the label shows the cell's hover text beside it (GameState::ScanHover)
// and its 3-second timer starts.
void ScanMouseMove(Game& g, int cell, int icon, int button, const ScanHoverMetrics& metrics);
// The hover label's place: at the cell's bottom-right corner, moved left of the cell or above it
// where it would leave the window, centred across the window when it would leave it on the left.
void PlaceHoverLabel(const TwipRect& cell, double labelWidth, double labelHeight, double windowWidth,
                     double windowHeight, double& left, double& top);
// The label's timer (and any step that hides the label at once).
void HideScanHoverLabel(Game& g);

// ---- Timers --------------------------------------------------------------------------------
// The shield ring's colour step 1..7 after `step`, and its colour (ColorTable, never entry 0).
int NextShieldStep(int step);
long ShieldRingColour(const GameState& s, int step);
// The tractor timer: the Morv ship's beam while it stands next to the ship (diagonals count):
// lines 6..9 aimed and shown, then aimed again, and the scan refreshed. Elsewhere the overlays
// are hidden. True while the beam shows.
bool MorvTractorTick(Game& g);

}  // namespace kv
