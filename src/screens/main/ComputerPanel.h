#pragma once
// The computer panel frmCOM: the ship's computer's services as buttons (dock, galactic record,
// library options, computer-aimed phasers and torpedoes, target calculator), its two switches
// (automatic shields, automatic long-range scan), the phaser computer's mode label and the
// automatic target calculator's lamp. The switches and modes are game data (the Com… and Lib…
// members of GameState); the lamp's pulse is Game::screens.computer.
//
// `responding` is the command bar's test of the button (it responds while its ship system
// does); the window passes it.
#include <functional>

#include "screens/Placement.h"
#include "state/Game.h"

namespace kv {

// Dock at Starbase: docks, then the end-of-action refresh while the game runs.
void ComDockClick(Game& g);
// Galactic Record: hides the galaxy chart when it shows, else shows it brought up to date.
void ComGalacticRecordClick(Game& g);
// Library Options: shows the library-options dialog.
void ComLibOptionsClick(Game& g);
// Fire Phasers / Fire Torpedos: the computer fills the fire plan and fires it; a button that
// does not respond plays NOTRESP.WAV and nothing is fired.
void ComPhaserFireClick(Game& g, bool responding);
void ComTorpedoFireClick(Game& g, bool responding);
// Target Calculator: a long-range scan first when none was made since the last move and the
// automatic scan is on and usable (COM0001, 0.05 time units); the galaxy chart comes to the
// front; a button that does not respond only warns (message slot 5, COM0002). Then the
// calculator is prepared, `saveCalculatorState` (the calculator window's own step) runs, and
// the calculator shows.
void ComTargetCalculatorClick(Game& g, bool responding, const std::function<void()>& saveCalculatorState = {});
// The automatic long-range scan and automatic shields switches took `value` (0 or 1); the
// shields' backup keeps the player's own choice.
void ComAutoScanClick(Game& g, int value);
void ComAutoShieldsClick(Game& g, int value);
// The phaser mode label: toggles the phaser computer between disabling and killing.
void ComPhaserModeClick(Game& g);
// The calculator lamp: the player switches the automatic target calculator on ("Manual"), or
// takes it back to automatic while it runs.
void ComCalculatorLampClick(Game& g);
// A tick of the lamp's timer (50 ms while the automatic target calculator runs): the lamp
// pulses between green levels 127 and 255 in 64 ticks. Returns its colour (0xBBGGRR).
Long ComLampTick(Game& g);
// A click on the panel's background: a hint (COM0003, COM0004).
void ComBackgroundClick(Game& g);

// What the panel shows: its four damage-bound buttons (command-state colours), its two switches
// (ticked, usable, text colour 0xBBGGRR), the phaser computer's mode caption and whether its
// panel shows, and the calculator lamp: shown while the computer can aim; while the automatic
// target calculator runs it pulses green with a flat edge, at rest it is a raised panel in the
// button face.
struct ComSwitchLook {
    bool checked = false, enabled = true;
    Long foreColour = 0;
    bool operator==(const ComSwitchLook&) const = default;
};
struct ComputerPanelLook {
    ButtonLook targetCalculator, dockAtStarbase, phaserFire, torpedoFire;
    ComSwitchLook autoShields, autoScan;  // chkSHE, chkLRS
    std::string phaserMode;               // pnlPK
    bool phaserModeEnabled = true;        // pnlPKHolder (shown either way)
    bool lampEnabled = true;              // pnlTC (shown either way)
    bool lampRunning = false;             // the automatic target calculator is on: flat edge
    long lampColour = kButtonFace;        // the pulse (0xBBGGRR) while running, else kButtonFace
};
ComputerPanelLook PaintComputerPanel(Game& g);
// True when a button of the panel does not respond: disabled, or coloured by damage.
bool ComButtonIsOff(const ButtonLook& look);

// Where the panel stands (twips): centred under the command bar; on a screen wider than 801
// pixels it hangs 10 pixels below the bar, else its bottom lines up with the bar's bottom.
WindowPosition ComputerPanelPosition(long barLeft, long barTop, long barWidth, long barHeight, long width, long height,
                                     long screenWidthPixels);

}  // namespace kv
