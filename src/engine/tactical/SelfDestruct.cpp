#include "engine/tactical/SelfDestruct.h"

#include <cstdlib>

#include "engine/tactical/Damage.h"
#include "engine/turn/Condition.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr const char* kAborted = "0:10";

// The seconds the countdown shows (its last two characters).
int SecondsShown(const GameState& s) {
    const std::string& t = s.SelfDestructTime;
    return CInt(Val(t.size() >= 2 ? t.substr(t.size() - 2) : t));
}

// Everything the blast takes with it in the ship's quadrant (R, C).
void Blast(Game& g) {
    GameState& s = g.st;
    const int r = s.ShipQuadrantRow, c = s.ShipQuadrantCol;
    if (InGalaxy(r, c)) TakeFromCount(s.ZarvonisLeft, static_cast<long long>(Int(s.Galaxy[r][c] / 100.0)));
    int flagged = 0;
    for (int k = 1; k <= 10; ++k) flagged += std::abs(s.ZarvoniFlags[k]);
    TakeFromCount(s.FlaggedZarvonis, flagged);

    if (s.ZarvoniBase[1] == r && s.ZarvoniBase[2] == c) {
        s.ZarvoniBaseDestroyed = 1;
        s.ZarvoniBase[5] = -1000;
        for (int i = 1; i <= 4; ++i) s.ZarvoniBase[i] = 0;
        TakeFromCount(s.ZarvonisLeft, s.ZarvoniBaseShips);
    }
    for (int b = 1; b <= 3; ++b) {
        if (s.Starbases[3][b] >= 0 && s.Starbases[1][b] == r && s.Starbases[2][b] == c) {
            ++s.StatCounterG;
            s.Starbases[1][b] = 0;
            s.Starbases[2][b] = 0;
            s.Starbases[3][b] = -1000;
        }
    }
    if (s.MorvShip[1] == r && s.MorvShip[2] == c) {
        // The blast grows with the energy and the torpedoes on board.
        const long long blast =
            3LL * (static_cast<long long>(s.ShieldLevel) + s.ShipEnergy + 10000LL * s.TorpedoStockClass1 +
                   10000LL * s.TorpedoClass2Power * s.TorpedoStockClass2 + 100000);
        const Single draw = g.Rnd();
        // A Morv ship with no strength left cannot withstand it.
        if (s.MorvStrength <= 0 || draw < static_cast<Single>(static_cast<double>(blast) / s.MorvStrength)) {
            s.MorvCountdown = 0;
            ++s.MorvShipsDestroyed;
        }
    }
}

}  // namespace

void SelfDestruct(Game& g) {
    GameState& s = g.st;
    if (MessageQuery(g, -1, g.Text("KVBASIC0026"), kYesNo + kExclamation) == kNo) return;
    g.host.ShowForm(Form::frmStatus);
    s.SelfDestructActive = kTrue;
    // The countdown window starts from ten seconds; one that never ran reads as aborted.
    s.SelfDestructTime = kAborted;
    g.host.RunModal(Form::frmDES);
    if (s.SelfDestructTime == kAborted) return;
    Blast(g);
    ZeroShipPower(g);
}

void StartSelfDestructCountdown(Game& g) {
    GameState& s = g.st;
    if (!s.SelfDestructActive) return;
    s.SelfDestructActive = kFalse;
    PlaySound(g, "DESWARN.WAV");
    s.SelfDestructTime = kAborted;
    g.SetTimer(Timer::frmDES_tmrCount, true);
    PrintOutput(g, "");
    PrintOutput(g, g.Text("DES0001"));
}

bool SelfDestructCountdownTick(Game& g) {
    GameState& s = g.st;
    const int left = SecondsShown(s) - 1;
    PlaySound(g, "COUNTDN.WAV");
    s.SelfDestructTime = "0:" + Format(left < 0 ? 0 : left, "00");
    if (left > 0) return false;
    g.SetTimer(Timer::frmDES_tmrCount, false);
    return true;
}

bool AbortSelfDestruct(Game& g) {
    GameState& s = g.st;
    if (SecondsShown(s) == 0 || g.host.IsFormVisible(Form::frmShip)) return false;
    g.SetTimer(Timer::frmDES_tmrCount, false);
    if (MessageQuery(g, -1, g.Text("DES0003"), kYesNo + kQuestion) == kYes) {
        // The countdown goes out of sight before the notice, so no frozen time stands beside it.
        g.host.HideForm(Form::frmDES);
        MessageIfEnabled(g, 7, g.Text("DES0004"));
        s.SelfDestructTime = kAborted;
        return true;
    }
    g.SetTimer(Timer::frmDES_tmrCount, true);
    return false;
}

}  // namespace kv
