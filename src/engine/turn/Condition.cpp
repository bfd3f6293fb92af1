#include "engine/turn/Condition.h"

#include <cstdlib>

#include "engine/computer/Displays.h"
#include "engine/tactical/ShipSystems.h"
#include "state/Numeric.h"
#include "state/ShipValues.h"

namespace kv {
namespace {

// "On" and "off" colours of the lamps: red lamps 1, 2, 3, 6, green lamps 4 and 5.
Long LampOnColor(int lamp) { return lamp == 4 || lamp == 5 ? 0xC000 : 0xFF; }
Long LampOffColor(int lamp) { return lamp == 4 || lamp == 5 ? 0x4000 : 0x80; }

// Hostiles that share the ship's quadrant: cloaked ships, Zarvoni ships with energy, the Morv
// ship.
int HostilesInShipQuadrant(const GameState& s) {
    const int r = s.ShipQuadrantRow, c = s.ShipQuadrantCol;
    if (!InGrid(r) || !InGrid(c)) return 0;
    int count = s.CloakedPerQuadrant[r - 1][c - 1];
    for (int i = 1; i <= 10; ++i)
        if (s.ZarvoniEnergy[i] > 0) ++count;
    if (s.MorvShip[1] == r && s.MorvShip[2] == c) ++count;
    return count;
}

}  // namespace

void SetCondition(Game& g, long index) { StoreCondition(g.st, index); }

void UpdateCondition(Game& g) {
    GameState& s = g.st;
    if (s.ConditionIndex != kRed) s.RedAlertSounded = kFalse;
    if (s.ConditionIndex != kYellow) s.YellowAlertSounded = kFalse;

    if (s.ConditionIndex != kDocked) SetCondition(g, kGreen);
    // Energy low: shields and free energy together below a tenth of the capacity.
    if (static_cast<double>(s.MaxEnergy) * 0.1 >
        static_cast<double>(static_cast<long long>(s.ShieldLevel) + s.ShipEnergy))
        SetCondition(g, kYellow);
    if (s.Docked) SetCondition(g, kDocked);

    const int r = s.ShipQuadrantRow, c = s.ShipQuadrantCol;
    const bool hostileBaseHere =
        s.ZarvoniBase[1] == r && s.ZarvoniBase[2] == c && s.ZarvoniBase[0] == 0 && s.ZarvoniBase[5] >= 0;
    if (HostilesInShipQuadrant(s) > 0 || hostileBaseHere) SetCondition(g, kRed);

    int colour = 2;
    switch (s.ConditionIndex) {
        case kDocked: colour = 9; break;
        case kGreen:
            colour = 2;
            if (s.ShieldLevel > 0 && !s.ShieldsChanged) LowerShields(g);
            break;
        case kRed:
            colour = 4;
            if (!s.RedAlertSounded) {
                SoundRedAlert(g);
                s.RedAlertSounded = kTrue;
            }
            break;
        default:  // yellow
            colour = 14;
            if (!s.YellowAlertSounded) {
                PlaySound(g, "YELLOW.WAV");
                Pause(g, 0.7);
                s.YellowAlertSounded = kTrue;
                if (s.ShieldLevel > 0 && !s.ShieldsChanged) LowerShields(g);
            }
            break;
    }
    s.ConditionColour = static_cast<Integer>(colour);
    s.ConditionTextColour = colour == 14 ? 0 : 15;
    s.ConditionCaption = s.ConditionText;
    g.host.Refresh(View::Condition);

    // A starbase of this quadrant that called for help is relieved once the condition is not
    // red. Its number is the tens digit of the quadrant's code.
    if (!InGrid(r) || !InGrid(c)) return;
    const std::string digits = Str(static_cast<long>(s.Galaxy[r][c]) + 2000);
    const int n = digits.size() >= 4 ? digits[3] - '0' : 0;
    if (s.ConditionIndex != kRed && n >= 1 && n <= 3 && s.StarbaseFlags[n]) {
        s.StarbaseFlags[n] = 0;
        s.StatCounterF = Clamp16(static_cast<long long>(s.StatCounterF) + 1);
        MessageIfEnabled(g, 13, g.Text("KVGAME0094") + Str(n) + g.Text("KVGAME0095"));
    }
}

void SetStatusItem(Game& g, int lamp, int state) {
    if (lamp < 1 || lamp > 6) return;
    const bool on = state != 0;
    g.st.LampBackColor[lamp] = on ? LampOnColor(lamp) : LampOffColor(lamp);
    g.st.LampForeColor[lamp] = on ? 0xFFFFFF : 0xC0C0C0;
    g.host.Refresh(View::Lamps);
}

bool GetStatusItem(const GameState& st, int lamp) {
    if (lamp < 1 || lamp > 6) return false;
    return st.LampBackColor[lamp] == LampOnColor(lamp);
}

void MessageIfEnabled(Game& g, int slot, const std::string& text) {
    const bool switchedOff = slot >= 0 && slot <= 50 && g.MessageSuppressed[slot];
    if (!switchedOff) PrintOutput(g, text);
    MessageBox(g, slot, text, 0);
}

void ShowStarbaseStatus(Game& g) {
    GameState& s = g.st;
    if (s.TurnPassedWarp == 1) {
        const int r = s.ShipQuadrantRow, c = s.ShipQuadrantCol;
        if (s.QuadStarbase > 0 && s.QuadStarbase <= 3) {
            const double full = s.MaxStarbaseStrength;
            const long pct = full != 0 ? CLng(static_cast<double>(s.Starbases[3][s.QuadStarbase]) / full * 100.0) : 0;
            s.StarbaseLine = g.Text("KVGAME0033") + Str(pct) + "%";
        } else if (s.ZarvoniBase[1] == r && s.ZarvoniBase[2] == c) {
            const double full = s.ZarvoniBaseStrength;
            const long pct = full != 0 ? CLng(static_cast<double>(s.ZarvoniBase[5]) / full * 100.0) : 0;
            s.StarbaseLine = g.Text("KVGAME0034") + Str(pct) + "%";
        } else {
            s.StarbaseLine = QuadrantSituationText(g);
        }
    }
    s.LastTurnPassedWarp = s.TurnPassedWarp;
    g.host.Refresh(View::StarbaseLine);
}

void FlashSRS(Game& g, int row, int col) {
    if (!InGrid(row) || !InGrid(col)) return;
    const int size = g.host.Scan().SectorCellPixels();
    // One ring at a time, growing by a tenth of the cell (at least a pixel) to half the cell.
    const int step = size / 10 >= 1 ? size / 10 : 1;
    for (int k = 1; k <= size / 2; k += step) {
        g.host.Scan().DrawFlashRing(row, col, k, k % 2 != 0 ? 12 : 14);
        Pause(g, 0.01);
    }
    Pause(g, 0.5);
    g.host.Scan().DrawSector(row, col, 0);
    g.host.Scan().EndFlash(row, col);
}

void SoundRedAlert(Game& g) {
    PlaySound(g, "RED.WAV");
    Pause(g, 0.5);
}

}  // namespace kv
