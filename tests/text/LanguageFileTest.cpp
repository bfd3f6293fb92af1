// Checks the shipped English language file line by line with the rules the lookup reads it by,
// that every key the game's foundation looks up is there, and that every key the source code
// names literally is there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Strings.h"

namespace {

const std::string kEnglishFile = std::string(KESTRAVA_DATA_DIR) + "/LANGUAGE/English.lng";
const std::string kKeyList = std::string(KESTRAVA_TEST_DATA_DIR) + "/language-keys.txt";
const std::string kSourceDir = std::string(KESTRAVA_SOURCE_DIR) + "/src";

std::string TrimBlanks(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

// The keys the game state, the constant tables, the error reporter, saved games and the
// loading window look up.
std::vector<std::string> FoundationKeys() {
    std::vector<std::string> keys;
    auto numbered = [&](const std::string& prefix, int from, int to) {
        for (int n = from; n <= to; ++n) {
            std::string digits = std::to_string(n);
            keys.push_back(prefix + std::string(4 - digits.size(), '0') + digits);
        }
    };
    numbered("KVMAIN", 1, 75);
    numbered("KVMAIN", 77, 77);
    numbered("KVMAIN", 80, 80);
    numbered("KVGAME", 86, 89);
    for (const char* k : {"Font",          "SFont",  "Loading", "Language", "Captain",      "KV",       "StrongEnemy",
                          "Enemy",         "Enemys", "Z",       "Short",    "Medium",       "Long",     "NA",
                          "YES",           "NO",     "FOE",     "FRIEND",   "Kill",         "Disable",  "North",
                          "East",          "South",  "West",    "Credits",  "CommandsSave", "ViewList", "BarInitials4b",
                          "BarInitials5b", "Mvrpt4"})
        keys.push_back(k);
    for (int i = 1; i <= 5; ++i) {
        keys.push_back("UpgName" + std::to_string(i));
        keys.push_back("UpgInitials" + std::to_string(i));
        keys.push_back("BarInitials" + std::to_string(i));
    }
    for (int i = 3; i <= 18; ++i) keys.push_back("FinalLine" + std::to_string(i));
    for (int i = 0; i <= 2; ++i)
        for (const char* mission : {"Mis0", "Mis1", "Mis2", "Mis2b", "Mis3"})
            keys.push_back("FinalLine" + std::to_string(i) + mission);
    return keys;
}

// One fault found in the file, with its line number.
struct Fault {
    size_t line;
    std::string what;
};

// Windows-1252 leaves these five bytes without a character.
bool Cp1252Undefined(unsigned char c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

// Checks the raw bytes of a language file: the lines the lookup could misread, and the keys it
// would see. Returns the faults; `keys` receives the keys in file order.
std::vector<Fault> CheckLanguageBytes(const std::string& bytes, std::vector<std::string>& keys) {
    std::vector<Fault> faults;
    std::set<std::string> seen;
    bool inLanguage = false;
    bool headerSeen = false;
    size_t lineNo = 0;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();

        bool badByte = false;
        for (unsigned char c : line) {
            if (c < 0x20 || c == 0x7F || Cp1252Undefined(c)) badByte = true;
        }
        if (badByte) {
            faults.push_back({lineNo, "a control character or a byte that is not Windows-1252"});
            continue;
        }
        std::string t = TrimBlanks(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            if (t != "[Language]" || headerSeen) {
                faults.push_back({lineNo, "section header other than one [Language]: " + t});
                inLanguage = false;
            } else {
                headerSeen = inLanguage = true;
            }
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos) {
            faults.push_back({lineNo, "neither blank, comment, header nor Key=Text"});
            continue;
        }
        std::string key = line.substr(0, eq);
        if (key.empty() || !std::all_of(key.begin(), key.end(), [](unsigned char c) { return std::isalnum(c); })) {
            faults.push_back({lineNo, "key is not made of letters and digits: '" + key + "'"});
            continue;
        }
        if (!inLanguage) {
            faults.push_back({lineNo, "key outside the [Language] section: " + key});
            continue;
        }
        if (!seen.insert(kv::LowerCase(key)).second) {
            faults.push_back({lineNo, "key given twice (only the first counts): " + key});
            continue;
        }
        std::string text = TrimBlanks(line.substr(eq + 1));
        if (text.size() > kv::kProfileTextLimit)
            faults.push_back({lineNo, key + " has " + std::to_string(text.size()) + " characters, more than 254"});
        keys.push_back(key);
    }
    if (!headerSeen) faults.push_back({0, "no [Language] header"});
    return faults;
}

std::string Describe(const std::vector<Fault>& faults) {
    std::ostringstream out;
    for (const auto& f : faults) out << "  line " << f.line << ": " << f.what << "\n";
    return out.str();
}

TEST(LanguageFileChecker, FindsTheFaultsItIsMeantToFind) {
    struct Case {
        const char* name;
        std::string bytes;
        size_t faults;
    };
    const std::vector<Case> cases = {
        {"clean, CRLF", "; note\r\n[Language]\r\n\r\nA1=Text\r\nB2=\r\n", 0},
        {"clean, LF", "[Language]\nA1=Text\n", 0},
        {"key before the header", "A1=x\r\n[Language]\r\n", 1},
        {"second section", "[Language]\r\n[Other]\r\nA1=x\r\n", 2},
        {"no header", "A1=x\r\n", 2},
        {"line without =", "[Language]\r\nJust words\r\n", 1},
        {"key with a blank", "[Language]\r\nA 1=x\r\n", 1},
        {"key twice, other case", "[Language]\r\nAbc=1\r\nABC=2\r\n", 1},
        {"tab inside a text", "[Language]\r\nA1=x\ty\r\n", 1},
        {"undefined byte 0x81", "[Language]\r\nA1=x\x81y\r\n", 1},
        {"255 characters", "[Language]\r\nA1=" + std::string(255, 'x') + "\r\n", 1},
        {"254 characters", "[Language]\r\nA1=" + std::string(254, 'x') + "\r\n", 0},
    };
    for (const auto& c : cases) {
        std::vector<std::string> keys;
        EXPECT_EQ(CheckLanguageBytes(c.bytes, keys).size(), c.faults) << c.name;
    }
}

TEST(EnglishLanguageFile, EveryLineIsWellFormed) {
    std::string bytes;
    ASSERT_TRUE(kv::ReadFileBytes(kEnglishFile, bytes)) << kEnglishFile;
    std::vector<std::string> keys;
    auto faults = CheckLanguageBytes(bytes, keys);
    EXPECT_TRUE(faults.empty()) << kEnglishFile << ":\n" << Describe(faults);

    // The lookup's own reader sees exactly the keys the checker accepted.
    auto parsed = kv::ProfileFile::Parse(bytes);
    auto entries = parsed.Entries("Language");
    ASSERT_EQ(entries.size(), keys.size());
    for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(entries[i].first, keys[i]);
}

TEST(EnglishLanguageFile, HasEveryFoundationKeyWithText) {
    auto file = kv::LoadProfileFile(kEnglishFile);
    ASSERT_TRUE(file) << kEnglishFile;
    std::vector<std::string> missing;
    for (const auto& key : FoundationKeys()) {
        auto text = file->Get("Language", key);
        if (!text || text->empty() || *text == "Not Used") missing.push_back(key);
    }
    std::string list;
    for (const auto& k : missing) list += " " + k;
    EXPECT_TRUE(missing.empty()) << "keys without text:" << list;
}

// Every key of the list of keys the game looks up has its text in the English file.
TEST(EnglishLanguageFile, DefinesEveryKeyOfTheKeyList) {
    std::string bytes;
    ASSERT_TRUE(kv::ReadFileBytes(kKeyList, bytes)) << kKeyList;
    auto file = kv::LoadProfileFile(kEnglishFile);
    ASSERT_TRUE(file) << kEnglishFile;
    std::istringstream in(bytes);
    std::string missing;
    size_t listed = 0;
    for (std::string line; std::getline(in, line);) {
        const std::string key = TrimBlanks(line.empty() || line.back() != '\r' ? line : line.substr(0, line.size() - 1));
        if (key.empty()) continue;
        ++listed;
        auto text = file->Get("Language", key);
        if (!text || text->empty() || *text == "Not Used") missing += " " + key;
    }
    EXPECT_GT(listed, 1000u);
    EXPECT_TRUE(missing.empty()) << kEnglishFile << " has no text for:" << missing;
}

// ---- Keys named in the source ----------------------------------------------------------------

// A key the source names, with where it is named.
struct KeyUse {
    std::string key;
    std::string where;  // "file:line"
};

// The code with its comments blanked out (line breaks kept, so that line numbers stay right);
// string and character literals are kept whole.
std::string WithoutComments(const std::string& code) {
    std::string out = code;
    size_t i = 0;
    while (i < out.size()) {
        const char c = out[i];
        if (c == '"' || c == '\'') {
            for (++i; i < out.size() && out[i] != c && out[i] != '\n'; ++i)
                if (out[i] == '\\') ++i;
            ++i;
        } else if (c == '/' && i + 1 < out.size() && out[i + 1] == '/') {
            for (; i < out.size() && out[i] != '\n'; ++i) out[i] = ' ';
        } else if (c == '/' && i + 1 < out.size() && out[i + 1] == '*') {
            const size_t end = std::min(out.find("*/", i + 2), out.size() - 2) + 2;
            for (; i < end; ++i)
                if (out[i] != '\n') out[i] = ' ';
        } else {
            ++i;
        }
    }
    return out;
}

// The content of `text` when it is exactly one string literal (blanks around it allowed).
bool SingleLiteral(const std::string& text, std::string& content) {
    const size_t b = text.find_first_not_of(" \t\r\n");
    const size_t e = text.find_last_not_of(" \t\r\n");
    if (b == std::string::npos || e <= b || text[b] != '"' || text[e] != '"') return false;
    content = text.substr(b + 1, e - b - 1);
    return content.find_first_of("\"\\") == std::string::npos;
}

bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The keys that `code` passes as a string literal to Text(, GetLanguageText( or
// GetLanguageTextWithProgress(: the whole argument one literal, or a choice between literals
// (`up ? "KEY1" : "KEY2"`). A key built at run time ("KVMAIN00" + digits, Key2("KVMAIN00", n),
// "UpgName" + number) cannot be read here and is skipped; such keys are checked by the tests
// of the code that builds them.
std::vector<KeyUse> ScanKeys(const std::string& code, const std::string& file) {
    static const std::set<std::string> kLookups = {"Text", "GetLanguageText", "GetLanguageTextWithProgress"};
    const std::string src = WithoutComments(code);
    std::vector<KeyUse> uses;
    size_t i = 0;
    while (i < src.size()) {
        const char c = src[i];
        if (c == '"' || c == '\'') {  // step over literals: a call inside one is no call
            for (++i; i < src.size() && src[i] != c && src[i] != '\n'; ++i)
                if (src[i] == '\\') ++i;
            ++i;
            continue;
        }
        if (!IsIdentifierChar(c) || (i > 0 && IsIdentifierChar(src[i - 1]))) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < src.size() && IsIdentifierChar(src[end])) ++end;
        const std::string name = src.substr(i, end - i);
        size_t open = src.find_first_not_of(" \t\r\n", end);
        i = end;
        if (!kLookups.count(name) || open == std::string::npos || src[open] != '(') continue;

        // The first argument, cut at the top level into the parts between '?' and ':'.
        std::vector<std::string> parts(1);
        bool choice = false;
        int depth = 0;
        size_t k = open + 1;
        for (; k < src.size(); ++k) {
            const char d = src[k];
            if (d == '"' || d == '\'') {
                const size_t from = k;
                for (++k; k < src.size() && src[k] != d && src[k] != '\n'; ++k)
                    if (src[k] == '\\') ++k;
                parts.back() += src.substr(from, k - from + 1);
                continue;
            }
            if (d == '(' || d == '[' || d == '{') ++depth;
            if (d == ')' || d == ']' || d == '}') {
                if (depth == 0) break;
                --depth;
            }
            if (depth == 0 && d == ',') break;
            if (depth == 0 && d == ':' && k + 1 < src.size() && src[k + 1] == ':') {
                parts.back() += "::";
                ++k;
                continue;
            }
            if (depth == 0 && (d == '?' || d == ':')) {
                choice = choice || d == '?';
                parts.emplace_back();
                continue;
            }
            parts.back() += d;
        }
        const size_t line = static_cast<size_t>(std::count(src.begin(), src.begin() + static_cast<long>(i), '\n')) + 1;
        // Without a choice the whole argument must be the literal; with one, its branches.
        for (size_t p = choice ? 1 : 0; p < parts.size(); ++p) {
            std::string key;
            if (SingleLiteral(parts[p], key) && !key.empty()) uses.push_back({key, file + ":" + std::to_string(line)});
        }
        i = std::max(i, k);
    }
    return uses;
}

std::vector<std::string> Keys(const std::vector<KeyUse>& uses) {
    std::vector<std::string> keys;
    for (const auto& u : uses) keys.push_back(u.key);
    return keys;
}

TEST(LanguageKeyScanner, ReadsLiteralKeysAndSkipsBuiltOnes) {
    struct Case {
        const char* code;
        std::vector<std::string> keys;
    };
    const std::vector<Case> cases = {
        {"s = g.Text(\"KVGAME0001\") + nl;", {"KVGAME0001"}},
        {"game.Text ( \"Short\" )", {"Short"}},
        {"g.Text(up ? \"KVCOM0089\" : \"KVCOM0090\")", {"KVCOM0089", "KVCOM0090"}},
        {"g.Text(a ? kv::kKey : \"NAV0004\")", {"NAV0004"}},
        {"lang.GetLanguageText(\"KVMAIN0020\"); l->GetLanguageTextWithProgress(\"Loading\");",
         {"KVMAIN0020", "Loading"}},
        {"g.Text(\"A1\"), g.Text(\"B2\")", {"A1", "B2"}},
        {"g.Text(\"LCOTorSp\"\n          )", {"LCOTorSp"}},
        // Built at run time, or not a lookup at all: skipped.
        {"g.Text(\"KVGAME0\" + std::to_string(130 + slot))", {}},
        {"g.Text(Key2(\"KVMAIN00\", i + 20))", {}},
        {"g.Text(\"UpgName\" + std::to_string(i))", {}},
        {"g.Text(key)", {}},
        {"std::string Text(const std::string& key);", {}},
        {"ReadText(\"KVX1\"); BoolText(\"KVX2\"); Text2(\"KVX3\");", {}},
        {"// g.Text(\"KVOLD0001\")\n/* g.Text(\"KVOLD0002\") */", {}},
        {"const char* s = \"g.Text(\\\"KVFAKE\\\")\";", {}},
        {"g.Text(\"\")", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Keys(ScanKeys(c.code, "x.cpp")), c.keys) << c.code;
    const auto uses = ScanKeys("int a;\n\n  g.Text(\"KVGAME0002\");\n", "engine/x.cpp");
    ASSERT_EQ(uses.size(), 1u);
    EXPECT_EQ(uses[0].where, "engine/x.cpp:3");
}

// Every key that a file under src/ passes literally to a lookup.
std::vector<KeyUse> SourceKeyUses() {
    namespace fs = std::filesystem;
    std::vector<KeyUse> uses;
    for (const auto& entry : fs::recursive_directory_iterator(kSourceDir)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        std::string code;
        EXPECT_TRUE(kv::ReadFileBytes(entry.path().string(), code)) << entry.path();
        for (auto& u : ScanKeys(code, fs::relative(entry.path(), kSourceDir).string())) uses.push_back(std::move(u));
    }
    return uses;
}

// The keys of `uses` that `known` rejects, each with the places that name it.
std::string Unknown(const std::vector<KeyUse>& uses, const std::function<bool(const std::string&)>& known,
                    size_t& count) {
    std::map<std::string, std::vector<std::string>> unknown;
    for (const auto& u : uses)
        if (!known(u.key)) unknown[u.key].push_back(u.where);
    std::ostringstream list;
    for (const auto& [key, where] : unknown) {
        list << "\n  " << key << " (";
        for (size_t n = 0; n < where.size(); ++n) list << (n ? ", " : "") << where[n];
        list << ")";
    }
    count = unknown.size();
    return list.str();
}

TEST(EnglishLanguageFile, DefinesEveryKeyTheSourceNames) {
    const auto uses = SourceKeyUses();
    ASSERT_FALSE(uses.empty()) << "no language key found under " << kSourceDir;
    auto file = kv::LoadProfileFile(kEnglishFile);
    ASSERT_TRUE(file) << kEnglishFile;
    size_t count = 0;
    const std::string list = Unknown(
        uses, [&](const std::string& key) { return file->Get("Language", key).has_value(); }, count);
    EXPECT_EQ(count, 0u) << kEnglishFile << " lacks " << count << " key(s) that the source names:" << list;
}

// The list of every key the game looks up: a key the source names that is not on it is most
// likely misspelt (or the list lacks it).
TEST(LanguageKeyList, HoldsEveryKeyTheSourceNames) {
    std::string bytes;
    ASSERT_TRUE(kv::ReadFileBytes(kKeyList, bytes)) << kKeyList;
    std::set<std::string> listed;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!TrimBlanks(line).empty()) listed.insert(kv::LowerCase(TrimBlanks(line)));
    }
    size_t count = 0;
    const std::string list = Unknown(
        SourceKeyUses(), [&](const std::string& key) { return listed.count(kv::LowerCase(key)) > 0; }, count);
    EXPECT_EQ(count, 0u) << count << " key(s) that the source names are not in " << kKeyList
                         << " (misspelt, or missing from the list):" << list;
}

}  // namespace
