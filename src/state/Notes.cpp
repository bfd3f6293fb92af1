#include "state/Notes.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <set>

#include "platform/Strings.h"
#include "state/Game.h"

namespace kv {
namespace {

std::string NotesApp(const std::string& config) { return std::string(kConfigsApp) + "\\" + config; }

// Visits the star systems of the galaxy: quadrant rows, columns, then systems 1 to the units
// digit of the quadrant's code.
void ForEachSystem(GameState& st, const std::function<bool(SolarSystemRecord&)>& visit) {
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            int count = st.Galaxy[r][c] >= 0 ? st.Galaxy[r][c] % 10 : 0;
            for (int n = 1; n <= std::min(count, 4); ++n)
                if (!visit(st.StarSystem(r, c, n))) return;
        }
}

}  // namespace

std::string NoteKey(const SolarSystemRecord& rec) {
    return rec.DescriptorName.empty() ? Trim(rec.Name) : rec.DescriptorName;
}

void SaveNotes(Game& g, const std::string& config) {
    const std::string app = NotesApp(config);
    std::set<std::string> written;
    ForEachSystem(g.st, [&](SolarSystemRecord& rec) {
        try {
            std::string key = NoteKey(rec);
            if (key.empty() || written.count(key)) return true;
            std::string note = Trim(rec.Notes);
            if (note.empty()) {
                if (!g.settings.GetSetting(app, "Notes", key, "").empty() ||
                    g.settings.GetSetting(app, "Notes", key, kNotUsed) != kNotUsed)
                    g.settings.DeleteSetting(app, "Notes", key);
            } else {
                g.settings.SaveSetting(app, "Notes", key, note);
                written.insert(key);
            }
        } catch (const std::exception&) {
            // A failing store operation skips this system only.
        }
        return true;
    });
    g.settings.Flush();
}

void LoadNotes(Game& g, const std::string& config) {
    const std::string app = NotesApp(config);
    ForEachSystem(g.st, [&](SolarSystemRecord& rec) {
        try {
            std::string key = NoteKey(rec);
            rec.Notes = key.empty() ? std::string() : g.settings.GetSetting(app, "Notes", key, "");
        } catch (const std::exception&) {
            return false;
        }
        return true;
    });
}

}  // namespace kv
