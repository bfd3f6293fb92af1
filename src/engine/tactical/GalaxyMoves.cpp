#include "engine/tactical/GalaxyMoves.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/computer/Displays.h"
#include "engine/tactical/CloakedShips.h"
#include "engine/tactical/HostileCells.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// The Zarvoni starbase, away from the player, takes in a ship (strength spent on it) or sends
// one out, within its dock of six.
void ZarvoniBaseAway(Game& g, int qr, int qc) {
    GameState& s = g.st;
    Integer& code = s.Galaxy[qr][qc];
    if (s.ZarvoniBase[1] != qr || s.ZarvoniBase[2] != qc || IsShipQuadrant(s, qr, qc) || code <= 99 ||
        s.ZarvoniBase[0] != 0 || s.ZarvoniBase[5] <= 0 || !(g.Rnd() > 0))
        return;
    const int t = static_cast<int>(Int(g.RndExact() * 3 - 1));
    code = static_cast<Integer>(code + 100 * t);
    s.ZarvoniBaseShips = static_cast<Integer>(s.ZarvoniBaseShips - t);
    if (t == -1)
        s.ZarvoniBase[5] = std::max<Long>(0, s.ZarvoniBase[5] - static_cast<Long>(Int(g.RndExact() * 1000 + 1001)));
    if (code > 999 || s.ZarvoniBaseShips < 0) {
        code = static_cast<Integer>(code - 100);
        ++s.ZarvoniBaseShips;
    }
    if (code < 0 || s.ZarvoniBaseShips > 6) {
        code = static_cast<Integer>(code + 100);
        --s.ZarvoniBaseShips;
    }
}

// A starbase under attack may destroy one attacker; the player hears of it when the base had
// called for help and the quadrant is charted. The chance is drawn even with no attackers, so
// that the walk's draws do not depend on what the galaxy holds.
void AttackCheck(Game& g, int qr, int qc) {
    GameState& s = g.st;
    Integer& code = s.Galaxy[qr][qc];
    const int n = QuadZarvoniCount(code);
    const bool hit = g.Rnd() < 0.3f;
    if (!hit || n <= 0) return;
    code = static_cast<Integer>(code - 100);
    if (s.KnownGalaxy[qr][qc] <= 0) return;
    s.KnownGalaxy[qr][qc] = code;
    const int b = QuadStarbaseNumber(code);
    if (b < 1 || b > 3 || s.StarbaseFlags[b] == 0) return;

    PlaySound(g, "MESSAGE.WAV");
    s.KnownGalaxy[qr][qc] = code;
    UpdateGalaxyRecord(g);
    PrintOutput(g, "");
    std::vector<std::string> lines{g.Text("KVBASIC0215") + Str(b) + g.Text("KVBASIC0216"),
                                   g.Text("KVBASIC0217") + Str(qr) + " ," + Str(qc) + " :", g.Text("KVBASIC0218")};
    if (code < 100) {
        // The last attacker has fallen: the call for help is over.
        lines.push_back(g.Text("KVBASIC0219"));
        s.StarbasesLost = Clamp16(s.StarbasesLost + 1LL);
        s.StarbaseFlags[b] = 0;
    } else {
        lines.push_back(g.Text("KVBASIC0220"));
    }
    for (const auto& line : lines) PrintOutput(g, line);
    PrintOutput(g, "");
    const std::string& nl = s.NewLine;
    MessageBox(g, -1, lines[0] + nl + lines[1] + nl + lines[2] + nl + lines[3], 0);
}

// The quadrant row or column Zarvoni ships head for from q: towards their starbase's `baseQ`
// when the player's ship is there or holds the base, else a random neighbour.
int Destination(Game& g, int q, long baseQ) {
    const GameState& s = g.st;
    const bool shipAtBase = IsShipQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2]);
    const bool drawnToBase = g.Rnd() > 0.4f;
    const double held = s.ZarvoniBaseStrength != 0 ? static_cast<double>(s.ZarvoniBase[5]) / s.ZarvoniBaseStrength : 0;
    const bool drawnToCaptured = g.Rnd() > held + 0.2;
    int d;
    // A destroyed base has no quadrant to head for.
    if (((shipAtBase && drawnToBase) || (drawnToCaptured && s.ZarvoniBase[0] != 0)) && InGrid(baseQ))
        d = q + Sgn(baseQ - q);
    else
        d = q + static_cast<int>(Int(g.RndExact() * 3 - 1));
    return WrapQuadrant(d);
}

// Some of the quadrant's Zarvoni ships move to a neighbouring quadrant. Above the lowest skill
// every quadrant draws how many go (never more than it has), the player's own too, and
// the player's quadrant keeps its ships.
void MoveZarvoniGroup(Game& g, int qr, int qc) {
    GameState& s = g.st;
    if (s.SkillLevel <= 1) return;
    Integer& code = s.Galaxy[qr][qc];
    const int n = code < 0 ? 0 : QuadZarvoniCount(code);
    const int k = static_cast<int>(Int(g.RndExact() * (n + 4.99) - 4));
    if (k <= 0 || IsShipQuadrant(s, qr, qc)) return;
    code = static_cast<Integer>(code - 100 * k);
    const int dr = Destination(g, qr, s.ZarvoniBase[1]);
    const int dc = Destination(g, qc, s.ZarvoniBase[2]);
    Integer& dest = s.Galaxy[dr][dc];
    if (dest >= 0 && !IsShipQuadrant(s, dr, dc)) {
        dest = static_cast<Integer>(dest + 100 * k);
        if (dest > 900) {
            // No room: the move is undone.
            dest = static_cast<Integer>(dest - 100 * k);
            code = static_cast<Integer>(code + 100 * k);
        }
    } else {
        code = static_cast<Integer>(code + 100 * k);
    }
}

}  // namespace

void MoveAcrossGalaxy(Game& g) {
    GameState& s = g.st;
    for (int qr = 1; qr <= 8; ++qr) {
        for (int qc = 1; qc <= 8; ++qc) {
            ZarvoniBaseAway(g, qr, qc);
            const int code = s.Galaxy[qr][qc];
            const bool capturedBase = s.ZarvoniBase[1] == qr && s.ZarvoniBase[2] == qc && s.ZarvoniBase[0] != 0;
            if (!IsShipQuadrant(s, qr, qc) && code >= 0 && (code % 100 > 9 || capturedBase)) {
                // The ships besieging a base stay where they are.
                AttackCheck(g, qr, qc);
                continue;
            }
            MoveZarvoniGroup(g, qr, qc);
            MoveCloakedShipsFrom(g, qr, qc);
        }
    }
}

}  // namespace kv
