#include "screens/dialogs/StarList.h"

#include <algorithm>

#include "engine/computer/TargetCalculator.h"
#include "datafiles/SolarSystemFiles.h"
#include "platform/Strings.h"
#include "state/Numeric.h"

namespace kv {
namespace {

size_t Characters(const std::string& utf8) {
    return static_cast<size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

const StarListRow* Selected(const GameState& s, int selected) {
    if (selected < 0 || selected >= static_cast<int>(s.StarList.Rows.size())) return nullptr;
    return &s.StarList.Rows[static_cast<size_t>(selected)];
}

}  // namespace

std::string StarListLine(const GameState& s, int row, int col, int n) {
    const SolarSystemRecord& rec = s.StarSystem(row, col, n);
    const std::string name = Trim(rec.Name);
    std::string line = rec.Notes.empty() ? "" : "* ";
    line += name + std::string(Characters(name) <= 8 ? 11 : 3, ' ');
    line += "\t" + Str(row) + " ," + Str(col);
    line += "\t" + Str(static_cast<int>(rec.SectorRow)) + " ," + Str(static_cast<int>(rec.SectorCol));
    line += "\t" + Format(rec.SystemValue3 / 100.0 - s.TimeLeft, "0.00");
    return line;
}

bool FillStarList(Game& g) {
    GameState& s = g.st;
    std::vector<StarListRow>& rows = s.StarList.Rows;
    rows.clear();
    const Long shown = s.ShowStarsFlag ? -1 : 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            for (int n = 1; n <= std::min(QuadStarCount(s.Galaxy[r][c]), 4); ++n) {
                const SolarSystemRecord& rec = s.StarSystem(r, c, n);
                if (rec.SystemValue3 == shown) continue;
                rows.push_back({StarListLine(s, r, c, n), r, c, rec.SectorRow, rec.SectorCol, n});
            }
    if (s.StarList.ByName)
        std::stable_sort(rows.begin(), rows.end(), [](const StarListRow& a, const StarListRow& b) {
            return LowerCase(a.Text) < LowerCase(b.Text);
        });
    if (rows.empty()) {
        g.host.HideForm(Form::frmStars);
        MessageBox(g, -1, g.Text("STARS0006"), 0);
        return false;
    }
    return true;
}

void SortStarList(Game& g, bool byName) {
    g.st.StarList.ByName = byName;
    FillStarList(g);
}

void StarListAccept(Game& g, int selected) {
    GameState& s = g.st;
    const StarListRow* row = Selected(s, selected);
    if (!row) return;
    s.TargetQuadText = CellText(row->QuadRow, row->QuadCol);
    s.TargetSectText = CellText(row->SectorRow, row->SectorCol);
    g.host.HideForm(Form::frmStars);
    g.host.Refresh(View::TargetCalculator);
}

void StarListInfo(Game& g, int selected) {
    GameState& s = g.st;
    const StarListRow* row = Selected(s, selected);
    if (!row) return;
    std::string text;
    Guarded(g, "frmStars:cmdInfo_Click", "<none>", [&] {
        const SolarSystemRecord& rec = s.StarSystem(row->QuadRow, row->QuadCol, row->System);
        const std::string nl = "\r\n";
        text = g.Text("STARS0001") + Trim(rec.Name) + nl + nl;
        text += g.Text("STARS0002") + Str(static_cast<int>(CountFlaggedPlanets(rec))) + nl + nl;
        text += g.Text("STARS0003") + CellText(row->QuadRow, row->QuadCol) + "\t" + g.Text("STARS0004") +
                CellText(row->SectorRow, row->SectorCol) + nl + nl;
        text += g.Text("STARS0005") + nl + Trim(rec.Notes);
    });
    MessageBox(g, -1, text, 0);
}

}  // namespace kv
