#include "engine/turn/Retrofit.h"

#include "engine/computer/AutoShields.h"
#include "engine/computer/Displays.h"
#include "engine/tactical/Damage.h"
#include "engine/tactical/ShortRangeScan.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// One repair attempt on the chosen system: 15 % succeed (the use then ends this turn); of the
// failures 40 % harm the ship instead. The draws are compared with the decimal thresholds at
// full precision (a draw of 0.85f lies just above 0.85 and succeeds).
void AttemptRepair(Game& g, std::string& tag) {
    GameState& s = g.st;
    if (g.Rnd() > 0.85) {
        const int system = s.RetrofitSystem;
        if (system >= 1 && system <= 8) {
            s.SystemDamage[system] = 0;
            MessageBox(g, -1, g.Text("KVGAME0032") + s.SystemNames[system], 0);
            UpdateCommandState(g);
            UpdateGeneralReport(g);
            UpdateDamageReport(g);
            UpdateZarvoniReport(g);
            if (system == 2) SRS(g);
            if (system == 2 || system == 6 || system == 8) RaiseLowerShields(g, 0);
        }
        tag = "0";
    } else if (g.Rnd() > 0.6) {
        DamageSystem(g, 100, 0);
    }
}

}  // namespace

void ShowRetrofitSlot(Game& g, int kind, bool opening) {
    g.st.RetrofitCoverOpen[kind - 1] = opening;
    g.host.ShowRetrofitSlots(kind, opening);
}

void EndRetrofits(Game& g) {
    GameState& s = g.st;
    for (int kind = 1; kind <= 5; ++kind) {
        s.RetrofitButtonTag[kind - 1].clear();
        s.RetrofitSlots[kind] = 0;
        s.RetrofitCoverOpen[kind - 1] = false;
        s.RetrofitCoverTop[kind - 1] = 0;
    }
    s.RetrofitSystem = 0;
    s.FormVisible[static_cast<size_t>(Form::frmRetrofit)] = kFalse;
    g.SetTimer(Timer::frmRetrofit_tmrBlink, false);
    g.host.Refresh(View::RetrofitPanel);
    g.host.HideForm(Form::frmRetrofit);
}

void EnginePowerBoost(Game& g) {
    GameState& s = g.st;
    long long energy = CLng(s.MaxEnergy / 20.0 + s.ShipEnergy);
    if (s.ShieldLevel + energy > s.MaxEnergy) energy = static_cast<long long>(s.MaxEnergy) - s.ShieldLevel;
    // Shields above the capacity leave no room, but take nothing from the energy either.
    s.ShipEnergy = Clamp32(energy < 0 ? 0 : energy);
    UpdateBars(g);
}

void Retrofit(Game& g) {
    GameState& s = g.st;
    for (int kind = 1; kind <= 5; ++kind) {
        std::string& tag = s.RetrofitButtonTag[kind - 1];
        Integer& uses = s.RetrofitSlots[kind];
        if (!tag.empty()) {
            if (kind == 1) {
                EnginePowerBoost(g);
            } else if (kind == 5) {
                AttemptRepair(g, tag);
                if (!s.GameRunning) return;
            }
            const double left = Val(tag) - 1;
            tag = CStr(left);
            if (left <= 0) {
                tag.clear();
                // One use spent; a count never goes below none.
                if (uses > 0) --uses;
            }
        }
        const bool open = s.RetrofitCoverOpen[kind - 1];
        if (!open && uses > 0) ShowRetrofitSlot(g, kind, true);
        if (open && uses <= 0) {
            tag.clear();
            uses = 0;
            ShowRetrofitSlot(g, kind, false);
        }
    }
    g.host.Refresh(View::RetrofitPanel);
}

std::string RetrofitCountCaption(const GameState& st, int kind) {
    if (kind < 1 || kind > 5 || st.RetrofitSlots[kind] <= 1) return "";
    return CStr(static_cast<long long>(st.RetrofitSlots[kind]));
}

bool RetrofitIsActive(const GameState& st, int kind) {
    return kind >= 1 && kind <= 5 && !st.RetrofitButtonTag[kind - 1].empty();
}

}  // namespace kv
