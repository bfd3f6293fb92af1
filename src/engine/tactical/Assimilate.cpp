#include "engine/tactical/Assimilate.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "datafiles/SolarSystemFiles.h"
#include "engine/computer/Displays.h"
#include "engine/tactical/HostileCells.h"
#include "engine/tactical/ShortRangeScan.h"
#include "platform/Strings.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr const char* kSource = "KVBASIC:AssimilateStar";

}  // namespace

void AssimilateStar(Game& g, int row, int col, int system) {
    GameState& s = g.st;
    if (!InGalaxy(row, col)) return;
    Integer& code = s.Galaxy[row][col];
    const int count = code < 0 ? 0 : std::min(QuadStarCount(code), 4);
    if (system < 1 || system > count) return;

    Guarded(g, kSource, "<none>", [&] {
        const SolarSystemRecord& rec = s.StarSystem(row, col, system);
        s.MorvStarsTaken = Clamp16(s.MorvStarsTaken + 1LL);
        if (rec.SystemValue3 > 0 && s.GoalProgress > 0) --s.GoalProgress;
        // The last planet whose people could call for help.
        int caller = 0;
        for (int p = 1; p <= std::min<int>(rec.PlanetCount, 10); ++p) {
            if (CLng(rec.Planets[p - 1].PlanetValue4 / 1024.0) % 4 >= 2) caller = p;
        }
        code = static_cast<Integer>(code - 1);

        const bool heard = g.Rnd() > 0.5f;
        if (caller >= 1 && (heard || IsShipQuadrant(s, row, col))) {
            const std::string planet = GetPlanetName(g, rec.DescriptorName, caller, rec.Name);
            const std::string& nl = s.NewLine;
            MessageBox(g, -1,
                       g.Text("KVBASIC0006") + planet + ":" + nl + nl + g.Text("KVBASIC0007") + nl +
                           g.Text("KVBASIC0008") + nl + g.Text("KVBASIC0009") + UpperCase(s.StrongEnemyText) +
                           g.Text("KVBASIC0010") + nl + g.Text("KVBASIC0011"),
                       0);
            s.KnownGalaxy[row][col] = code;
            SetChartQuadrantColor(g, LabelIndex(row, col), kChartRed);
            UpdateGalaxyRecord(g);
        }
        // The records after the consumed one move down; the lowered count leaves the last out.
        const int left = count - 1;
        for (int i = system; i <= left; ++i) s.StarSystem(row, col, i) = s.StarSystem(row, col, i + 1);
        if (IsShipQuadrant(s, row, col)) {
            if (s.QuadStars > 0) --s.QuadStars;
            SRS(g);
        }
    });
}

}  // namespace kv
