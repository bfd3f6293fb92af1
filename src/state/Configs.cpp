#include "state/Configs.h"

#include <algorithm>

#include "platform/Strings.h"
#include "state/Game.h"
#include "state/LegacyImport.h"
#include "state/Numeric.h"
#include "state/Options.h"

namespace kv {
namespace {

const char* const kNamesSection = "Names";

// A stored count of names: a number within 0..32767 (anything else counts as 0).
int CountOf(const std::string& text) {
    double n = Val(text);
    if (n < 1 || n > 32767) return 0;
    return static_cast<int>(n);
}

bool SameIgnoringCase(const std::string& a, const std::string& b) { return LowerCase(a) == LowerCase(b); }

void AddToBoxes(Game& g, const std::string& name) {
    g.configNames.menuNames.push_back(name);
    g.configNames.difficultyNames.push_back(name);
}

}  // namespace

void LoadConfigNames(Game& g) {
    int n = CountOf(g.settings.GetSetting(kAppName, kNamesSection, "Number", kNotUsed));
    if (n == 0) return;
    for (int i = 1; i <= n; ++i) {
        std::string name = g.settings.GetSetting(kAppName, kNamesSection, "Name" + std::to_string(i), kNotUsed);
        if (name == kNotUsed) continue;
        AddToBoxes(g, name);
        g.configNames.storedNames.push_back(name);
    }
    g.configNames.storedCount = n;
    ImportIniConfigNames(g);
}

void ImportIniConfigNames(Game& g) {
    int n = CountOf(ReadLegacyValue(g, kNamesSection, "Number"));
    for (int i = 1; i <= n; ++i) {
        std::string name = ReadLegacyValue(g, kNamesSection, "Name" + std::to_string(i));
        if (name == kNotUsed) continue;
        const auto& listed = g.configNames.menuNames;
        if (std::any_of(listed.begin(), listed.end(), [&](const std::string& e) { return SameIgnoringCase(e, name); }))
            continue;
        AddToBoxes(g, name);
    }
}

void SaveConfigNames(Game& g, const std::string& name) {
    if (name.empty() || name == "General") return;
    ConfigNameBoxes& b = g.configNames;
    int n = b.storedCount;
    // Only the stored names count: a legacy name shown in the boxes is stored when a game is
    // first started under it.
    if (std::find(b.storedNames.begin(), b.storedNames.end(), name) != b.storedNames.end()) return;
    g.settings.SaveSetting(kAppName, kNamesSection, "Number", std::to_string(n + 1));
    // A legacy name is shown already; it is not shown twice.
    if (std::find(b.menuNames.begin(), b.menuNames.end(), name) == b.menuNames.end()) AddToBoxes(g, name);
    g.settings.SaveSetting(kAppName, kNamesSection, "Name" + std::to_string(n + 1), name);
    b.storedCount = n + 1;
    b.storedNames.push_back(name);
    g.settings.Flush();
}

double GetGoodPlayer(Game& g) { return Val(g.settings.GetSetting(kConfigsApp, g.st.ConfigName, "GoodPlayer", "0")); }

void SaveGoodPlayer(Game& g, Integer value) {
    g.settings.SaveSetting(kConfigsApp, g.st.ConfigName, "GoodPlayer", std::to_string(value));
    g.settings.Flush();
}

std::string ConfigFileName(const std::string& config) {
    std::string out;
    for (char c : config) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) continue;
        out += (c == '/' || c == '\\') ? '_' : c;
    }
    size_t start = out.find_first_not_of('.');
    out = start == std::string::npos ? std::string() : out.substr(start);
    return out.empty() ? "Config" : out;
}

}  // namespace kv
