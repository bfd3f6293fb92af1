#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Codepage.h"
#include "state/SavedGame.h"
#include "state/TempSaves.h"
#include "support/SaveTestSupport.h"
#include "support/TestGame.h"

namespace kv {
namespace {

using savetest::ReadAll;
using savetest::ScratchFolder;

// Counts the look-ups in the store.
class CountingStore : public MemorySettingsStore {
public:
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& def = "") const override {
        ++reads;
        return MemorySettingsStore::GetSetting(app, section, key, def);
    }
    mutable size_t reads = 0;
};

struct TempGame {
    TempGame(const ScratchFolder& dir, const std::string& config) : rng(3), game(rng, settings, host, dir.Folders()) {
        game.lang.UseTexts({});
        game.lang.SetEchoMissing(true);
        game.st.ConfigName = config;
    }
    void Store(const std::string& key, const std::string& value) {
        settings.SaveSetting(kTempSavesApp, game.st.ConfigName, key, value);
    }
    CountingStore settings;
    test::RecordingHost host;
    SeededRandom rng;
    Game game;
};

TEST(TempSaves, PiecesAreJoinedAndLogLinesDecoded) {
    ScratchFolder dir;
    TempGame t(dir, "Main");
    t.Store("KVWLines", "3");
    t.Store("KVW1", "ab");
    t.Store("KVW2", "");
    t.Store("KVW3", "c");
    t.Store("LOGLines", "2");
    t.Store("LOG1", Cp1252ToUtf8(FlipSavedBytes("Hull breach")));
    t.Store("LOG2", Cp1252ToUtf8(FlipSavedBytes("Caf\xE9")));
    EXPECT_EQ(RecoverTempSaves(t.game), TempSaveResult::Restored);
    EXPECT_EQ(ReadAll(dir.Saves() + "Main Temp.KVW"), "abc");
    EXPECT_EQ(ReadAll(dir.Saves() + "Main Temp.LOG"), "Hull breach\r\nCaf\xE9\r\n");  // Windows-1252 on disk
    EXPECT_EQ(t.host.events, (std::vector<std::string>{"progress+show:<KVMAIN0077>", "progress:"}));

    // "LOGLines" 0 with a game copy: an empty log.
    t.Store("LOGLines", "0");
    EXPECT_EQ(RecoverTempSaves(t.game), TempSaveResult::Restored);
    EXPECT_EQ(ReadAll(dir.Saves() + "Main Temp.LOG"), "");
}

TEST(TempSaves, NoCopyWritesNothing) {
    ScratchFolder dir;
    for (const char* lines : {"", "0", "-2", "none"}) {
        TempGame t(dir, "Main");
        if (*lines) t.Store("KVWLines", lines);
        t.Store("KVW1", "ab");
        EXPECT_EQ(RecoverTempSaves(t.game), TempSaveResult::None) << lines;
        EXPECT_TRUE(t.host.events.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Saves() + "Main Temp.KVW"));
}

TEST(TempSaves, CountsBeyondAnySaveAreRefusedAsBroken) {
    struct Case {
        const char* kvwLines;
        const char* logLines;
        TempSaveResult result;
    };
    const Case cases[] = {
        {"1000000", "1", TempSaveResult::Broken}, {"1", "1000000", TempSaveResult::Broken},
        {"65536", "0", TempSaveResult::Broken},   {"1E+300", "0", TempSaveResult::Broken},
        {"1", "65535", TempSaveResult::Restored},  // a full message log
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kvwLines) + " / " + c.logLines);
        ScratchFolder dir;
        TempGame t(dir, "Main");
        t.Store("KVWLines", c.kvwLines);
        t.Store("KVW1", "x");
        t.Store("LOGLines", c.logLines);
        EXPECT_EQ(RecoverTempSaves(t.game), c.result);
        if (c.result == TempSaveResult::Broken) {
            // Told as a file that cannot be read; nothing is written or looked up piece by piece.
            ASSERT_EQ(t.host.notices.size(), 1u);
            EXPECT_EQ(t.host.notices[0], "<KVMAIN0005><KVMAIN0071>\r\n" + dir.Saves() + "Main Temp.KVW");
            EXPECT_FALSE(std::filesystem::exists(dir.Saves() + "Main Temp.KVW"));
            EXPECT_FALSE(std::filesystem::exists(dir.Saves() + "Main Temp.LOG"));
            EXPECT_EQ(t.settings.reads, 2u);
        } else {
            EXPECT_TRUE(t.host.notices.empty());
            EXPECT_EQ(ReadAll(dir.Saves() + "Main Temp.LOG").size(), 65535u * 2);
        }
    }
}

TEST(TempSaves, ARestoredCopyLoadsAsASavedGameUnderASafeName) {
    ScratchFolder dir;
    std::string stored;
    {
        SeededRandom rng(5);
        test::TestGame tg(rng);
        savetest::FillKnownState(tg.game.st);
        ASSERT_TRUE(SaveGame(tg.game, dir.Path() + "source", {}));
        stored = ReadAll(dir.Path() + "source.KVW");
    }
    TempGame t(dir, "../Jo/Ann");
    t.Store("KVWLines", "4");
    const size_t q = stored.size() / 4;
    for (int i = 0; i < 4; ++i)
        t.Store("KVW" + std::to_string(i + 1), Cp1252ToUtf8(stored.substr(i * q, i == 3 ? std::string::npos : q)));
    t.Store("LOGLines", "1");
    t.Store("LOG1", Cp1252ToUtf8(FlipSavedBytes("restored")));
    ASSERT_EQ(RecoverTempSaves(t.game), TempSaveResult::Restored);
    EXPECT_TRUE(ReadAll(dir.Saves() + "_Jo_Ann Temp.KVW") == stored);

    t.game.st.UpgradesOn = kTrue;
    std::vector<std::string> log;
    ASSERT_TRUE(LoadGame(t.game, "_Jo_Ann Temp", &log));
    EXPECT_EQ(t.game.st.ConfigName, "Jane Doe");
    EXPECT_EQ(log, std::vector<std::string>{"restored"});
}

TEST(TempSaves, AFileThatCannotBeWrittenKeepsTheCopy) {
    ScratchFolder dir;
    TempGame t(dir, "Main");
    std::filesystem::create_directories(dir.Saves() + "Main Temp.KVW");
    t.Store("KVWLines", "1");
    t.Store("KVW1", "x");
    EXPECT_EQ(RecoverTempSaves(t.game), TempSaveResult::Failed);
    ASSERT_EQ(t.host.notices.size(), 1u);
    EXPECT_EQ(t.host.notices[0], "<KVMAIN0005><KVMAIN0071>\r\n" + dir.Saves() + "Main Temp.KVW");
}

}  // namespace
}  // namespace kv
