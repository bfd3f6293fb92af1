// Responses to planet messages and the room map: the offered responses with their icons and
// action buttons, the chosen response, and the map that grows one cell per room entered.
#include <algorithm>

#include "datafiles/SolarSystemFiles.h"
#include "engine/computer/Displays.h"
#include "explore/Console.h"
#include "explore/ConsoleText.h"
#include "state/Numeric.h"

namespace kv {

using namespace console;

namespace {

const char* const kDirections[4] = {"North", "East", "South", "West"};

// The text after a marker ("*M", "*R") up to the next "*"; "" without the marker.
std::string MarkedCode(const std::string& text, const std::string& marker, bool& found) {
    const size_t at = text.find(marker);
    found = at != std::string::npos;
    if (!found) return "";
    const std::string rest = text.substr(at + marker.size());
    return rest.substr(0, rest.find('*'));
}

// The icon of a response that leads to a room next to the current one (PendingAction): 0 the
// room one row up, 1 one column right, 2 one row down, 3 one column left; -1 otherwise.
int NeighbourIcon(const std::string& roomCode, const std::string& currentRoom) {
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string name, currentName;
    if (ParseRoomCode(roomCode, x, y, name).empty()) return -1;
    const std::string fmt = ParseRoomCode(currentRoom, cx, cy, currentName);
    if (fmt.empty()) return -1;
    const int dx[4] = {0, 1, 0, -1};
    const int dy[4] = {-1, 0, 1, 0};
    for (int side = 0; side < 4; ++side)
        if (roomCode == currentName + Format(cx + dx[side], fmt) + Format(cy + dy[side], fmt)) return side;
    return -1;
}

int VisibleActions(const ConsoleState& c) {
    return static_cast<int>(
        std::count_if(c.Actions.begin(), c.Actions.end(), [](const ActionButton& a) { return a.Visible; }));
}

int NewRoomCell(ConsoleState& c) {
    RoomCell cell;
    cell.Place.Width = c.Rooms[0].Place.Width;
    cell.Place.Height = c.Rooms[0].Place.Height;
    c.Rooms.push_back(cell);
    return static_cast<int>(c.Rooms.size()) - 1;
}

void ShowMarkerOn(ConsoleState& c, int cell) {
    c.CurrentRoom = cell;
    CentreInContainer(c, c.picYouAreHere, &c.Rooms[cell]);
    c.picYouAreHere.Visible = true;
    CenterMap(c);
}

// The move to the side of the chosen move button.
void MoveOnMap(ConsoleState& c, int side) {
    RoomCell& current = c.Rooms[c.CurrentRoom];
    if (c.PendingAction == current.Tag) {
        // The response left the party where it was: that way is locked.
        current.Door[side] = kDoorLocked;
        CenterMap(c);
        return;
    }
    int cell = FindRoomByTag(c, c.PendingAction);
    if (!current.Tag.empty() && cell < 0 && c.MapActionOffered)
        cell = NewRoomCell(c);
    else
        CenterMap(c);
    if (cell < 0) return;
    const Placement from = c.Rooms[c.CurrentRoom].Place;
    Placement& to = c.Rooms[cell].Place;
    to.Left = from.Left;
    to.Top = from.Top;
    switch (side) {
        case 0: to.Top -= c.Rooms[0].Place.Height; break;
        case 1: to.Left += c.Rooms[0].Place.Width; break;
        case 2: to.Top += c.Rooms[0].Place.Height; break;
        default: to.Left -= c.Rooms[0].Place.Width; break;
    }
    to.Visible = true;
    c.Rooms[c.CurrentRoom].Door[side] = kDoorOpen;
    ShowMarkerOn(c, cell);
}

// A room reached without a move (an action, a message's own room code).
void ArriveOnMap(ConsoleState& c) {
    const RoomCell& current = c.Rooms[c.CurrentRoom];
    if (c.PendingAction == current.Tag || !c.MapActionOffered) {
        CenterMap(c);
        return;
    }
    int cell = FindRoomByTag(c, c.PendingAction);
    if (!current.Tag.empty() && cell < 0) {
        const std::string currentTag = current.Tag;
        cell = NewRoomCell(c);
        int x = 0, y = 0, rx = 0, ry = 0;
        std::string name, currentName;
        ParseRoomCode(currentTag, rx, ry, currentName);
        ParseRoomCode(c.PendingAction, x, y, name);
        c.RoomX = static_cast<Integer>(rx);
        c.RoomY = static_cast<Integer>(ry);
        if (currentName != name) c.RoomX = c.RoomY = -1;
        const Placement from = c.Rooms[c.CurrentRoom].Place;
        Placement& to = c.Rooms[cell].Place;
        if (c.RoomX >= 0 && x >= 0) {
            to.Top = from.Top + (y - c.RoomY) * c.Rooms[0].Place.Height;
            to.Left = from.Left + (x - c.RoomX) * c.Rooms[0].Place.Width;
        } else {
            to.Top = from.Top + 5;
            to.Left = from.Left + 5;
        }
        to.Visible = true;
    } else {
        CenterMap(c);
    }
    if (cell >= 0) ShowMarkerOn(c, cell);
}

}  // namespace

void SetupActions(Game& g, int index) {
    ConsoleState& c = g.console;
    const GameState& s = g.st;
    if (index < 1 || index >= static_cast<int>(c.ResponseCodes.size())) return;
    const PlanetEntry* planet = OrbitEntry(g);
    std::string text = c.ResponseCodes[index];
    if (text.empty()) return;

    ReplaceFirst(text, "%RK", s.CaptainName);
    ReplaceFirst(text, "%NM", s.ConfigName);
    ReplaceFirst(text, "%AN", s.AlienNames[AlienNameIndex(planet != nullptr ? planet->PlanetValue4 : 0)]);
    ReplaceFirst(text, "%MV", s.StrongEnemyText);
    ReplaceFirst(text, "%ZL", s.EnemyText);

    int icon = -1;
    bool found = false;
    const std::string action = MarkedCode(text, "*M", found);
    if (found) {
        if (action == "BeamUp") icon = 4;
        if (EndsWith(action, "Search")) icon = 5;
        if (EndsWith(action, "Tri")) icon = 6;
    }
    const std::string room = MarkedCode(text, "*R", found);
    if (found) {
        const int side = NeighbourIcon(room, c.PendingAction);
        if (side >= 0) icon = side;
    }

    text = text.substr(0, text.find('*'));
    for (int side = 0; side < 4; ++side) {
        const std::string word = kDirections[side];
        const std::string local = g.Text(word);
        if (FindNoCase(text, word) != std::string::npos || FindNoCase(text, local) != std::string::npos) icon = side;
    }
    while (StartsWith(text, "%")) {
        const std::string code = text.substr(1, 2);
        if (!TestMessageCode(g, code)) {
            text.clear();
            break;
        }
        if (code.size() == 2 && code[0] == 'G') {
            switch (code[1]) {
                case 'N': icon = 0; break;
                case 'E': icon = 1; break;
                case 'S': icon = 2; break;
                case 'W': icon = 3; break;
                case '-': icon = -1; break;
                default: break;
            }
        }
        text = text.size() > 3 ? text.substr(3) : std::string();
    }
    if (text.empty()) return;

    c.RespondOptions.push_back({index, text});
    if (icon >= 0) {
        ShowMap(g, true);
        c.MapActionOffered = kTrue;
    }
    if (!c.MapMode) return;
    // A move uses the button of its side; a response without an icon, or whose icon button
    // already answers another response, gets a button of its own.
    int button = -1;
    if (icon >= 0 && icon < kActionIcons && c.Actions[icon].Tag.empty()) {
        button = icon;
    } else {
        c.Actions.emplace_back();
        button = static_cast<int>(c.Actions.size()) - 1;
    }
    ActionButton& b = c.Actions[button];
    b.Row = VisibleActions(c);
    b.Icon = icon;
    b.Tag = CStr(static_cast<long long>(index));
    b.Caption = text;
    b.Visible = true;
}

void ShowResponses(Game& g) {
    ConsoleState& c = g.console;
    int count = 0;
    for (;;) {
        // The responses offered now replace those offered before: a move button still holding
        // an earlier response would make every response of the room appear twice.
        ResetActions(c);
        c.MapActionOffered = kFalse;
        c.RespondSendEnabled = true;
        c.RespondTag.clear();
        c.RespondOptions.clear();
        const int offered =
            static_cast<int>(RoundedValue(GetMessage(g, "Responses" + c.PendingAction, c.OrbitPlanet), 0, 32767));
        c.ResponseCodes.assign(1, std::string());
        const Flag mapBefore = c.MapMode;
        bool restart = false;
        count = 0;
        for (int i = 1; i <= offered; ++i) {
            std::string entry =
                GetMessage(g, "Response" + c.PendingAction + CStr(static_cast<long long>(i)), c.OrbitPlanet);
            if (entry.empty()) continue;  // an empty entry is not offered
            c.ResponseCodes.push_back(entry);
            ++count;
            SetupActions(g, count);
            if (c.MapMode != mapBefore) {
                ResetActions(c);
                restart = true;
                break;
            }
        }
        if (!restart) break;
    }
    c.cmdRespondCaption = CStr(static_cast<long long>(count));
    if (c.MapMode) {
        if (c.ChosenAction >= 0 && c.ChosenAction <= 3)
            MoveOnMap(c, c.ChosenAction);
        else
            ArriveOnMap(c);
        RoomCell& here = c.Rooms[c.CurrentRoom];
        for (int side = 0; side < 4; ++side)
            if (here.Door[side] == kDoorWall && !c.Actions[side].Tag.empty()) here.Door[side] = kDoorClosed;
        if (c.MapActionOffered) here.Tag = c.PendingAction;
        if (count == 0) c.picYouAreHere.Visible = false;
        // The chosen action has been walked; a later update (another beam, an ignored
        // message) is no move of its own.
        c.ChosenAction = -1;
    }
    g.host.Refresh(View::SSConsole);
}

void ProcessResponse(Game& g) {
    GameState& s = g.st;
    ConsoleState& c = g.console;
    if (c.OrbitPlanet == 0) return;
    const int chosen = static_cast<int>(RoundedValue(c.RespondTag, -1, 32767));
    if (chosen < 1 || chosen >= static_cast<int>(c.ResponseCodes.size())) return;
    c.ChosenAction = -1;
    for (size_t i = 0; i < c.Actions.size(); ++i) {
        if (!c.Actions[i].Tag.empty() && Val(c.Actions[i].Tag) == chosen) {
            c.ChosenAction = static_cast<Integer>(i);
            break;
        }
    }
    ResetActions(c);
    s.ScoreEligible = VerifyMessageFiles(g, c.CurrentSystem.DescriptorName, c.OrbitPlanet) && s.ScoreEligible;

    std::string code = c.ResponseCodes[chosen];
    while (StartsWith(code, "%")) code = code.size() > 3 ? code.substr(3) : std::string();
    c.MessageSection = c.PendingAction;
    std::string part;
    while (NextCode(code, part)) {
        PlanetCombat(g, part);
        s.InSolarSystem = kFalse;
        if (!s.GameRunning) return;
    }
    EndMessage(g);
    c.MessageStep = 0;
    g.SetTimer(Timer::frmSSControl_tmrMessage, true);
}

// ---- The room map -------------------------------------------------------------------------------

std::string ParseRoomCode(const std::string& code, int& x, int& y, std::string& name) {
    const size_t n = code.size();
    if (n >= 2 && Val(code.substr(n - 2)) > 0) {
        if (n >= 4 && Val(code.substr(n - 4)) > 0) {
            x = static_cast<int>(Val(code.substr(n - 4, 2)));
            y = static_cast<int>(Val(code.substr(n - 2)));
            name = code.substr(0, n - 4);
            return "00";
        }
        x = static_cast<int>(Val(code.substr(n - 2, 1)));
        y = static_cast<int>(Val(code.substr(n - 1, 1)));
        name = code.substr(0, n - 2);
        return "0";
    }
    x = y = -1;
    name = code;
    return "";
}

int FindRoomByTag(const ConsoleState& c, const std::string& code) {
    for (size_t i = 0; i < c.Rooms.size(); ++i)
        if (c.Rooms[i].Tag == code) return static_cast<int>(i);
    return -1;
}

void CenterMap(ConsoleState& c) {
    c.picMap.Left = c.pnlBackWidth / 2 - c.picYouAreHere.Left - c.picYouAreHere.Width / 2;
    c.picMap.Top = c.pnlBackHeight / 2 - c.picYouAreHere.Top - c.picYouAreHere.Height / 2;
}

void ShowMap(Game& g, bool on) {
    ConsoleState& c = g.console;
    if ((c.MapMode != 0) == on) return;
    ResetMap(c);
    if (on)
        ResetActions(c);
    else
        ResetMap(c);
    c.MapMode = ToFlag(on);
    g.host.Refresh(View::SSConsole);
}

void ResetActions(ConsoleState& c) {
    c.Actions.assign(kActionIcons, ActionButton{});
    for (int i = 0; i < kActionIcons; ++i) c.Actions[i].Icon = i;
}

void ResetMap(ConsoleState& c) {
    c.picMap.Left = c.pnlBackWidth / 2 - c.picMap.Width / 2;
    c.picMap.Top = c.pnlBackHeight / 2 - c.picMap.Height / 2;
    c.Rooms.resize(1);
    RoomCell& first = c.Rooms[0];
    first.Door.fill(kDoorWall);
    first.Tag.clear();
    first.Place.Visible = true;
    CentreInContainer(c, first.Place, nullptr);
    CentreInContainer(c, c.picYouAreHere, nullptr);
    c.CurrentRoom = 0;
    c.picYouAreHere.Visible = true;
}

void CentreInContainer(ConsoleState& c, Placement& control, const RoomCell* cell) {
    if (cell != nullptr) {
        control.Left = cell->Place.Left + cell->Place.Width / 2 - control.Width / 2;
        control.Top = cell->Place.Top + cell->Place.Height / 2 - control.Height / 2;
    } else {
        control.Left = c.picMap.Width / 2 - control.Width / 2;
        control.Top = c.picMap.Height / 2 - control.Height / 2;
    }
}

}  // namespace kv
