#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ui/platform/QtSettingsStore.h"
#include "state/Configs.h"
#include "state/Game.h"
#include "state/Notes.h"
#include "state/NullHost.h"
#include "state/Options.h"

namespace kv {
namespace {

struct QtGame {
    explicit QtGame(SettingsStore& store) : rng(1), game(rng, store, host) { game.lang.UseTexts({}); }
    SeededRandom rng;
    NullHost host;
    Game game;
};

TEST(OptionsQt, SettingsNamesAndNotesRoundTripThroughQSettings) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    OptionSettings saved;
    {
        QtSettingsStore store(path);
        QtGame a(store);
        OptionSettings& o = a.game.options;
        o.chkSound = 0;
        o.optPicture = true, o.optNone = false;
        o.CMDialogFileName = "/home/jo/Pictures/deep space.png";
        o.lblPreviewSize = 12.5f;
        o.lblBackColor = 0x204080;
        o.optLong = false, o.optCustom = true, o.txtCustom = "2";
        o.chkMessage[0] = 0;
        o.chkNotes = 1, o.chkCoord = 1;
        o.chkZarvoni = 0;
        o.Window[1] = {1500, 3000, 7500, 4500};
        o.Window[15] = {300, 600, 0, 0};
        a.game.st.SRSDrawOption = 2;
        a.game.st.Galaxy[4][4] = 1;
        a.game.st.StarSystem(4, 4, 1).SetName("Nova Prime");
        a.game.st.StarSystem(4, 4, 1).Notes = "Friendly, with a ringed moon";
        a.game.st.ConfigName = "Jo Ann";
        SaveSettings(a.game, "Jo Ann");
        SaveConfigNames(a.game, "Jo Ann");
        o.lblPictureFile = "deep space.png";
        o.CommandBarColumns = 2;
        saved = o;
        EXPECT_TRUE(store.Flush());
    }
    QtSettingsStore store(path);
    QtGame b(store);
    b.game.st.Galaxy[4][4] = 1;
    b.game.st.StarSystem(4, 4, 1).SetName("Nova Prime");
    LoadSettings(b.game, "Jo Ann", true);
    EXPECT_EQ(b.game.options, saved);
    EXPECT_EQ(b.game.st.SRSDrawOption, 2);
    EXPECT_EQ(b.game.MessageSuppressed[0], kTrue);
    LoadNotes(b.game, "Jo Ann");
    EXPECT_EQ(b.game.st.StarSystem(4, 4, 1).Notes, "Friendly, with a ringed moon");
    LoadConfigNames(b.game);
    EXPECT_EQ(b.game.configNames.menuNames, std::vector<std::string>{"Jo Ann"});
}

}  // namespace
}  // namespace kv
