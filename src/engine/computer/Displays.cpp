#include "engine/computer/Displays.h"

#include <utility>

#include "engine/computer/Course.h"
#include "engine/turn/PaceBonus.h"
#include "engine/turn/Score.h"
#include "platform/Strings.h"
#include "state/DisplayData.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// Palette colours of the displays.
constexpr Integer kBlack = 0, kGreen = 2, kCyan = 3, kBrown = 6, kLightRed = 12, kYellow = 14;
// The level colours of a status bar: empty, up to a third, up to two thirds, above.
constexpr Integer kLevelColour[4] = {kBlack, kLightRed, kYellow, kGreen};

// a / b, or 0 when b is 0 (a display shows an empty gauge rather than dividing by zero).
Single Share(double a, double b) { return b == 0 ? 0.0f : static_cast<Single>(a / b); }

// A figure as the report prints it: the row, a blank, a comma and the column with the blank
// Str gives a number that is not negative ("3 , 5").
std::string RowCommaCol(long row, long col) { return CStr(static_cast<long long>(row)) + " ," + Str(col); }

// The whole percentage of strength in full, as the report prints it for the player's bases
// ("100%").
std::string Percent(double strength, double full) {
    const long pct = full == 0 ? 0 : CLng(strength / full * 100.0);
    return CStr(static_cast<long long>(pct)) + "%";
}

// The percentage unrounded, as the report prints it for the hostile base ("25.3333333333333%").
std::string ExactPercent(double strength, double full) {
    return Trim(Str(full == 0 ? 0.0 : strength / full * 100.0)) + "%";
}

// True when the player's chart holds the true code of the quadrant (one outside the tables
// never matches).
bool ChartMatches(const GameState& s, long qr, long qc) {
    return qr >= 0 && qr <= 8 && qc >= 0 && qc <= 8 && s.KnownGalaxy[qr][qc] == s.Galaxy[qr][qc];
}

bool HostileShipsIn(const GameState& s, long qr, long qc) {
    return qr >= 0 && qr <= 8 && qc >= 0 && qc <= 8 && s.Galaxy[qr][qc] > 99;
}

// The row of a base that has been seen: its quadrant, its strength (`shownStrength`) and its
// state: `nearKey` when hostiles threaten it (nullptr when not), else by strength, critical at
// or below the share `critical` of its full strength.
void ShowSeenBase(Game& g, BaseRow& row, long qr, long qc, double strength, double full, double critical,
                  const char* nearKey, std::string shownStrength) {
    row.Quad = RowCommaCol(qr, qc);
    row.Strength = std::move(shownStrength);
    const char* key = "KVCOM0059";
    if (nearKey)
        key = nearKey;
    else if (strength == 0)
        key = "KVCOM0056";
    else if (strength <= critical * full)
        key = "KVCOM0057";
    else if (strength == full)
        key = "KVCOM0058";
    else if (strength <= 0.9 * full)
        key = "KVCOM0060";
    row.Status = g.Text(key);
}

// Shows only the unknown marker of a row.
void ShowUnknown(BaseRow& row) {
    row.DataVisible = false;
    row.UnknownVisible = true;
}

// The row of the player's starbase b (1..3).
void UpdatePlayerBase(Game& g, int b) {
    GameState& s = g.st;
    BaseRow& row = g.displays.bases.Rows[static_cast<size_t>(b)];
    const Long qr = s.Starbases[1][b], qc = s.Starbases[2][b], strength = s.Starbases[3][b];
    row.Enabled = strength >= 0 && qr >= 1;
    row.UnknownVisible = false;
    row.DataVisible = true;
    if (!ChartMatches(s, qr, qc) && s.Starbases[0][b] != 1) return ShowUnknown(row);
    s.Starbases[0][b] = 1;
    if (strength < 0) return;  // a destroyed base keeps what the row last said
    const char* nearKey = nullptr;
    if (HostileShipsIn(s, qr, qc)) nearKey = s.StarbaseFlags[b] != 0 ? "KVCOM0055" : "KVCOM0054";
    ShowSeenBase(g, row, qr, qc, strength, s.MaxStarbaseStrength, 0.1, nearKey,
                 Percent(strength, s.MaxStarbaseStrength));
}

// Row 0: the Zarvoni starbase.
void UpdateHostileBase(Game& g) {
    GameState& s = g.st;
    BaseRow& row = g.displays.bases.Rows[0];
    row.Enabled = false;
    const Long qr = s.ZarvoniBase[1], qc = s.ZarvoniBase[2], strength = s.ZarvoniBase[5];
    if (qr < 1) return;
    row.Enabled = true;
    row.DataVisible = true;
    row.UnknownVisible = false;
    if (!ChartMatches(s, qr, qc) && !s.ZarvoniBaseKnown) return ShowUnknown(row);
    s.ZarvoniBaseKnown = kTrue;
    if (strength < 0) return;
    const bool captured = s.ZarvoniBase[0] != 0;
    const bool shipThere = qr == s.ShipQuadrantRow && qc == s.ShipQuadrantCol;
    const bool threatened = (!captured && shipThere) || (captured && HostileShipsIn(s, qr, qc));
    ShowSeenBase(g, row, qr, qc, strength, s.ZarvoniBaseStrength, 0.25, threatened ? "KVCOM0054" : nullptr,
                 ExactPercent(strength, s.ZarvoniBaseStrength));
}

}  // namespace

void UpdateBars(Game& g) {
    GameState& s = g.st;
    if (s.MaxEnergy == 0) return;  // no game set up yet
    BarsDisplay& b = g.displays.bars;

    // The short-range scan's shield animation runs faster the stronger the shields.
    int k = static_cast<int>(Int(s.MaxShields / 1000.0));
    if (k < 1) k = 1;
    b.ShieldInterval = s.ShieldLevel < 0 ? 0 : CLng(s.ShieldLevel / static_cast<double>(k) + 0.5);
    b.ShieldOutline = s.ShieldLevel >= 1;

    GeneralReportDisplay& gr = g.displays.general;
    gr.Energy = CStr(static_cast<long long>(s.ShipEnergy));
    gr.Shields = s.ShieldLevel < 0 ? "0" : CStr(static_cast<long long>(s.ShieldLevel));
    gr.EnergyAndShields = CStr(static_cast<long long>(s.ShipEnergy) + s.ShieldLevel);
    g.host.Refresh(View::GeneralReport);

    const double torpedoRoom = static_cast<double>(s.MaxTorpedoesClass1) + s.MaxTorpedoesClass2;
    b.Marker[0].y = 1.0 - Share(static_cast<double>(s.ShieldLevel) + s.ShipEnergy, s.MaxEnergy);
    b.Marker[0].visible = s.ShieldLevel >= 1;
    // The shields a quadrant calls for, while a game runs: once it has ended, the line goes to
    // the foot of the bar with the others rather than keep the ended game's quadrant.
    b.Marker[1].y = s.GameRunning ? 1.0 - Share(EstimateShieldNeed(g), s.MaxShields) : 1.0;
    b.Marker[2].y = 1.0 - Share(s.TorpedoStockClass2, torpedoRoom);

    std::array<Single, 5> f{};
    f[0] = Share(s.ShipEnergy, s.MaxEnergy);
    f[1] = Share(s.ShieldLevel, s.MaxShields);
    f[2] = Share(static_cast<double>(s.TorpedoStockClass1) + s.TorpedoStockClass2, torpedoRoom);
    f[3] = Share(static_cast<double>(s.TimeOffset + s.TimeLeft), s.TotalTime);

    b.Caption[0] = g.Text("BarInitials1");
    b.Caption[1] = g.Text("BarInitials2");
    b.Caption[2] = g.Text("BarInitials3");

    switch (s.MissionType) {
        case 0:
        case 1:
        case 2:
            if (s.MissionType < 2) {
                f[4] = s.InitialZarvonis < 1 ? 0.0f : Share(s.ZarvonisLeft, s.InitialZarvonis);
            } else {
                const double done = s.GoalBySystems != 0 ? s.GoalSystemsDone : s.GoalProgress;
                f[4] = s.MissionGoal < 1 ? 0.0f : Share(s.MissionGoal - done, s.MissionGoal);
            }
            b.Marker[3].visible = b.Marker[4].visible = true;
            b.BackColor[4] = kCyan;
            b.Caption[3] = g.Text("BarInitials4");
            b.Caption[4] = g.Text("BarInitials5");
            break;
        case 3: {
            const int known = KnownSystemCount(s);
            f[3] = known < 1 ? 0.0f : Share(s.GoalProgress, known);
            f[4] = s.ZarvonisCounted < 1
                       ? 0.0f
                       : Share(static_cast<double>(s.ZarvonisCounted) - s.ZarvonisLeft, s.ZarvonisCounted);
            b.BackColor[3] = b.BackColor[4] = kCyan;
            b.Caption[3] = g.Text("BarInitials4b");
            b.Caption[4] = g.Text("BarInitials5b");
            b.Marker[3].visible = b.Marker[4].visible = false;
            break;
        }
        default: break;
    }

    const int levelBars = s.MissionType == 3 ? 3 : 4;
    for (int i = 0; i < 5; ++i) {
        Single& v = f[static_cast<size_t>(i)];
        if (v < 0) v = 0;
        if (v > 1) v = 1;
        if (i < levelBars) b.BackColor[static_cast<size_t>(i)] = kLevelColour[static_cast<int>(Int(v * 3.0 + 0.9999))];
        b.Tag[static_cast<size_t>(i)] = CStr(static_cast<long long>(Int(v * 100.0 + 0.5)));
    }
    b.Marker[3].y = 1.0 - f[3];
    b.Marker[4].y = 1.0 - f[4];
    g.host.Refresh(View::Bars);
}

void UpdateDamageReport(Game& g) {
    const GameState& s = g.st;
    const bool figuresKnown = s.SystemDamage[kDamageControl] <= 0;
    for (int i = 1; i <= 8; ++i) {
        DamageRow& row = g.displays.damage.Rows[static_cast<size_t>(i - 1)];
        const Single d = s.SystemDamage[static_cast<size_t>(i)];
        row.Enabled = !(d >= 7.0f);
        row.Raised = d > 0;
        const std::string suffix = d > 0 ? g.Text("KVCOM0068") : std::string();
        if (figuresKnown)
            row.Figure = CStr(d) + suffix;
        else
            row.Figure = (d <= 0 ? "0" : "???") + suffix;
    }
    g.host.Refresh(View::DamageReport);
}

void UpdateGeneralReport(Game& g) {
    const GameState& s = g.st;
    GeneralReportDisplay& r = g.displays.general;
    for (int i = 0; i < 4; ++i) r.FrameVisible[static_cast<size_t>(i)] = i == s.MissionType;
    r.UpgradesVisible = s.UpgradesOn != 0;

    r.Initial = CStr(static_cast<long long>(s.InitialZarvonis));
    const float t100 = (s.TimeOffset + s.TimeLeft) * 100.0f;
    const double hundredths = Int(t100) / 100.0;
    r.Time = Str(s.MissionType == 3 ? -hundredths : hundredths);

    // Torpedoes: brown-yellow when a stock runs low, light red when one is empty.
    const bool class2 = s.TorpedoClass2Power >= 2;
    r.TorpedoColour = kBlack;
    if (s.TorpedoStockClass1 < s.MaxTorpedoesClass1 / 6.0 + 1 ||
        (class2 && s.TorpedoStockClass2 < s.MaxTorpedoesClass2 / 6.0 + 1))
        r.TorpedoColour = kBrown;
    if (s.TorpedoStockClass1 < 1 || (class2 && s.TorpedoStockClass2 <= 0)) r.TorpedoColour = kLightRed;
    r.Torpedoes = s.TorpedoClass2Power > 1 ? CStr(static_cast<long long>(s.TorpedoStockClass1)) + "/" +
                                                 CStr(static_cast<long long>(s.TorpedoStockClass2))
                                           : CStr(static_cast<long long>(s.TorpedoStockClass1));

    r.Left = CStr(static_cast<long long>(s.ZarvonisLeft));
    r.Destroyed = CStr(static_cast<long long>(s.InitialZarvonis) - s.ZarvonisLeft);
    if (s.CloakedKilled > 0) r.Destroyed += " (" + CStr(static_cast<long long>(s.CloakedKilled)) + ")";
    r.Captured = CStr(static_cast<long long>(s.FlaggedZarvonis));

    const bool bySystems = s.GoalBySystems != 0;
    const long long done = bySystems ? s.GoalSystemsDone : s.GoalProgress;
    r.Remaining = CStr(static_cast<long long>(s.MissionGoal) - done);
    r.Goal = CStr(static_cast<long long>(s.MissionGoal));
    r.GoalCaption = g.Text(s.GoalBySystems == 1 ? "KVCOM0069" : "KVCOM0070");
    r.Done = CStr(done);

    r.ProbeColour = s.Probes < 1 ? kLightRed : kBlack;
    r.Probes = CStr(static_cast<long long>(s.Probes));

    r.Quadrant =
        CStr(static_cast<long long>(s.ShipQuadrantRow)) + "," + CStr(static_cast<long long>(s.ShipQuadrantCol));
    r.Sector = CStr(static_cast<long long>(s.ShipSectorRow)) + "," + CStr(static_cast<long long>(s.ShipSectorCol));
    const char* length = "Short";
    if (s.GameLength > 1) length = "Medium";
    if (s.GameLength > 2) length = "Long";
    r.Length = g.Text(length);
    r.Skill = CStr(static_cast<long long>(s.SkillLevel));

    const std::optional<Integer> score = s.MissionType == 3 ? std::nullopt : ComputeScore(s);
    if (score)
        r.Rating = RatingText(CInt(TimeStatusValue(s, *score)));
    else
        r.Rating = g.Text("NA");

    g.host.Refresh(View::GeneralReport);
    UpdateBars(g);
}

void UpdateBaseReport(Game& g) {
    for (int b = 1; b <= 3; ++b) UpdatePlayerBase(g, b);
    UpdateHostileBase(g);
    g.host.Refresh(View::BaseReport);
}

void UpdateZarvoniReport(Game& g) {
    const GameState& s = g.st;
    ZarvoniReportDisplay& r = g.displays.zarvoni;
    r.SensorsDown = false;
    for (ZarvoniRow& row : r.Rows) row.Visible = false;
    if (s.SystemDamage[kShortRangeSensors] > 0) {
        r.SensorsDown = true;
        g.host.Refresh(View::ZarvoniReport);
        return;
    }
    int n = -1;
    const int slots = s.QuadZarvonis > 10 ? 10 : s.QuadZarvonis;
    for (int i = 1; i <= slots; ++i) {
        if (s.ZarvoniShips[1][i] < 1 || s.ZarvoniEnergy[i] < 0) continue;
        if (++n > 8) break;
        ZarvoniRow& row = r.Rows[static_cast<size_t>(n)];
        row.Visible = true;
        row.Sector = RowCommaCol(s.ZarvoniShips[1][i], s.ZarvoniShips[2][i]);
        const Integer energy = s.ZarvoniEnergy[i];
        row.Strength = CStr(static_cast<long long>(energy)) + "%";
        row.Status = g.Text(energy == 0 ? "KVCOM0071" : energy < 20 ? "KVCOM0072" : "KVCOM0073");
    }
    g.host.Refresh(View::ZarvoniReport);
}

void BlankBaseReport(Game& g) {
    g.displays.bases = BaseReportDisplay{};
    g.host.Refresh(View::BaseReport);
}

void BlankReports(Game& g) {
    GameState& s = g.st;
    DisplayData& d = g.displays;
    d.zarvoni = ZarvoniReportDisplay{};
    d.bases = BaseReportDisplay{};
    for (DamageRow& row : d.damage.Rows) {
        row.Enabled = true;
        row.Raised = row.Pressed = false;
        row.Figure = "0";
    }
    GeneralReportDisplay blank;
    blank.FrameVisible = d.general.FrameVisible;
    blank.UpgradesVisible = d.general.UpgradesVisible;
    blank.ScoreVisible = d.general.ScoreVisible;
    d.general = blank;
    // The condition box keeps no word of the game that ended.
    s.ConditionCaption.clear();
    s.ConditionColour = 7;
    s.ConditionTextColour = 0;
    for (View v : {View::ZarvoniReport, View::BaseReport, View::DamageReport, View::GeneralReport, View::Condition})
        g.host.Refresh(v);
}

int KnownSystemCount(const GameState& st) {
    int n = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            if (st.KnownGalaxy[r][c] >= 0) n += st.KnownGalaxy[r][c] % 10;
    return n;
}

}  // namespace kv
