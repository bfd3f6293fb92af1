#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <set>

#include "state/SavedGame.h"
#include "state/ShipValues.h"
#include "support/SaveTestSupport.h"
#include "support/TestGame.h"

namespace kv {
namespace {

using savetest::ReadAll;
using savetest::ScratchFolder;
using savetest::WriteAll;

const std::array<std::string, 4> kConditionWords = {"YELLOW", "DOCKED", "GREEN", "*RED*"};

// A game ready to save or load: condition words, a sound folder with ERROR.WAV and a device.
struct SaveGame_ {
    explicit SaveGame_(const ScratchFolder& dir) : rng(7), tg(rng, dir.Folders()) {
        auto& s = tg.game.st;
        s.ConditionNames = kConditionWords;
        s.SoundsPath = dir.Path() + "sounds/";
        std::filesystem::create_directories(s.SoundsPath);
        WriteAll(s.SoundsPath + "ERROR.WAV", "RIFF");
        s.WaveDevicePresent = 1;
        s.SoundOn = kTrue;
        s.TechLevel = 3;
        s.UpgradesOn = kTrue;  // no notices from the reset's upgrade grants
    }
    SeededRandom rng;
    test::TestGame tg;
};

size_t CountLines(const std::string& plain) {
    size_t n = 0;
    for (size_t p = plain.find("\r\n"); p != std::string::npos; p = plain.find("\r\n", p + 2)) ++n;
    return n;
}

// What a refused load leaves: the reset state, no file name, no running game.
void ExpectNothingLoaded(const GameState& s) {
    EXPECT_EQ(s.GameFileName, "");
    EXPECT_FALSE(s.GameRunning);
    EXPECT_EQ(s.Galaxy, Grid9{});
    EXPECT_EQ(s.ShipQuadrantRow, 0);
    for (const auto& rec : s.StarSystemTable) EXPECT_FALSE(rec.InUse());
}

// Runs `load` on a game in progress and checks that the game goes on as it was: its whole
// state, file name, unsaved changes, message log and the Morv tractor beam holding the ship.
template <class Load>
void ExpectRunningGameKept(SaveGame_& g, Load load) {
    GameState& s = g.tg.game.st;
    savetest::FillKnownState(s);
    s.GameRunning = kTrue;
    s.GameFileName = "previous";
    s.GameChanged = kTrue;
    g.tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true);
    g.tg.host.output = {"a line of the running game"};
    const std::string before = SavedGameText(s);
    const GameState copy = s;
    load();
    EXPECT_EQ(SavedGameText(s), before);
    EXPECT_TRUE(s.GameRunning);
    EXPECT_EQ(s.GameFileName, "previous");
    EXPECT_TRUE(s.GameChanged);
    EXPECT_EQ(s.ConfigName, copy.ConfigName);
    EXPECT_EQ(s.Galaxy, copy.Galaxy);
    EXPECT_EQ(s.ShipEnergy, copy.ShipEnergy);
    EXPECT_TRUE(g.tg.game.TimerEnabled(Timer::frmSRS_tmrMorvTractor));
    EXPECT_EQ(g.tg.host.output, std::vector<std::string>{"a line of the running game"});
}

TEST(SaveGame, WritesTheHeaderMagicAndOneLinePerItemAndStarSystem) {
    ScratchFolder dir;
    SaveGame_ a(dir);
    savetest::FillKnownState(a.tg.game.st);
    ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "known", {"first line", "second"}));

    const std::string stored = ReadAll(dir.Path() + "known.KVW");
    ASSERT_GE(stored.size(), 4u);
    EXPECT_EQ(static_cast<unsigned char>(stored[0]), 213);
    EXPECT_EQ(static_cast<unsigned char>(stored[1]), 168);
    EXPECT_EQ(static_cast<unsigned char>(stored[2]), 182);
    EXPECT_EQ(static_cast<unsigned char>(stored[3]), 177);
    // Line ends are stored like any other character: the file is one unbroken run.
    EXPECT_EQ(stored.find('\n'), std::string::npos);

    const std::string plain = FlipSavedBytes(stored);
    EXPECT_EQ(plain.substr(0, plain.find("\r\n")), "*WINV13* Jane Doe");
    EXPECT_EQ(CountLines(plain), 481u + 20u);
    EXPECT_EQ(plain.substr(plain.size() - 9), "#FALSE#\r\n");
    // A star-system line: quoted 20-character name and descriptor, printed numbers.
    const std::string line = "\"Sys 1-1" + std::string(13, ' ') +
                             "\",\"SYS11.ssd\", 3 ,-3 , 1 , 8 ,-68999 , 0 , 0 , 1 , 32769 , 0 , 0 ,-.5 , 1 ,-1 , 2 ,";
    EXPECT_NE(plain.find(line), std::string::npos);
    EXPECT_EQ(ReadAll(dir.Path() + "known.LOG"), "first line\r\nsecond\r\n");
}

// The single-value and mixed lines of the layout, each item at its place (the round trip alone
// would not see two items swapped in both the writer and the reader).
TEST(SaveGame, ItemsStandInTheirPlaces) {
    ScratchFolder dir;
    SaveGame_ a(dir);
    savetest::FillKnownState(a.tg.game.st);
    a.tg.game.st.ShieldFactor = 0.5f;
    ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "order", {}));
    const std::string plain = FlipSavedBytes(ReadAll(dir.Path() + "order.KVW"));
    std::vector<std::string> lines;
    for (size_t p = 0, e; (e = plain.find("\r\n", p)) != std::string::npos; p = e + 2)
        lines.push_back(plain.substr(p, e - p));
    ASSERT_EQ(lines.size(), 481u + 20u);
    auto from = [&](size_t first, size_t n) {
        return std::vector<std::string>(lines.begin() + first, lines.begin() + first + n);
    };
    // Grids: row 1, column 2 of each of the five is the second line of its block.
    EXPECT_EQ(lines[1 + 1], "2");      // SectorGrid (1, 2)
    EXPECT_EQ(lines[65 + 1], "-38");   // SpareGrid
    EXPECT_EQ(lines[129 + 1], "-1");   // KnownGalaxy
    EXPECT_EQ(lines[193 + 1], "210");  // Galaxy
    EXPECT_EQ(lines[257 + 8], "1");    // CloakedPerQuadrant (row 2, column 1)
    // Items 6 to 16.
    EXPECT_EQ(from(321, 15),
              (std::vector<std::string>{"7,2,-2,1,4,5,-1,1,6.25", "2,-1,17,20,2", "1,-1,4,3", "2", "3", "4", "1", "5",
                                        "2400,1234,1,0,3.7,0.2,0,1.25,14321,15000,70,55,9,20,2,1,3,-32767,11",
                                        "33,21,20,12.345678,40,12,3,5,13,14,3,7,2,-1,15,12,50000,35000,\"*RED*\"",
                                        "6,10,5,6,-1,1,80.5,1,1,16,17,0,18,5,6,2,3,4", "1200000,4,5000,2,-1,1",
                                        "3,-1,1", "0.5,4,4.7,2", "-1,3,0,-1"}));
    // Item 17: each table walks its first index in the outer loop.
    EXPECT_EQ(from(336, 8), (std::vector<std::string>{"0", "7", "14", "21", "1", "2", "3", "4"}));
    EXPECT_EQ(lines[336 + 16 + 4], "1");                                      // StarbaseSectors (1, 0)
    EXPECT_EQ(lines[336 + 28 + 10], "1");                                     // ZarvoniShips (2, 1)
    EXPECT_EQ(lines[336 + 28 + 20], std::to_string(3 - 20));                  // ZarvoniShips (3, 1)
    EXPECT_EQ(lines[336 + 68 + 5], "3");                                      // CloakedShips (2, 1)
    EXPECT_EQ(from(414, 4), (std::vector<std::string>{"3", "4", "5", "6"}));  // MorvShip
    // Item 18: slot, then its button's number.
    EXPECT_EQ(from(418, 10), (std::vector<std::string>{"1", "3", "0", "0", "2", "12", "0", "0", "3", "7"}));
    // Item 19.
    EXPECT_EQ(from(428, 2), (std::vector<std::string>{"0.75", "1.5"}));  // SystemDamage 1, 2
    EXPECT_EQ(lines[436], "-1");                                         // ZarvoniEnergy 0
    EXPECT_EQ(from(447, 6), (std::vector<std::string>{"-1", "4", "5", "6", "7", "40000"}));
    EXPECT_EQ(from(453, 4), (std::vector<std::string>{"0", "-1", "0", "1"}));
    EXPECT_EQ(lines[457], "1000");                                   // ColorTable 1
    EXPECT_EQ(from(464, 2), (std::vector<std::string>{"-1", "0"}));  // ZarvoniFlags 1, 2
    EXPECT_EQ(lines[474], "50");                                     // CloakedEnergy 1
    EXPECT_EQ(lines[479], "\"Kapit\xE4n \"\"Ace\"\", Esq.\"");       // quotes inside a text doubled
    EXPECT_EQ(lines[480].substr(0, 9), "\"Sys 1-1 ");
    EXPECT_EQ(lines[500], "#FALSE#");
}

TEST(SaveGame, RoundTripsEveryItemAndTheLog) {
    ScratchFolder dir;
    SaveGame_ a(dir);
    savetest::FillKnownState(a.tg.game.st);
    a.tg.game.st.GameChanged = kTrue;
    // The highest planet flag bits (47 to 49) give a 15-digit whole part.
    a.tg.game.st.StarSystem(8, 8, 1).Planets[9].PlanetBits = ((int64_t{5} << 47) + 5) * 10000 + 1;
    const std::vector<std::string> log = {"Kapit\xC3\xA4n's log", "", "line, with comma"};
    ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "round.KVW", log));
    EXPECT_FALSE(a.tg.game.st.GameChanged);
    EXPECT_EQ(a.tg.game.st.GameFileName, dir.Path() + "round");

    SaveGame_ b(dir);
    std::vector<std::string> logBack;
    ASSERT_TRUE(LoadGame(b.tg.game, dir.Path() + "round", &logBack));
    const GameState& s = b.tg.game.st;
    EXPECT_TRUE(b.tg.host.notices.empty());
    EXPECT_TRUE(s.GameRunning);
    EXPECT_FALSE(s.GameChanged);
    EXPECT_EQ(s.GameFileName, dir.Path() + "round.KVW");
    EXPECT_EQ(s.ConfigName, "Jane Doe");
    EXPECT_EQ(logBack, log);
    // The log is shown, followed by the load notice.
    std::vector<std::string> shown = log;
    shown.push_back("<KVMAIN0074>");
    EXPECT_EQ(b.tg.host.output, shown);
    EXPECT_EQ(s.CaptainName, "Kapit\xC3\xA4n \"Ace\", Esq.");
    EXPECT_EQ(s.ShieldFactor, 0.8f * 0.8f);
    EXPECT_EQ(s.TimeLeft, 12.345678f);
    EXPECT_EQ(s.TechLevel, 6.25);
    EXPECT_EQ(s.ConditionText, "*RED*");
    EXPECT_EQ(s.RetrofitButtonTag, (std::array<std::string, 5>{"3", "", "12", "", "7"}));
    EXPECT_EQ(s.StarSystem(3, 3, 4), a.tg.game.st.StarSystem(3, 3, 4));
    EXPECT_EQ(s.StarSystem(6, 6, 1).Planets[5].PlanetBits, -123456789012345LL);
    EXPECT_EQ(s.StarSystem(8, 8, 1).Planets[9].PlanetBits, ((int64_t{5} << 47) + 5) * 10000 + 1);

    // Every item reads back: the same state saves to the same bytes.
    ASSERT_TRUE(SaveGame(b.tg.game, dir.Path() + "again", log));
    EXPECT_EQ(FlipSavedBytes(ReadAll(dir.Path() + "again.KVW")), FlipSavedBytes(ReadAll(dir.Path() + "round.KVW")));
}

TEST(SaveGame, NamesDropTheStarAndCutOnlyTheFileName) {
    ScratchFolder dir;
    SaveGame_ a(dir);
    a.tg.game.st.ShipQuadrantRow = a.tg.game.st.ShipQuadrantCol = 1;
    a.tg.game.st.ShipSectorRow = a.tg.game.st.ShipSectorCol = 1;

    a.tg.game.st.GameChanged = kTrue;
    ASSERT_TRUE(SaveGame(a.tg.game, "*EMERGNCY", {}));
    EXPECT_TRUE(std::filesystem::exists(dir.Saves() + "EMERGNCY.KVW"));
    EXPECT_TRUE(std::filesystem::exists(dir.Saves() + "EMERGNCY.LOG"));
    EXPECT_EQ(a.tg.game.st.GameFileName, "EMERGNCY");
    EXPECT_FALSE(a.tg.game.st.GameChanged);

    std::filesystem::create_directories(dir.Path() + "my.games");
    ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "my.games/game.old.KVW", {}));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() + "my.games/game.KVW"));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() + "my.games/game.LOG"));
    // Loading by the name without extension: the folder's dot does not count as one.
    std::filesystem::create_directories(dir.Path() + "g.d");
    ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "g.d/x", {}));
    {
        SaveGame_ b(dir);
        EXPECT_TRUE(LoadGame(b.tg.game, dir.Path() + "g.d/x"));
        EXPECT_EQ(b.tg.game.st.GameFileName, dir.Path() + "g.d/x.KVW");
    }

    // The timed save leaves the game marked as unsaved.
    a.tg.game.st.GameChanged = kTrue;
    ASSERT_TRUE(SaveGame(a.tg.game, "timesave", {}));
    EXPECT_TRUE(a.tg.game.st.GameChanged);
    EXPECT_TRUE(std::filesystem::exists(dir.Saves() + "timesave.KVW"));

    // Nothing is left of these names: nothing is written.
    for (const char* name : {"", "*", ".hidden", "folder/.x"}) EXPECT_FALSE(SaveGame(a.tg.game, name, {})) << name;
    EXPECT_TRUE(a.tg.host.notices.empty());
}

// The disk, with one kind of operation failing: "write KVW", "write LOG", "read" (the game
// file reads back changed), "rename KVW", "rename LOG" or "sync".
// A failing operation leaves the system's error number `error`.
class FailingFiles : public SaveFileSystem {
public:
    explicit FailingFiles(std::string failing, int error = EIO) : failing_(std::move(failing)), error_(error) {}
    bool WriteFlushed(const std::string& path, const std::string& bytes) override {
        if (Fails("write", path)) {
            WriteAll(path, bytes.substr(0, bytes.size() / 2));
            errno = error_;
            return false;
        }
        return DiskSaveFiles().WriteFlushed(path, bytes);
    }
    bool Read(const std::string& path, std::string& bytes) override {
        const bool ok = DiskSaveFiles().Read(path, bytes);
        if (failing_ == "read" && !bytes.empty()) bytes[bytes.size() / 2] ^= 1;
        return ok;
    }
    bool Rename(const std::string& from, const std::string& to) override {
        if (!Fails("rename", to)) return DiskSaveFiles().Rename(from, to);
        errno = error_;
        return false;
    }
    bool Remove(const std::string& path) override { return DiskSaveFiles().Remove(path); }
    bool Exists(const std::string& path) override { return DiskSaveFiles().Exists(path); }
    bool SyncFolder(const std::string& folder) override {
        if (failing_ != "sync") return DiskSaveFiles().SyncFolder(folder);
        errno = error_;
        return false;
    }

private:
    bool Fails(const std::string& op, const std::string& path) const {
        const std::string kind = path.find(".KVW") != std::string::npos ? "KVW" : "LOG";
        return failing_ == op + " " + kind;
    }
    std::string failing_;
    int error_;
};

bool LeftoversOf(const std::string& base) {
    return std::filesystem::exists(base + ".KVW" + kSavingSuffix) ||
           std::filesystem::exists(base + ".LOG" + kSavingSuffix);
}

TEST(SaveGame, AFailedSaveKeepsAWholePair) {
    struct Case {
        const char* failing;
        const char* reported;  // the file named to the player
        bool gameReplaced;     // only a failure after the first rename cannot keep the old game
        int error;             // the system's error number of the failure
        std::string said;      // what the player is told before the file
    };
    const Case cases[] = {
        {"write KVW", "KVW", false, ENOSPC, "<FileDiskFull>"}, {"read", "KVW", false, 0, "<SaveUnverified>"},
        {"write LOG", "LOG", false, EACCES, "<FileDenied>"},   {"rename KVW", "KVW", false, EROFS, "<FileDenied>"},
        {"rename LOG", "LOG", true, EIO, "<FileNotWritten>"},  {"sync", "KVW", true, EIO, "<FileNotWritten>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        ScratchFolder dir;
        SaveGame_ a(dir);
        savetest::FillKnownState(a.tg.game.st);
        const std::string base = dir.Path() + "keep";
        ASSERT_TRUE(SaveGame(a.tg.game, base, {"old log"}));
        const std::string oldGame = ReadAll(base + ".KVW");

        a.tg.game.st.ShipEnergy = 1;
        a.tg.game.st.GameChanged = kTrue;
        FailingFiles files(c.failing, c.error);
        EXPECT_FALSE(SaveGame(a.tg.game, base, {"new log"}, &files));
        EXPECT_EQ(ReadAll(base + ".KVW") == oldGame, !c.gameReplaced);
        // A log that could not be renamed in stays beside the new game, for the next load.
        const bool logBeside = std::string(c.failing) == "rename LOG";
        if (std::string(c.failing) != "sync") {
            EXPECT_EQ(ReadAll(base + ".LOG"), "old log\r\n");
        }
        EXPECT_EQ(LeftoversOf(base), logBeside);
        EXPECT_TRUE(a.tg.game.st.GameChanged);
        ASSERT_EQ(a.tg.host.notices.size(), 1u);
        EXPECT_EQ(a.tg.host.notices[0], c.said + "\r\n" + base + "." + c.reported +
                                            (c.error == EIO ? "\r\n" + std::string(std::strerror(EIO)) : ""));

        // Whatever failed, a load gives a game and the log saved with it.
        SaveGame_ b(dir);
        std::vector<std::string> log;
        ASSERT_TRUE(LoadGame(b.tg.game, base, &log));
        EXPECT_EQ(b.tg.game.st.ShipEnergy, c.gameReplaced ? 1 : 14321);
        EXPECT_EQ(log, std::vector<std::string>{c.gameReplaced ? "new log" : "old log"});
        EXPECT_FALSE(LeftoversOf(base));
    }
}

TEST(SaveGame, NeverWritesAGameItCannotLoadNorPastAFolderInTheWay) {
    ScratchFolder dir;
    SaveGame_ a(dir);
    savetest::FillKnownState(a.tg.game.st);
    const std::string base = dir.Path() + "odd";
    ASSERT_TRUE(SaveGame(a.tg.game, base, {"old log"}));
    const std::string oldGame = ReadAll(base + ".KVW");

    // A quadrant with five star systems: the reader refuses such a galaxy.
    a.tg.game.st.Galaxy[2][2] = 5;
    a.tg.game.st.GameChanged = kTrue;
    EXPECT_FALSE(SaveGame(a.tg.game, base, {"new log"}));
    EXPECT_EQ(ReadAll(base + ".KVW"), oldGame);
    EXPECT_EQ(ReadAll(base + ".LOG"), "old log\r\n");
    EXPECT_FALSE(LeftoversOf(base));
    EXPECT_TRUE(a.tg.game.st.GameChanged);
    EXPECT_EQ(a.tg.host.notices.back(), "<SaveUnverified>\r\n" + base + ".KVW");

    // A log that cannot be replaced (a folder stands in its place): nothing is written.
    a.tg.game.st.Galaxy[2][2] = 0;
    std::filesystem::create_directories(dir.Path() + "blocked.LOG");
    EXPECT_FALSE(SaveGame(a.tg.game, dir.Path() + "blocked", {"x"}));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "blocked.KVW"));
    EXPECT_TRUE(a.tg.game.st.GameChanged);
    EXPECT_EQ(a.tg.host.notices.back(),
              "<FileNotWritten>\r\n" + dir.Path() + "blocked.LOG\r\n" + std::strerror(EISDIR));
}

// Stands for the program being ended: no handler of the save catches it.
struct Killed {};

// The disk, with the program ended at operation number `killAt` (from 0): a write ends
// half-way through its bytes, any other operation ends before it is done.
class KilledFiles : public SaveFileSystem {
public:
    explicit KilledFiles(int killAt) : killAt_(killAt) {}
    bool WriteFlushed(const std::string& path, const std::string& bytes) override {
        if (Step("write", path)) {
            WriteAll(path, bytes.substr(0, bytes.size() / 2));
            throw Killed{};
        }
        return DiskSaveFiles().WriteFlushed(path, bytes);
    }
    bool Read(const std::string& path, std::string& bytes) override {
        if (Step("read", path)) throw Killed{};
        return DiskSaveFiles().Read(path, bytes);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        if (Step("rename", from)) throw Killed{};
        const bool renamed = DiskSaveFiles().Rename(from, to);
        gameReplaced = gameReplaced || (renamed && to.size() > 4 && to.compare(to.size() - 4, 4, ".KVW") == 0);
        return renamed;
    }
    bool Remove(const std::string& path) override {
        if (Step("remove", path)) throw Killed{};
        return DiskSaveFiles().Remove(path);
    }
    bool Exists(const std::string& path) override {
        if (Step("exists", path)) throw Killed{};
        return DiskSaveFiles().Exists(path);
    }
    bool SyncFolder(const std::string& folder) override {
        if (Step("sync", "")) throw Killed{};
        return DiskSaveFiles().SyncFolder(folder);
    }
    std::vector<std::string> ops;
    bool gameReplaced = false;  // the save got as far as putting its game file in place

private:
    bool Step(const std::string& op, const std::string& path) {
        ops.push_back(path.empty() ? op : op + " " + path.substr(path.find_last_of('/') + 1));
        return static_cast<int>(ops.size()) - 1 == killAt_;
    }
    int killAt_;
};

TEST(SaveGame, ASaveKilledAfterAnyStepLeavesAWholePairForTheNextLoadOrSave) {
    ScratchFolder dir;
    const std::string base = dir.Path() + "durable";
    // The bytes of the old and the new game, and the steps of a save that runs through.
    std::string oldGame, newGame;
    KilledFiles whole(-1);
    {
        SaveGame_ a(dir);
        savetest::FillKnownState(a.tg.game.st);
        ASSERT_TRUE(SaveGame(a.tg.game, base, {"old"}));
        oldGame = ReadAll(base + ".KVW");
        a.tg.game.st.ShipEnergy = 1;
        ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "new", {"new"}, &whole));
        newGame = ReadAll(dir.Path() + "new.KVW");
    }
    ASSERT_EQ(whole.ops, (std::vector<std::string>{"exists new.LOG.tmp", "exists new.KVW.tmp", "write new.KVW.tmp",
                                                   "read new.KVW.tmp", "write new.LOG.tmp", "rename new.KVW.tmp",
                                                   "rename new.LOG.tmp", "sync"}));
    const int renameGame = 5, renameLog = 6;

    for (int k = 0; k < static_cast<int>(whole.ops.size()); ++k) {
        for (bool thenLoad : {false, true}) {
            SCOPED_TRACE(whole.ops[static_cast<size_t>(k)] + (thenLoad ? ", then a load" : ", then a save"));
            WriteAll(base + ".KVW", oldGame);
            WriteAll(base + ".LOG", "old\r\n");
            SaveGame_ b(dir);
            savetest::FillKnownState(b.tg.game.st);
            b.tg.game.st.ShipEnergy = 1;
            KilledFiles killed(k);
            EXPECT_THROW(SaveGame(b.tg.game, base, {"new"}, &killed), Killed);

            // On disk: the old pair, the new pair, or (killed between the renames) the new game
            // with its new log still beside.
            EXPECT_EQ(ReadAll(base + ".KVW"), k > renameGame ? newGame : oldGame);
            EXPECT_EQ(ReadAll(base + ".LOG"), k > renameLog ? "new\r\n" : "old\r\n");
            EXPECT_EQ(LeftoversOf(base), k >= 2 && k <= renameLog);  // from the first write on

            SaveGame_ c(dir);
            if (thenLoad) {
                // The game and the log of one save, never a mix.
                std::vector<std::string> log;
                EXPECT_TRUE(LoadGame(c.tg.game, base, &log));
                EXPECT_EQ(c.tg.game.st.ShipEnergy, k > renameGame ? 1 : 14321);
                EXPECT_EQ(log, std::vector<std::string>{k > renameGame ? "new" : "old"});
                EXPECT_EQ(ReadAll(base + ".LOG"), k > renameGame ? "new\r\n" : "old\r\n");
            } else {
                savetest::FillKnownState(c.tg.game.st);
                EXPECT_TRUE(SaveGame(c.tg.game, base, {"again"}));
                EXPECT_EQ(ReadAll(base + ".LOG"), "again\r\n");
            }
            EXPECT_FALSE(LeftoversOf(base));
            EXPECT_TRUE(c.tg.host.notices.empty());
        }
    }
}

TEST(SaveGame, SavesAndLoadsKilledAtRandomNeverLeaveAMixedPair) {
    ScratchFolder dir;
    const std::string base = dir.Path() + "again";
    // Game n is told apart by its energy and saved with the log line "game n".
    auto save = [&](int n, SaveFileSystem* files) {
        SaveGame_ a(dir);
        savetest::FillKnownState(a.tg.game.st);
        a.tg.game.st.ShipEnergy = 1000 + n;
        return SaveGame(a.tg.game, base, {"game " + std::to_string(n)}, files);
    };
    ASSERT_TRUE(save(0, nullptr));
    int inPlace = 0;  // the last game whose save put its game file in place
    std::mt19937 pick(25);
    auto killAt = [&](int last) { return std::uniform_int_distribution<int>(0, last)(pick); };
    for (int n = 1; n <= 60; ++n) {
        KilledFiles killed(killAt(11));  // past its last step a save runs through
        try {
            save(n, &killed);
        } catch (const Killed&) {
        }
        if (killed.gameReplaced) inPlace = n;
        if (n % 4 != 0) continue;  // several saves ended in a row, then a load, itself ended now and then
        SCOPED_TRACE("after game " + std::to_string(n));
        try {
            SaveGame_ x(dir);
            KilledFiles killedLoad(killAt(5));
            LoadGame(x.tg.game, base, nullptr, &killedLoad);
        } catch (const Killed&) {
        }
        SaveGame_ b(dir);
        std::vector<std::string> log;
        ASSERT_TRUE(LoadGame(b.tg.game, base, &log));
        EXPECT_EQ(b.tg.game.st.ShipEnergy, 1000 + inPlace);
        EXPECT_EQ(log, std::vector<std::string>{"game " + std::to_string(inPlace)});
        EXPECT_FALSE(LeftoversOf(base));
    }
}

// The disk, with every `op` ("remove" or "rename") of a file whose name ends in `file` failing.
class StuckFiles : public SaveFileSystem {
public:
    StuckFiles(std::string op, std::string file) : op_(std::move(op)), file_(std::move(file)) {}
    bool WriteFlushed(const std::string& path, const std::string& bytes) override {
        return DiskSaveFiles().WriteFlushed(path, bytes);
    }
    bool Read(const std::string& path, std::string& bytes) override { return DiskSaveFiles().Read(path, bytes); }
    bool Rename(const std::string& from, const std::string& to) override {
        return !Stuck("rename", from) && DiskSaveFiles().Rename(from, to);
    }
    bool Remove(const std::string& path) override { return !Stuck("remove", path) && DiskSaveFiles().Remove(path); }
    bool Exists(const std::string& path) override { return DiskSaveFiles().Exists(path); }
    bool SyncFolder(const std::string& folder) override { return DiskSaveFiles().SyncFolder(folder); }
    int failures = 0;

private:
    bool Stuck(const std::string& op, const std::string& path) {
        const bool stuck = op == op_ && path.size() >= file_.size() &&
                           path.compare(path.size() - file_.size(), file_.size(), file_) == 0;
        failures += stuck;
        return stuck;
    }
    std::string op_, file_;
};

// The old pair of `base` (energy 14321, log "old") and a save of a new one (energy 1, log "new")
// ended at step `killAt` of KilledFiles.
void KilledOverAnOldPair(const ScratchFolder& dir, const std::string& base, int killAt) {
    SaveGame_ a(dir);
    savetest::FillKnownState(a.tg.game.st);
    ASSERT_TRUE(SaveGame(a.tg.game, base, {"old"}));
    a.tg.game.st.ShipEnergy = 1;
    KilledFiles killed(killAt);
    EXPECT_THROW(SaveGame(a.tg.game, base, {"new"}, &killed), Killed);
}

TEST(SaveGame, ACleanUpThatFailsLeavesThePairInPlaceAsItIs) {
    const int writeLog = 4, renameLog = 6;  // steps of a save (see the test above)
    const struct {
        const char* why;
        int killAt;
        const char* stuck;  // the operation that fails
        const char* file;   // on this file
        bool newInPlace;    // the game in place is the new one
    } cases[] = {
        // Killed while writing the new log: both new files stand, the log torn.
        {"a new log that cannot be removed", writeLog, "remove", ".LOG.tmp", false},
        {"a new game that cannot be removed", writeLog, "remove", ".KVW.tmp", false},
        // Killed before the new log was renamed: it stands whole beside the new game.
        {"a new log that cannot be moved into place", renameLog, "rename", ".LOG.tmp", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ScratchFolder dir;
        const std::string base = dir.Path() + "stuck";
        KilledOverAnOldPair(dir, base, c.killAt);
        const std::string file = c.file;
        const std::string oldLog = ReadAll(base + ".LOG"), game = ReadAll(base + ".KVW");
        const Integer energy = c.newInPlace ? 1 : 14321;
        const std::vector<std::string> log{c.newInPlace ? "new" : "old"};

        // Each load gives the game in place with its own log.
        StuckFiles files(c.stuck, file);
        for (int round = 0; round < 2; ++round) {
            SaveGame_ b(dir);
            std::vector<std::string> loaded;
            EXPECT_TRUE(LoadGame(b.tg.game, base, &loaded, &files));
            EXPECT_EQ(b.tg.game.st.ShipEnergy, energy);
            EXPECT_EQ(loaded, log);
            EXPECT_TRUE(b.tg.host.notices.empty());
        }
        EXPECT_GT(files.failures, 1);
        // A save writes nothing and names the file in the way.
        SaveGame_ b(dir);
        savetest::FillKnownState(b.tg.game.st);
        EXPECT_FALSE(SaveGame(b.tg.game, base, {"refused"}, &files));
        EXPECT_EQ(b.tg.host.notices, std::vector<std::string>{"<FileNotWritten>\r\n" + base + file});
        EXPECT_EQ(ReadAll(base + ".KVW"), game);
        EXPECT_EQ(ReadAll(base + ".LOG"), oldLog);

        // Once the files can be moved and removed again, the same pair loads and nothing is left.
        SaveGame_ d(dir);
        std::vector<std::string> loaded;
        ASSERT_TRUE(LoadGame(d.tg.game, base, &loaded));
        EXPECT_EQ(d.tg.game.st.ShipEnergy, energy);
        EXPECT_EQ(loaded, log);
        EXPECT_FALSE(LeftoversOf(base));
    }
}

TEST(SaveGame, WhatEndedSavesLeftIsFinishedForEveryNameAtOnce) {
    ScratchFolder dir;
    const std::string saves = dir.Saves();
    // Killed writing the new game, writing the new log, and before moving the new log in.
    KilledOverAnOldPair(dir, saves + "first", 2);
    KilledOverAnOldPair(dir, saves + "second", 4);
    KilledOverAnOldPair(dir, saves + "third", 6);
    // Files that no save of the game leaves are not touched.
    for (const char* other : {"notes.tmp", "fourth.kvw.TMP", "fifth.LOG.tmp.bak"}) WriteAll(saves + other, "x");
    std::set<std::string> before;
    for (const auto& e : std::filesystem::directory_iterator(saves)) before.insert(e.path().filename().string());
    ASSERT_TRUE(before.count("first.KVW.tmp") && before.count("second.LOG.tmp") && before.count("third.LOG.tmp"));

    SaveGame_ a(dir);
    FinishInterruptedSaves(a.tg.game);
    std::set<std::string> after;
    for (const auto& e : std::filesystem::directory_iterator(saves)) after.insert(e.path().filename().string());
    EXPECT_EQ(after, (std::set<std::string>{"first.KVW", "first.LOG", "second.KVW", "second.LOG", "third.KVW",
                                            "third.LOG", "notes.tmp", "fourth.kvw.TMP", "fifth.LOG.tmp.bak"}));
    EXPECT_EQ(ReadAll(saves + "first.LOG"), "old\r\n");
    EXPECT_EQ(ReadAll(saves + "second.LOG"), "old\r\n");
    EXPECT_EQ(ReadAll(saves + "third.LOG"), "new\r\n");
    SaveGame_ b(dir);
    ASSERT_TRUE(LoadGame(b.tg.game, "third"));
    EXPECT_EQ(b.tg.game.st.ShipEnergy, 1);
}

// Plain text of a hand-written fixture, stored as a game file.
std::string StoreFixture(const ScratchFolder& dir, const std::string& fixture) {
    std::string plain = ReadAll(std::string(KESTRAVA_TEST_DATA_DIR) + "/saves/" + fixture + ".txt");
    EXPECT_FALSE(plain.empty()) << fixture;
    std::string path = dir.Path() + fixture + ".KVW";
    WriteAll(path, FlipSavedBytes(plain));
    WriteAll(dir.Path() + fixture + ".LOG", "An old log\r\n");
    return path;
}

TEST(LoadGame, OlderVersionsFollowTheirRules) {
    struct Case {
        const char* fixture;
        int condition;       // from the text before 1.2, from the index from 1.2
        const char* notes1;  // notes at the end of a star-system line before 1.2
        bool scoreEligible;
        Integer missionType;    // items 7 and 8 from 1.1
        Integer retrofitSlot5;  // item 18 from 1.2
        Integer lrsRange;       // follows the level of slot 5 (the stored range does not count)
        Single shieldFactor;    // stored from 1.2, else from the level of slot 2
    };
    const Case cases[] = {
        {"v10", kRed, "Rich in ore, watch out", false, 0, 0, 3, 1.0f},
        {"v11", kDocked, "Rich in ore, watch out", false, 2, 0, 3, 1.0f},
        {"v12", kRed, "", true, 2, 2, 2, 0.8f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        ScratchFolder dir;
        SaveGame_ g(dir);
        g.tg.game.st.UpgradesOn = kTrue;
        ASSERT_TRUE(LoadGame(g.tg.game, StoreFixture(dir, c.fixture)));
        const GameState& s = g.tg.game.st;
        EXPECT_EQ(s.ConfigName, "Jane");
        EXPECT_EQ(s.ConditionIndex, c.condition);
        EXPECT_EQ(s.ConditionText, kConditionWords[static_cast<size_t>(c.condition)]);
        EXPECT_EQ(s.ScoreEligible, c.scoreEligible);
        EXPECT_EQ(s.MissionType, c.missionType);
        EXPECT_EQ(s.RetrofitSlots[5], c.retrofitSlot5);
        // Files before 1.2 hold the levels of slots 4 and 5 the other way round.
        const bool swapped = std::string(c.fixture) != "v12";
        EXPECT_EQ(s.UpgradeTable[4], swapped ? 2 : 3);
        EXPECT_EQ(s.UpgradeTable[5], swapped ? 3 : 2);
        EXPECT_EQ(s.UpgradeTable[1], 2);
        EXPECT_EQ(s.LRSRange, c.lrsRange);
        EXPECT_EQ(s.ShieldFactor, c.shieldFactor);
        EXPECT_EQ(s.MaxEnergy, 10000);  // the stored capacities stand
        EXPECT_EQ(s.MaxTorpedoesClass1, 40);
        // Star systems in walk order: two in quadrant (1, 1), one in (8, 8).
        EXPECT_EQ(s.StarSystem(1, 1, 1).Name, "Aldebrin            ");
        EXPECT_EQ(s.StarSystem(1, 1, 1).Notes, c.notes1);
        EXPECT_EQ(s.StarSystem(1, 1, 2).Notes, "");  // a lone quote: no notes
        EXPECT_EQ(s.StarSystem(8, 8, 1).Name, "Tessaly             ");
        EXPECT_EQ(s.StarSystem(8, 8, 1).DescriptorName, "");
        EXPECT_EQ(s.StarSystem(8, 8, 1).SystemValue3, -4);
        EXPECT_EQ(s.StarSystem(1, 1, 1).Planets[1].PlanetBits, 5000);
        EXPECT_EQ(s.StarSystem(1, 1, 1).Planets[2].PlanetBits, -30000);
        EXPECT_EQ(s.StarSystem(1, 1, 1).Planets[0].PlanetValue4, 32768);
        EXPECT_EQ(s.CaptainName, "Commander");
        EXPECT_EQ(s.ShipEnergy, 4321);
        EXPECT_EQ(s.WarpFactor, 2.5f);
        EXPECT_TRUE(s.GameRunning);
        EXPECT_EQ(g.tg.host.output, (std::vector<std::string>{"An old log", "<KVMAIN0074>"}));
    }
}

TEST(LoadGame, HeaderVersionsCompareExactly) {
    ScratchFolder dir;
    const std::string plain = FlipSavedBytes([&] {
        SaveGame_ a(dir);
        savetest::FillKnownState(a.tg.game.st);
        EXPECT_TRUE(SaveGame(a.tg.game, dir.Path() + "base", {}));
        return ReadAll(dir.Path() + "base.KVW");
    }());
    const std::string items = plain.substr(plain.find("\r\n"));
    struct Case {
        const char* header;
        bool loads;
        const char* config;
    };
    const Case cases[] = {
        {"*WINV13* Jane Doe", true, "Jane Doe"},
        {"*WINV130* Jane Doe", true, "Jane Doe"},  // 1.30
        {"*WINV14* Jane Doe", false, ""},          // newer: refused
        {"*WINV131* Jane Doe", false, ""},         // 1.31
        {"*WINV2* x", false, ""},                  // 0.2: an older layout than 1.0
        {"*WINV1X* Jane", false, ""},
        {"*WINV* Jane", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        SaveGame_ g(dir);
        WriteAll(dir.Path() + "v.KVW", FlipSavedBytes(c.header + items));
        EXPECT_EQ(LoadGame(g.tg.game, dir.Path() + "v.KVW"), c.loads);
        EXPECT_EQ(g.tg.game.st.ConfigName, c.config);
    }
    // A newer file is refused with the error sound and a notice that says so (a player without
    // a sound device would otherwise learn nothing).
    SaveGame_ g(dir);
    WriteAll(dir.Path() + "new.KVW", FlipSavedBytes("*WINV14* Jane" + items));
    EXPECT_FALSE(LoadGame(g.tg.game, dir.Path() + "new.KVW"));
    EXPECT_EQ(g.tg.host.notices, std::vector<std::string>{"<LoadNewer>\r\n" + dir.Path() + "new.KVW"});
    ASSERT_EQ(g.tg.host.sounds.size(), 1u);
    EXPECT_NE(g.tg.host.sounds[0].find("ERROR.WAV"), std::string::npos);
    ExpectNothingLoaded(g.tg.game.st);
    // Refused while a game runs, it leaves that game going.
    SaveGame_ running(dir);
    ExpectRunningGameKept(running, [&] { EXPECT_FALSE(LoadGame(running.tg.game, dir.Path() + "new.KVW")); });
}

// The stored bytes of the known state saved as "good".
std::string SavedKnownState(const ScratchFolder& dir) {
    SaveGame_ a(dir);
    savetest::FillKnownState(a.tg.game.st);
    if (!SaveGame(a.tg.game, dir.Path() + "good", {})) return "";
    return ReadAll(dir.Path() + "good.KVW");
}

TEST(LoadGame, BadFilesAreRefusedWithOneMessageAndNothingLoaded) {
    ScratchFolder dir;
    const std::string stored = SavedKnownState(dir);
    ASSERT_FALSE(stored.empty());
    const std::string plain = FlipSavedBytes(stored);
    // Each with no game running (nothing is loaded) and with one running (it goes on untouched).
    auto refused = [&](const std::string& bytes, const std::string& what) {
        SCOPED_TRACE(what);
        WriteAll(dir.Path() + "bad.KVW", bytes);
        SaveGame_ none(dir);
        EXPECT_FALSE(LoadGame(none.tg.game, dir.Path() + "bad.KVW"));
        EXPECT_EQ(none.tg.host.notices.size(), 1u);
        ExpectNothingLoaded(none.tg.game.st);

        SaveGame_ g(dir);
        ExpectRunningGameKept(g, [&] { EXPECT_FALSE(LoadGame(g.tg.game, dir.Path() + "bad.KVW")); });
        EXPECT_EQ(g.tg.host.notices.size(), 1u);
    };
    // Truncated at every item boundary (every line end but the last).
    size_t cuts = 0;
    for (size_t p = plain.find("\r\n"); p + 2 < plain.size(); p = plain.find("\r\n", p + 2), ++cuts)
        refused(FlipSavedBytes(plain.substr(0, p + 2)), "cut after byte " + std::to_string(p + 2));
    EXPECT_EQ(cuts, 481u + 20u - 1u);
    refused("", "empty file");
    refused(FlipSavedBytes("*WINX13* Jane\r\n"), "wrong magic");
    refused(plain, "an unsubstituted file");
    refused(stored + FlipSavedBytes("1\r\n"), "an extra item");
    std::string tooBig = plain;
    tooBig.replace(tooBig.find(", 1.2345 ,"), 10, ", 999999999999999 ,");
    refused(FlipSavedBytes(tooBig), "a flag word beyond its range");

    // Missing file, and a directory in its place.
    std::filesystem::create_directories(dir.Path() + "folder.KVW");
    for (const std::string& path : {dir.Path() + "missing.KVW", dir.Path() + "folder.KVW"}) {
        SaveGame_ g(dir);
        EXPECT_FALSE(LoadGame(g.tg.game, path));
        EXPECT_EQ(g.tg.host.notices.size(), 1u);
        ExpectNothingLoaded(g.tg.game.st);
        SaveGame_ running(dir);
        ExpectRunningGameKept(running, [&] { EXPECT_FALSE(LoadGame(running.tg.game, path)); });
    }
}

// Which failure it is: no saved game of this program, one of the oldest layout, an empty one,
// a damaged one (with the line where the damage begins), or the file system's own error.
TEST(LoadGame, ABadFileIsNamedForWhatIsWrongWithIt) {
    ScratchFolder dir;
    const std::string stored = SavedKnownState(dir);
    ASSERT_FALSE(stored.empty());
    const std::string plain = FlipSavedBytes(stored);
    auto cutAfterLine = [&](size_t lines) {
        size_t p = 0;
        for (size_t i = 0; i < lines; ++i) p = plain.find("\r\n", p) + 2;
        return FlipSavedBytes(plain.substr(0, p));
    };
    std::string wrongItem = plain;
    const size_t line3 = [&] {
        size_t p = 0;
        for (int i = 0; i < 2; ++i) p = plain.find("\r\n", p) + 2;
        return p;
    }();
    wrongItem.replace(line3, plain.find("\r\n", line3) - line3, "\"a text\"");
    const std::string random = "\x13\x99\xfe\x02 not a game at all \x7f\x80";
    const std::string oldLayout = "\"Jane\",0,1,2,3,4,5\r\n100,100,0,25.5,30,3000,0,10,10,0\r\n";
    struct Case {
        std::string what, bytes, said;
    };
    const Case cases[] = {
        {"empty", "", "<LoadEmpty>"},
        {"random bytes", random, "<LoadNotOurs>"},
        {"the plain text of a game", plain, "<LoadNotOurs>"},
        {"the oldest layout", oldLayout, "<LoadOldLayout>"},
        {"the mark alone", FlipSavedBytes("*WIN"), "<LoadDamaged>\r\n@\r\n<LoadDamagedLine>1"},
        {"cut after line 10", cutAfterLine(10), "<LoadDamaged>\r\n@\r\n<LoadDamagedLine>11"},
        {"a text where a number stands", FlipSavedBytes(wrongItem), "<LoadDamaged>\r\n@\r\n<LoadDamagedLine>3"},
        {"an extra item", stored + FlipSavedBytes("1\r\n"), "<LoadDamaged>\r\n@\r\n<LoadDamagedLine>" +
                                                                     std::to_string(CountLines(plain) + 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SaveGame_ g(dir);
        const std::string path = dir.Path() + "bad.KVW";
        WriteAll(path, c.bytes);
        EXPECT_FALSE(LoadGame(g.tg.game, path));
        std::string said = c.said.find('@') == std::string::npos ? c.said + "\r\n@" : c.said;
        said.replace(said.find('@'), 1, path);
        EXPECT_EQ(g.tg.host.notices, std::vector<std::string>{said});
        EXPECT_EQ(g.tg.host.sounds.size(), 1u);  // the error sound
        ExpectNothingLoaded(g.tg.game.st);
    }

    // The file system's own failures.
    std::filesystem::create_directories(dir.Path() + "folder.KVW");
    const std::pair<std::string, std::string> missing[] = {
        {dir.Path() + "missing.KVW", "<FileMissing>\r\n" + dir.Path() + "missing.KVW"},
        {dir.Path() + "folder.KVW", "<FileNotRead>\r\n" + dir.Path() + "folder.KVW\r\n" + std::strerror(EISDIR)},
    };
    for (const auto& [path, said] : missing) {
        SaveGame_ g(dir);
        EXPECT_FALSE(LoadGame(g.tg.game, path));
        EXPECT_EQ(g.tg.host.notices, std::vector<std::string>{said});
    }
    // A file the player may not read.
    struct DeniedFiles : FailingFiles {
        DeniedFiles() : FailingFiles("none") {}
        bool Read(const std::string&, std::string&) override {
            errno = EACCES;
            return false;
        }
    } denied;
    WriteAll(dir.Path() + "locked.KVW", stored);
    SaveGame_ g(dir);
    EXPECT_FALSE(LoadGame(g.tg.game, dir.Path() + "locked.KVW", nullptr, &denied));
    EXPECT_EQ(g.tg.host.notices, std::vector<std::string>{"<FileDenied>\r\n" + dir.Path() + "locked.KVW"});
}

TEST(LoadGame, AFlippedByteNeverHalfLoadsAGame) {
    ScratchFolder dir;
    const std::string stored = SavedKnownState(dir);
    ASSERT_FALSE(stored.empty());
    WriteAll(dir.Path() + "flip.LOG", "");
    int loaded = 0, refused = 0;
    for (size_t i = 0; i < stored.size(); i += i < 40 ? 1 : 29) {
        for (unsigned char mask : {0x01, 0xFF}) {
            std::string bytes = stored;
            bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ mask);
            WriteAll(dir.Path() + "flip.KVW", bytes);
            SaveGame_ g(dir);
            if (LoadGame(g.tg.game, dir.Path() + "flip.KVW")) {
                ++loaded;
                EXPECT_TRUE(g.tg.game.st.GameRunning);
                EXPECT_EQ(g.tg.game.st.GameFileName, dir.Path() + "flip.KVW");
            } else {
                ++refused;
                ExpectNothingLoaded(g.tg.game.st);
                EXPECT_LE(g.tg.host.notices.size(), 1u) << "byte " << i;
            }
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(loaded, 0);  // a changed digit is still a game
}

TEST(LoadGame, DecodesInMemoryAndKeepsTheUsersTempSave) {
    ScratchFolder dir;
    SaveGame_ a(dir);
    savetest::FillKnownState(a.tg.game.st);
    ASSERT_TRUE(SaveGame(a.tg.game, "mine", {"a"}));
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    WriteAll("TEMP.SAV", "the player's own file");
    SaveGame_ b(dir);
    EXPECT_TRUE(LoadGame(b.tg.game, "MINE"));  // found without regard to case
    EXPECT_EQ(ReadAll("TEMP.SAV"), "the player's own file");
    EXPECT_FALSE(std::filesystem::exists(dir.Saves() + "TEMP.SAV"));
    std::filesystem::current_path(cwd);
    EXPECT_EQ(b.tg.game.st.GameFileName, dir.Saves() + "mine.KVW");
    EXPECT_EQ(b.tg.host.output, (std::vector<std::string>{"a", "<KVMAIN0074>"}));
}

TEST(LoadGame, AMissingLogLeavesTheGameLoadedWithAnEmptyLog) {
    ScratchFolder dir;
    SaveGame_ a(dir);
    savetest::FillKnownState(a.tg.game.st);
    ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "nolog", {"x"}));
    std::filesystem::remove(dir.Path() + "nolog.LOG");
    SaveGame_ b(dir);
    std::vector<std::string> log = {"stale"};
    EXPECT_TRUE(LoadGame(b.tg.game, dir.Path() + "nolog", &log));
    EXPECT_TRUE(b.tg.game.st.GameRunning);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(b.tg.host.output.empty());
    ASSERT_EQ(b.tg.host.notices.size(), 1u);
    EXPECT_EQ(b.tg.host.notices[0], "<FileMissing>\r\n" + dir.Path() + "nolog.LOG");
}

TEST(SaveGame, NotesGoWithTheConfigurationWhenTheOptionIsOn) {
    ScratchFolder dir;
    SaveGame_ a(dir);
    savetest::FillKnownState(a.tg.game.st);
    a.tg.game.options.chkNotes = 1;
    a.tg.game.st.StarSystem(2, 2, 1).Notes = "ore";
    ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "noted", {}));
    // The file itself keeps no notes; the configuration does.
    EXPECT_EQ(FlipSavedBytes(ReadAll(dir.Path() + "noted.KVW")).find("ore"), std::string::npos);
    EXPECT_EQ(a.tg.settings.GetSetting("KestravaforWindows9x\\Configs\\Jane Doe", "Notes", "SYS21.ssd"), "ore");

    SaveGame_ b(dir);
    b.tg.game.options.chkNotes = 1;
    b.tg.settings.SaveSetting("KestravaforWindows9x\\Configs\\Jane Doe", "Notes", "SYS21.ssd", "ore");
    ASSERT_TRUE(LoadGame(b.tg.game, dir.Path() + "noted"));
    EXPECT_EQ(b.tg.game.st.StarSystem(2, 2, 1).Notes, "ore");
    SaveGame_ c(dir);
    ASSERT_TRUE(LoadGame(c.tg.game, dir.Path() + "noted"));
    EXPECT_EQ(c.tg.game.st.StarSystem(2, 2, 1).Notes, "");
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST(LoadGame, RebuildingTheUpgradeLevelsNeverStartsTheMorvCountdown) {
    // Levels well above what the arrival test allows at a low draw: a live grant would start
    // a countdown, but a load must restore the saved game exactly.
    ScratchFolder dir;
    SaveGame_ a(dir);
    auto& s = a.tg.game.st;
    savetest::FillKnownState(s);
    s.TechLevel = 5;
    s.UpgradesOn = kTrue;
    s.UpgradeTable = {0, 5, 5, 5, 5, 5};
    s.MorvCountdown = 0;
    s.MorvCountdownStarted = 0;
    ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "morv.KVW", {}));

    ConstantRandom low(0.0f);
    test::TestGame b(low);
    b.game.st.ConditionNames = {"YELLOW", "DOCKED", "GREEN", "*RED*"};
    ASSERT_TRUE(LoadGame(b.game, dir.Path() + "morv.KVW"));
    EXPECT_EQ(b.game.st.UpgradeTable, (std::array<Integer, 6>{0, 5, 5, 5, 5, 5}));
    EXPECT_EQ(b.game.st.MorvCountdown, 0);
    EXPECT_EQ(b.game.st.MorvCountdownStarted, 0);
    EXPECT_EQ(b.game.st.MorvTimerTag, "");
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST(LoadGame, DrawsNothingBeyondTheResetAndTellsNothingOfTheLevels) {
    // Levels beyond the technology limit and upgrades switched off: a grant through the turn
    // engine would tell the player and test for the Morv; a load only restores.
    ScratchFolder dir;
    {
        SaveGame_ a(dir);
        auto& s = a.tg.game.st;
        savetest::FillKnownState(s);
        s.UpgradesOn = kFalse;
        s.UpgradeTable = {0, 2, 3, 4, 1, 9};
        s.MorvCountdown = 0;
        ASSERT_TRUE(SaveGame(a.tg.game, dir.Path() + "levels", {}));
    }
    // The reset's own draws only: the force, the time and two chance draws per slot.
    ScriptedRandom rng{0.5f, 0.5f};
    rng.Push(10, 0.99f);
    test::TestGame b(rng, dir.Folders());
    b.game.st.ConditionNames = {"YELLOW", "DOCKED", "GREEN", "*RED*"};
    b.game.st.TechLevel = 3;
    b.game.st.UpgradesOn = kFalse;
    ASSERT_TRUE(LoadGame(b.game, dir.Path() + "levels"));
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_TRUE(b.host.notices.empty());
    const GameState& s = b.game.st;
    EXPECT_EQ(s.UpgradeTable, (std::array<Integer, 6>{0, 2, 3, 4, 1, 9}));
    EXPECT_EQ(s.LRSRange, 9);
    EXPECT_EQ(s.TorpedoClass2Power, 4);
    EXPECT_EQ(s.MorvCountdown, 0);
    EXPECT_EQ(s.MorvTimerTag, "");
    // The indicators: slot 5 stands at the limit (6.25), the others below it.
    EXPECT_EQ(s.UpgradeBorderColor[5], kUpgradeLimitBorder);
    EXPECT_EQ(s.UpgradeBorderColor[3], 0);
    EXPECT_EQ(s.UpgradeFillColor[3], UpgradeLevelColor(4));
}

}  // namespace
}  // namespace kv
