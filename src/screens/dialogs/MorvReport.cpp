#include "screens/dialogs/MorvReport.h"

namespace kv {
namespace {

constexpr Integer kDone = 7;
constexpr Integer kTyping = -1;

// The byte length of the first n characters of a UTF-8 text (the whole text when it has fewer),
// and whether it has that many.
bool CharacterPrefix(const std::string& text, int n, size_t& bytes) {
    bytes = 0;
    for (int k = 0; k < n; ++k) {
        if (bytes >= text.size()) return false;
        ++bytes;
        while (bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) ++bytes;
    }
    return true;
}

}  // namespace

void MorvReportActivate(Game& g) { g.SetTimer(Timer::frmMorvReport_tmrAnim, true); }

void MorvReportClose(Game& g) { g.st.MorvReport.Stop = true; }

bool MorvReportTick(Game& g) {
    GameState& s = g.st;
    MorvReportData& r = s.MorvReport;
    bool hidden = false;
    if (r.Stop) {
        r.Run = 0;
        for (int i = 0; i <= r.Highest && i < static_cast<int>(r.Caption.size()); ++i)
            r.Caption[static_cast<size_t>(i)].clear();
        g.SetTimer(Timer::frmMorvReport_tmrAnim, false);
        r.Stop = false;
        g.host.HideForm(Form::frmMorvReport);
        hidden = true;
    }
    if (r.Run > 0) return hidden;
    if (r.Run == 0) {
        r.Run = kTyping;
        r.Label = 0;
        r.Chars = 0;
        r.Highest = static_cast<Integer>(r.Caption.size() - 1);
    }
    if (r.Label <= r.Highest) {
        const std::string& tag = s.MorvReportTag[static_cast<size_t>(r.Label)];
        ++r.Chars;
        size_t bytes = 0;
        if (!CharacterPrefix(tag, r.Chars, bytes)) {
            r.Chars = 0;
            ++r.Label;
        } else {
            r.Caption[static_cast<size_t>(r.Label)] = tag.substr(0, bytes);
        }
    } else {
        r.Run = kDone;
    }
    return hidden;
}

}  // namespace kv
