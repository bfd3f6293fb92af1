// The language lookup on small files written for each case: the reading rules, a missing file,
// the binding through the settings and the language changer, progress lookups and the cache.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/SettingsStore.h"
#include "text/Language.h"

namespace {

namespace fs = std::filesystem;
using kv::kAppName;

class LanguageLookup : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kv-lang-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = std::string(pattern) + "/";
        kv::ClearProfileCache();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
        kv::ClearProfileCache();
    }

    // Changes a file behind the lookup's back; it looks at the disk again at once.
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream out(folder_ + name, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.close();
        kv::ForgetFileStamps();
    }
    // Records `file` as the current language's file, as the language changer does.
    void Record(const std::string& file) { Record(settings_, file); }
    static void Record(kv::SettingsStore& s, const std::string& file) {
        s.SaveSetting(kAppName, "Language", "Current", "Testish");
        s.SaveSetting(kAppName, "Language", "Testish", file);
    }
    // A lookup whose changer and program end are recorded instead of run.
    kv::Language MakeLanguage() {
        kv::Language lang(settings_, folder_);
        lang.SetChangerLauncher([this] { events_.push_back("changer"); });
        lang.SetEndProgram([this] { events_.push_back("end"); });
        lang.SetProgressStep([this] { events_.push_back("step"); });
        lang.SetWarningSink([this](const std::string& line) { warnings_.push_back(line); });
        return lang;
    }
    static void SetModificationTime(const std::string& path, time_t seconds) {
        timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
        kv::ForgetFileStamps();
    }

    std::string folder_;
    kv::MemorySettingsStore settings_;
    std::vector<std::string> events_;
    std::vector<std::string> warnings_;
};

TEST_F(LanguageLookup, ReadsTextsByTheProfileRules) {
    const std::string long300 = std::string(250, 'a') + "bcdefghij" + std::string(41, 'z');
    const std::string accents300(300, '\xE9');  // é in Windows-1252
    const std::string lines[] = {
        "; comment",
        "Orphan=before any section",
        "[LANGUAGE]",
        "UPPERKEY=Found",
        "Dup=First",
        "dup=Second",
        "  SpacedKey  =   padded text   ",
        "Quoted=\"  inner blanks  \"",
        "Single='single'",
        "Unbalanced=\"left only",
        "Empty=",
        "NotUsed=Not Used",
        "LowerNotUsed=not used",
        "QuotedNotUsed=\"Not Used\"",
        "Framed=\xFF"
        "framed\xFF",
        "Two255=\xFF\xFF",
        "Mid255=a\xFF"
        "b",
        "Long=" + long300,
        "QuotedLong=\"" + long300 + "\"",
        "Accents=" + accents300,
        "Exact=" + std::string(254, 'x'),
        "Cafe=caf\xE9",
        "Nul=ab" + std::string(1, '\0') + "cd",
        "Bare",
        "Bare=after a line without an equals sign",
        "[Other]",
        "OtherOnly=never read",
        "[language]",
        "SecondSection=only in a repeated header",
    };
    struct Case {
        const char* key;
        std::string expected;
    };
    std::string accents254;
    for (int i = 0; i < 254; ++i) accents254 += "\xC3\xA9";  // é in UTF-8
    const std::vector<Case> cases = {
        {"upperkey", "Found"},
        {"UpperKey", "Found"},
        {"DUP", "First"},
        {"spacedkey", "padded text"},
        {"Quoted", "  inner blanks  "},
        {"Single", "single"},
        {"Unbalanced", "\"left only"},
        {"Empty", ""},
        {"NotUsed", ""},
        {"LowerNotUsed", "not used"},
        {"QuotedNotUsed", ""},
        {"Framed", " framed "},
        {"Two255", "  "},
        {"Mid255", "a b"},
        {"Long", long300.substr(0, 254)},
        {"QuotedLong", long300.substr(0, 254)},
        {"Accents", accents254},
        {"Exact", std::string(254, 'x')},
        {"Cafe", "caf\xC3\xA9"},
        {"Nul", "ab"},  // the text ends at a null character
        {"Missing", ""},
        {"Orphan", ""},
        {"OtherOnly", ""},
        // A line without "=" is a key with no text: it reads as missing and, being first, hides
        // the later line. Only the first section of a name is read.
        {"Bare", ""},
        {"SecondSection", ""},
    };
    for (const char* eol : {"\r\n", "\n"}) {
        std::string bytes;
        for (const auto& l : lines) bytes += l + eol;
        Write("Test.lng", bytes);
        kv::ClearProfileCache();
        Record("Test.lng");
        auto lang = MakeLanguage();
        for (const auto& c : cases)
            EXPECT_EQ(lang.GetLanguageText(c.key), c.expected) << c.key << (eol[0] == '\r' ? " (CRLF)" : " (LF)");
        EXPECT_TRUE(events_.empty());
        EXPECT_TRUE(warnings_.empty());
    }
}

TEST_F(LanguageLookup, MissingOrUnreadableFileGivesEmptyTextsAndOneWarning) {
    fs::create_directory(folder_ + "Folder.lng");  // exists, but is no file
    for (const std::string name : {"Absent.lng", "Folder.lng"}) {
        warnings_.clear();
        Record(name);
        auto lang = MakeLanguage();
        for (const char* key : {"Captain", "KVMAIN0001", "Loading", "Captain"})
            EXPECT_EQ(lang.GetLanguageText(key), "") << name;
        EXPECT_EQ(lang.GetLanguageTextWithProgress("Font"), "") << name;
        ASSERT_EQ(warnings_.size(), 1u) << name;
        EXPECT_NE(warnings_[0].find(folder_ + name), std::string::npos) << warnings_[0];
        EXPECT_EQ(warnings_[0].find('\n'), std::string::npos);
        EXPECT_EQ(lang.LanguageFilePath(), folder_ + name);
    }
}

TEST_F(LanguageLookup, BindsThroughTheSettingsAndTheLanguageChanger) {
    Write("Test.lng", "[Language]\r\nCaptain=Skipper\r\n");
    Write("Other.lng", "[Language]\r\nCaptain=Chief\r\n");
    struct Case {
        const char* name;
        bool current;         // "Current" recorded before the first lookup
        bool fileForCurrent;  // a file name recorded for that language
        bool changerRecords;  // the changer records "Test.lng"
        const char* text;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases = {
        {"language recorded", true, true, false, "Skipper", {}},
        {"no Current, changer records one", false, false, true, "Skipper", {"changer"}},
        {"Current without a file, changer records one", true, false, true, "Skipper", {"changer"}},
        {"no Current, changer records nothing", false, false, false, "", {"changer", "end"}},
    };
    for (const auto& c : cases) {
        kv::MemorySettingsStore store;
        if (c.current) store.SaveSetting(kAppName, "Language", "Current", "Testish");
        if (c.fileForCurrent) store.SaveSetting(kAppName, "Language", "Testish", "Test.lng");
        std::vector<std::string> events;
        kv::Language lang(store, folder_);
        lang.SetChangerLauncher([&] {
            events.push_back("changer");
            if (c.changerRecords) Record(store, "Test.lng");
        });
        lang.SetEndProgram([&] { events.push_back("end"); });
        EXPECT_EQ(lang.GetLanguageText("captain"), c.text) << c.name;
        EXPECT_EQ(events, c.events) << c.name;
        if (!c.text[0]) continue;
        // Bound for the rest of the run: a language changed meanwhile counts at the next start.
        store.SaveSetting(kAppName, "Language", "Testish", "Other.lng");
        EXPECT_EQ(lang.GetLanguageText("Captain"), c.text) << c.name;
        EXPECT_EQ(lang.LanguageFilePath(), folder_ + "Test.lng");
    }
}

TEST_F(LanguageLookup, WithNoLanguageAndNoChangerBoundALookupThrows) {
    // Only the program can ask the player for a language: anywhere else (a test that forgot
    // its texts) the lookup fails loudly instead of starting the changer.
    kv::MemorySettingsStore store;
    kv::Language lang(store, folder_);
    EXPECT_THROW(lang.GetLanguageText("Captain"), std::logic_error);
    EXPECT_THROW(lang.GetLanguageTextWithProgress("Captain"), std::logic_error);
    // With a language recorded no changer is needed.
    Write("Test.lng", "[Language]\r\nCaptain=Skipper\r\n");
    Record(store, "Test.lng");
    EXPECT_EQ(lang.GetLanguageText("Captain"), "Skipper");
}

TEST_F(LanguageLookup, FirstLookupWithProgressBindsThenStepsThenReads) {
    Write("Test.lng", "[Language]\r\nKey=before the step\r\n");
    auto lang = MakeLanguage();
    lang.SetChangerLauncher([this] {
        events_.push_back("changer");
        Record("Test.lng");
    });
    std::string pathAtStep;
    lang.SetProgressStep([&] {
        events_.push_back("step");
        pathAtStep = lang.LanguageFilePath();
        Write("Test.lng", "[Language]\r\nKey=written during the step\r\n");
    });
    EXPECT_EQ(lang.GetLanguageTextWithProgress("key"), "written during the step");
    EXPECT_EQ(events_, (std::vector<std::string>{"changer", "step"}));
    EXPECT_EQ(pathAtStep, folder_ + "Test.lng");

    // Later progress lookups step once each and bind no more.
    EXPECT_EQ(lang.GetLanguageTextWithProgress("key"), "written during the step");
    EXPECT_EQ(events_, (std::vector<std::string>{"changer", "step", "step"}));
}

TEST_F(LanguageLookup, CacheParsesOnceAndFollowsChangesOnDisk) {
    const std::string path = folder_ + "Test.lng";
    std::string bytes = "[Language]\r\n";
    for (int i = 0; i < 100; ++i) bytes += "Key" + std::to_string(i) + "=Text " + std::to_string(i) + "\r\n";
    bytes += "Probe=AAAA\r\n";
    Write("Test.lng", bytes);
    SetModificationTime(path, 1000000000);
    Record("Test.lng");
    auto lang = MakeLanguage();

    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(lang.GetLanguageText("key" + std::to_string(i)), "Text " + std::to_string(i));
    EXPECT_EQ(lang.GetLanguageText("Probe"), "AAAA");
    EXPECT_EQ(kv::ProfileParseCount(), 1u);

    struct Change {
        const char* name;
        std::string probe;  // same length each time, so the size never changes
        bool replaceFile;   // written beside and renamed over (a new inode), else rewritten in place
        time_t mtime;
    };
    const std::vector<Change> changes = {
        {"rewritten in place, newer time", "BBBB", false, 1000000100},
        {"rewritten in place, older time", "CCCC", false, 999999000},
        {"replaced by rename, same time", "DDDD", true, 999999000},
    };
    size_t parses = 1;
    for (const auto& c : changes) {
        std::string changed = bytes;
        changed.replace(changed.find("AAAA"), 4, c.probe);
        if (c.replaceFile) {
            Write("Test.new", changed);
            SetModificationTime(folder_ + "Test.new", c.mtime);
            fs::rename(folder_ + "Test.new", path);
        } else {
            Write("Test.lng", changed);
            SetModificationTime(path, c.mtime);
        }
        ASSERT_EQ(fs::file_size(path), bytes.size());
        const std::string cached = lang.GetLanguageText("probe");
        EXPECT_EQ(cached, c.probe) << c.name;
        EXPECT_EQ(kv::ProfileParseCount(), ++parses) << c.name;
        EXPECT_EQ(lang.GetLanguageText("Key7"), "Text 7");
        EXPECT_EQ(kv::ProfileParseCount(), parses) << c.name;

        kv::ClearProfileCache();  // a fresh read agrees with the cached one
        EXPECT_EQ(lang.GetLanguageText("probe"), cached) << c.name;
        parses = kv::ProfileParseCount();
    }
}

}  // namespace
