#pragma once
// The exploration console's state: the copy of the visited star system, the console's own
// variables (orbit, the running planet message, the situation and its responses, the room map)
// and what its windows show (panel texts, buttons, the responses dialog's options, the action
// buttons, the room cells). The game owns one (Game::console); the engine procedures of the
// console (explore/Console.h) change it and the windows only show it.
//
// Geometry is in twips (15 to a pixel), in the coordinates of the control that holds it: the
// star picture and the planets in the system picture, the room cells and the marker on the map
// picture, the map picture in the map panel.
#include <array>
#include <string>
#include <vector>

#include "state/GameState.h"
#include "state/Options.h"

namespace kv {

// Icon cells of the action picture strip: 0 North, 1 East, 2 South, 3 West, 4 beam up,
// 5 search, 6 the "Tri" action.
inline constexpr int kActionIcons = 7;
// MessageStep while no planet message runs (65535 as an unsigned 16-bit value).
inline constexpr Integer kNoMessageStep = -1;
// Room doors, sides 0..3 North, East, South, West.
enum DoorState : Long { kDoorWall = 0, kDoorOpen = 1, kDoorClosed = 2, kDoorLocked = 3 };

// The system picture and the star picture in it.
inline constexpr Long kSystemPictureSize = 6000;
inline constexpr Long kStarPictureSize = 960;
inline constexpr Long kStarPictureLeft = (kSystemPictureSize - kStarPictureSize) / 2;
inline constexpr Long kStarPictureTop = (kSystemPictureSize - kStarPictureSize) / 2;
// The map panel (the visible part of the map), the map picture inside it, a room cell
// (30 x 30 pixels) and the you-are-here marker.
inline constexpr Long kMapPanelWidth = 4500, kMapPanelHeight = 2550;
inline constexpr Long kMapPictureSize = 15000;
inline constexpr Long kRoomCellSize = 30 * kTwipsPerPixel;
inline constexpr Long kMarkerSize = 16 * kTwipsPerPixel;

// A control's place on its container.
struct Placement {
    Long Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
};

// One cell of the room map (the Room control): its room code, place and four doors.
struct RoomCell {
    std::string Tag;  // the room code, also its tooltip
    Placement Place{0, 0, kRoomCellSize, kRoomCellSize, false};
    std::array<Long, 4> Door{};  // DoorState by side
};

// An action button rcmdAction(i) with its label lblAct(i). Elements 0..kActionIcons-1 always
// exist (the move buttons 0..3 answer moves to that side); further elements exist only while
// loaded for a response without a free icon button.
struct ActionButton {
    int Icon = -1;        // the picture cell it shows (-1 none)
    std::string Tag;      // the number of the response it answers, "" none
    std::string Caption;  // the label's text
    bool Visible = false;
    int Row = 0;  // its place in the list shown, from 0 at the top
};

// An option of the responses dialog frmRespond: the element index (the response's number)
// and its caption.
struct RespondOption {
    int Index = 0;
    std::string Caption;
};

// Enabled state of the console's command buttons.
struct ConsoleButtons {
    bool cmdEnterOrbit = false, cmdLeaveOrbit = false, cmdHail = false, cmdBeam = false, cmdEnergy = false,
         cmdPhaser = false, cmdPhoton = false, cmdRecord = false;
};

struct ConsoleState {
    // ---- The visited system -----------------------------------------------------------------
    SolarSystemRecord CurrentSystem;  // a copy of the record in StarSystems, reloaded from it
    Integer SSPlanetCount = 0;
    Integer SSStarType = 0;
    std::string SSSystemName;
    // Per planet 1..10: the angle on its orbit (radians) and what the drawing takes from the
    // planet's entry: orbit radius, disc size and palette colour.
    std::array<double, 11> PlanetAngle{};
    std::array<Integer, 11> PlanetOrbitRadius{}, PlanetDrawSize{};
    std::array<Long, 11> PlanetColour{};

    // ---- The console's variables --------------------------------------------------------------
    bool Visiting = false;                                  // a visit runs: from the activation to the exit command
    Integer OrbitPlanet = 0;                                // planet in orbit, 0 none
    Integer EnergyTaken = 0;                                // allowance for drawing energy (game time), 0 none
    Integer MessageStep = kNoMessageStep;                   // 0 a new message is due, 1.. a line waits
    std::string MessageSection;                             // the message family: "Messages" & it, "Message" & it & n
    std::string PendingAction;                              // the situation: "Responses" & it, "Response" & it & n
    std::vector<std::string> ResponseCodes{std::string()};  // responses 1..count (0 unused)
    Integer ChosenAction = -1;                              // action button of the chosen response, -1 none
    Flag MapMode = kFalse;                                  // the room map is showing
    Flag BadPlanets = kTrue;                                // shade the close-ups ("/BADPLANETS" clears it)
    Flag MapActionOffered = kFalse;
    Integer RoomX = -1, RoomY = -1;

    // ---- The message queue of tmrMessage ---------------------------------------------------
    Integer TickCounter = 0, WaitTicks = 0;
    std::string CurrentLine, LineCode;

    // ---- Selection and information panel ------------------------------------------------------
    std::string SelectTag = "Star";  // shpSelect's tag: "Star" or the planet number
    bool shpSelectVisible = false;
    bool shpNoHSVisible = false;  // the data files of the planet failed verification
    std::string DrawTag;          // picDraw's tag: the planet drawn there last
    std::string lblM0Title, lblM0Text, lblM1Title, lblM1Text, lblM2Title, lblM2Text, lblLib, lblName;
    bool pnlM0Visible = false;  // the panels over the first block while a clip plays
    std::string plblM0Title, plblM0Text;
    std::string pnlOrbitingCaption;
    bool pnlOrbitingVisible = false;
    ConsoleButtons Enabled;
    std::string txtNotes;
    // A command has been carried out: the keyboard focus goes to the hidden button cmdGoat, so
    // that no command button keeps it (a key would repeat the command). The window clears it.
    bool GoatFocus = false;
    // picDraw and picSolarSystem show nothing: the console was left (or not yet used); the next
    // drawing of the system shows them again.
    bool DrawingsCleared = true;

    // ---- The message panel and the responses -------------------------------------------------
    std::string lblMessage;  // the panel's title
    std::string Message;     // the message text
    bool pnlMessageVisible = false, cmdRespondVisible = false, cmdIgnoreVisible = false;
    std::string cmdRespondCaption;              // the number of responses offered, "" none yet
    std::vector<RespondOption> RespondOptions;  // frmRespond's loaded options, in order
    std::string RespondTag;                     // frmRespond.Tag: the chosen option's index, "" none
    bool RespondSendEnabled = true;
    std::vector<ActionButton> Actions = std::vector<ActionButton>(kActionIcons);

    // ---- The room map -------------------------------------------------------------------------
    std::vector<RoomCell> Rooms = std::vector<RoomCell>(1);  // element 0 always exists
    int CurrentRoom = 0;                                     // index into Rooms
    Placement picMap{0, 0, kMapPictureSize, kMapPictureSize, true};
    Placement picYouAreHere{0, 0, kMarkerSize, kMarkerSize, false};
    Long pnlBackWidth = kMapPanelWidth, pnlBackHeight = kMapPanelHeight;

    // ---- The planet-flag display (debug mode) -------------------------------------------------
    bool pnlFlagsVisible = false;
    std::array<Long, 8> FlagColour{};  // shpFlag(0..7) fill colours (0xBBGGRR or a system colour)
};

}  // namespace kv
