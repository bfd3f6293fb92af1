#include "screens/main/FileDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "state/ScreenData.h"
#include "support/TestGame.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

struct FileDialogTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    TestGame tg{rng};
    Game& g = tg.game;
    FileDialogData& d = tg.game.screens.file;

    std::string Save(const std::string& name) { return tg.scratch.Write("saves/" + name, "x"); }
    bool Exists(const std::string& name) const { return fs::exists(tg.scratch.Saves() + name); }
};

TEST_F(FileDialogTest, ListsTheSavedGamesOfTheFolderWithTheirDates) {
    Save("beta.KVW");
    Save("Alpha.kvw");
    Save("gamma.KVA");
    Save("gamma.LOG");
    Save(".hidden.KVW");
    fs::create_directories(tg.scratch.Saves() + "folder.KVW");
    PrepareFileDialog(g, FileDialogMode::Load);
    FileDialogActivate(g);
    ASSERT_EQ(d.Entries.size(), 3u);
    EXPECT_EQ(d.Entries[0].Name, "Alpha.kvw");
    EXPECT_EQ(d.Entries[1].Name, "beta.KVW");
    EXPECT_EQ(d.Entries[2].Name, "gamma.KVA");
    EXPECT_TRUE(std::regex_match(d.Entries[0].DateTime, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")))
        << d.Entries[0].DateTime;
    EXPECT_EQ(d.Selected, -1);

    FileDialogListClick(g, 1);
    EXPECT_EQ(d.txtFile, "beta.KVW");
    EXPECT_TRUE(d.cmdOKEnabled);
    EXPECT_EQ(d.lblDate + " " + d.lblTime, d.Entries[1].DateTime);
    FileDialogListClick(g, 7);  // no such entry
    EXPECT_EQ(d.Selected, -1);

    // The message log's own pattern lists the logs.
    PrepareFileDialog(g, FileDialogMode::Save, "*.LOG");
    FileDialogActivate(g);
    ASSERT_EQ(d.Entries.size(), 1u);
    EXPECT_EQ(d.Entries[0].Name, "gamma.LOG");
}

TEST_F(FileDialogTest, ModeSetsCaptionAndColour) {
    PrepareFileDialog(g, FileDialogMode::Load);
    EXPECT_EQ(d.cmdOKCaption, "<KVMAIN0018>");
    EXPECT_EQ(d.ListColour, 8);
    PrepareFileDialog(g, FileDialogMode::Save);
    EXPECT_EQ(d.cmdOKCaption, "<KVMAIN0019>");
    EXPECT_EQ(d.ListColour, 0);
    EXPECT_TRUE(d.txtFile.empty());
}

TEST_F(FileDialogTest, NamesThatCouldLeaveTheFolderAreRefused) {
    for (const char* bad : {"", "../game", "sub/game", "..\\game", ".game", "*", "a\"b", "tab\tname"})
        EXPECT_FALSE(SavedGameNameAllowed(bad)) << bad;
    for (const char* good : {"game", "My Game.KVW", "a.b.c", "Zoë"}) EXPECT_TRUE(SavedGameNameAllowed(good)) << good;

    // The dialog's OK refuses them with a notice and stays open; nothing is written.
    PrepareFileDialog(g, FileDialogMode::Save);
    FileDialogNameChange(g, "../escape");
    EXPECT_FALSE(FileDialogOK(g));
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<FileBadName>"}));
}

TEST_F(FileDialogTest, WhatTheHostHandsBackStaysInTheSavedGamesFolder) {
    tg.host.files = {tg.scratch.Saves() + "inside.KVW", std::string("/tmp/outside"), std::string("plain"),
                     std::nullopt};
    EXPECT_EQ(SetFileDialogMode(g, FileDialogMode::Save), "inside.KVW");
    EXPECT_EQ(SetFileDialogMode(g, FileDialogMode::Save), "");
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<FileBadName>"}));
    EXPECT_EQ(SetFileDialogMode(g, FileDialogMode::Load), "plain");
    EXPECT_EQ(SetFileDialogMode(g, FileDialogMode::Load), "");  // Cancel
    EXPECT_EQ(tg.host.Events("savefile:").size(), 2u);
    EXPECT_EQ(tg.host.Events("loadfile:*.KVW;*.KVA").size(), 2u);
}

TEST_F(FileDialogTest, OkChecksTheNameByMode) {
    Save("old.KVW");
    // Load: an unknown name keeps the dialog open; a listed or typed one closes it.
    PrepareFileDialog(g, FileDialogMode::Load);
    FileDialogNameChange(g, "missing");
    EXPECT_FALSE(FileDialogOK(g));
    EXPECT_EQ(tg.host.notices.back(), "<FILE0003>");
    FileDialogNameChange(g, "OLD");  // typed, without extension, in another case
    EXPECT_TRUE(FileDialogOK(g));

    // Save over an existing game: asked first; No keeps the dialog open.
    PrepareFileDialog(g, FileDialogMode::Save);
    FileDialogNameChange(g, "old");
    tg.host.answers = {kNo, kYes};
    EXPECT_FALSE(FileDialogOK(g));
    EXPECT_EQ(tg.host.questions.back(), "<FILE0004>old");
    EXPECT_TRUE(FileDialogOK(g));
    FileDialogNameChange(g, "new");
    EXPECT_TRUE(FileDialogOK(g));  // nothing to overwrite: no question

    // An empty box disables OK and does nothing else.
    FileDialogNameChange(g, "");
    EXPECT_FALSE(d.cmdOKEnabled);
    EXPECT_FALSE(FileDialogOK(g));
}

TEST_F(FileDialogTest, DoubleClickIsClickAndOkAndCancelEmptiesTheName) {
    Save("one.KVW");
    PrepareFileDialog(g, FileDialogMode::Load);
    FileDialogActivate(g);
    EXPECT_TRUE(FileDialogListDoubleClick(g, 0));
    EXPECT_EQ(d.txtFile, "one.KVW");
    FileDialogCancel(g);
    EXPECT_EQ(d.txtFile, "");
}

TEST_F(FileDialogTest, DeleteRemovesTheGameAndOnlyThenOffersItsLog) {
    Save("war.KVW");
    Save("war.LOG");
    Save("peace.KVW");
    Save("peace.log");
    PrepareFileDialog(g, FileDialogMode::Load);

    // No to the game: nothing deleted, no question about the log.
    FileDialogNameChange(g, "war.KVW");
    tg.host.answers = {kNo};
    FileDialogDelete(g);
    EXPECT_TRUE(Exists("war.KVW"));
    EXPECT_EQ(tg.host.questions, (std::vector<std::string>{"<FILE0001>war.KVW?"}));
    EXPECT_EQ(d.txtFile, "");

    // Yes, then No to the log.
    FileDialogNameChange(g, "war.KVW");
    tg.host.answers = {kYes, kNo};
    FileDialogDelete(g);
    EXPECT_FALSE(Exists("war.KVW"));
    EXPECT_TRUE(Exists("war.LOG"));

    // A typed name without extension, and a log in another letter case.
    FileDialogNameChange(g, "peace");
    tg.host.answers = {kYes, kYes};
    FileDialogDelete(g);
    EXPECT_FALSE(Exists("peace.KVW"));
    EXPECT_FALSE(Exists("peace.log"));
    ASSERT_EQ(d.Entries.size(), 0u);  // the list is read again

    // A name that would reach outside is refused before any question.
    FileDialogNameChange(g, "../war");
    FileDialogDelete(g);
    EXPECT_EQ(tg.host.notices.back(), "<FileBadName>");
}

TEST(FileDialogKeys, TheNameBoxRefusesSomeCharacters) {
    for (int code : std::initializer_list<int>{'*', '"', '/', '\\', 1, 13, 27, 31, 127, 200})
        EXPECT_FALSE(FileDialogKeyAccepted(code)) << code;
    for (int code : std::initializer_list<int>{8, ' ', 'a', 'Z', '0', '.', '-', '~'})
        EXPECT_TRUE(FileDialogKeyAccepted(code)) << code;
}

}  // namespace
}  // namespace kv::test
