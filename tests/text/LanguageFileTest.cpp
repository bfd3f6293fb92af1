// Checks the shipped English language file line by line with the rules the lookup reads it by,
// and that every key the game's foundation looks up is there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Profile.h"

namespace {

const std::string kEnglishFile = std::string(KESTRAVA_DATA_DIR) + "/LANGUAGE/English.lng";
const std::string kKeyList = std::string(KESTRAVA_TEST_DATA_DIR) + "/language-keys.txt";

std::string Fold(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

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
    for (const char* k : {"Font", "SFont", "Loading", "Language", "Captain", "KV", "StrongEnemy", "Enemy",
                          "Enemys", "Z", "Short", "Medium", "Long", "NA", "YES", "NO", "FOE", "FRIEND",
                          "Kill", "Disable", "North", "East", "South", "West", "Credits", "CommandsSave",
                          "ViewList", "BarInitials4b", "BarInitials5b", "Mvrpt4"})
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
        if (!seen.insert(Fold(key)).second) {
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

TEST(EnglishLanguageFile, ReportsKeysOfTheFullListStillMissing) {
    std::ifstream in(kKeyList);
    ASSERT_TRUE(in) << kKeyList;
    auto file = kv::LoadProfileFile(kEnglishFile);
    ASSERT_TRUE(file);
    std::vector<std::string> missing;
    size_t total = 0;
    std::string key;
    while (std::getline(in, key)) {
        key = TrimBlanks(key);
        if (!key.empty() && key.back() == '\r') key.pop_back();
        if (key.empty()) continue;
        ++total;
        if (!file->Get("Language", key)) missing.push_back(key);
    }
    EXPECT_GT(total, 0u);
    std::cout << "[ language ] English.lng defines " << (total - missing.size()) << " of " << total
              << " listed keys; " << missing.size() << " still missing";
    if (!missing.empty()) {
        std::cout << " (first:";
        for (size_t i = 0; i < missing.size() && i < 8; ++i) std::cout << " " << missing[i];
        std::cout << (missing.size() > 8 ? " ...)" : ")");
    }
    std::cout << std::endl;
}

}  // namespace
