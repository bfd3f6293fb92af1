#include "engine/turn/HighScoreOffers.h"

#include <cstdint>
#include <cstdio>

#include "engine/turn/Score.h"
#include "state/BadWords.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// A 32-bit FNV-1a check value over the parts, each ended by a separator byte so that moving
// text from one part to the next changes the value.
uint32_t CheckValue(std::initializer_list<std::string> parts) {
    uint32_t h = 2166136261u;
    for (const auto& part : parts) {
        for (unsigned char c : part) {
            h ^= c;
            h *= 16777619u;
        }
        h ^= 0x1F;
        h *= 16777619u;
    }
    return h;
}

std::string Hex8(uint32_t v) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08X", v);
    return buf;
}

std::string InputTitle(const GameState& s) { return s.ShipPrefix + " for Windows 9x"; }

}  // namespace

bool HighScoreAllowed(const GameState& s) { return s.ScoreEligible && !s.DebugMode; }

bool QualifiesForCaptainList(const GameState& s, long score) { return score >= 1000 && HighScoreAllowed(s); }

bool QualifiesForBadguyList(const GameState& s) {
    return s.MissionType != 3 && s.MorvShipsDestroyed > 0 && HighScoreAllowed(s);
}

std::string HighScoreSerial(const GameState& s) {
    const std::string setup = "M" + CStr(static_cast<long long>(s.MissionType)) + "S" +
                              CStr(static_cast<long long>(s.SkillLevel)) + "L" +
                              CStr(static_cast<long long>(s.GameLength));
    return setup + "-" +
           Hex8(CheckValue({setup, s.ConfigName, CStr(static_cast<long long>(s.InitialZarvonis)), CStr(s.TotalTime)}));
}

std::string HighScoreCode(const std::string& kind, const std::string& name, const std::string& serial, long figure) {
    const std::string value = CStr(static_cast<long long>(figure));
    return value + "/" + Hex8(CheckValue({kind, name, serial, value}));
}

HighScoreEntry EnterHighScore(Game& g, const std::string& kind, const std::string& prompt, long figure) {
    GameState& s = g.st;
    HighScoreEntry entry;
    PlaySound(g, "CHEER.WAV");
    entry.Name = g.host.InputText(prompt, InputTitle(s), s.ConfigName).value_or("");
    if (entry.Name.empty()) return {};

    // The comment is offered again, cleaned, until the player confirms a text that needs no
    // change. A cancelled box gives an empty comment, which needs none.
    std::string comments = g.Text("KVGAME0072");
    while (true) {
        comments = g.host.InputText(g.Text("KVGAME0071"), InputTitle(s), comments).value_or("");
        if (CleanUserText(g.badWords, comments, false)) break;
    }
    entry.Comments = comments;
    entry.SN = HighScoreSerial(s);
    entry.Code = HighScoreCode(kind, entry.Name, entry.SN, figure);
    g.host.SubmitHighScore(entry.Name, entry.SN, entry.Code, entry.Comments, kind);
    return entry;
}

void OfferCaptainHighScore(Game& g, int, int score) {
    GameState& s = g.st;
    if (!QualifiesForCaptainList(s, score)) return;
    const std::string& nl = s.NewLine;
    EnterHighScore(g, "captain", g.Text("KVGAME0069") + nl + nl + g.Text("KVGAME0139") + " " + RatingText(score),
                   score);
}

void OfferBadguyHighScore(Game& g, int, int gap) {
    GameState& s = g.st;
    const bool qualifies = QualifiesForBadguyList(s);
    HighScoreEntry entry;
    if (qualifies) {
        const std::string& nl = s.NewLine;
        entry = EnterHighScore(g, "badguy",
                               g.Text("KVGAME0069") + nl + nl + g.Text("Mvrpt4") + " " +
                                   CStr(static_cast<long long>(s.MorvShipsDestroyed)),
                               s.MorvShipsDestroyed);
    }
    const std::string blanks(static_cast<size_t>(gap > 0 ? gap : 0), ' ');
    s.MorvReportTag[9] = g.Text(qualifies ? "YES" : "NO");
    PrintOutput(g, s.MorvReportTag[8] + blanks + s.MorvReportTag[9]);
    s.MorvReportTag[11] = entry.Code.find('/') != std::string::npos ? entry.Code : g.Text("KVGAME0085");
    PrintOutput(g, s.MorvReportTag[10] + blanks + s.MorvReportTag[11]);
}

}  // namespace kv
