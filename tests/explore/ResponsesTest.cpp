// Responses and the room map: room codes, the offered actions with their icons, the chosen
// response's codes, and the map that grows as the party walks.
#include <gtest/gtest.h>

#include "explore/Console.h"
#include "support/ConsoleTestSupport.h"

namespace kv::test {
namespace {

struct ResponseGame : ConsoleGame {
    explicit ResponseGame(Random& r) : ConsoleGame(r) {}
    // Offers one response text in the situation `pending` and sets it up.
    void Offer(const std::string& pending, const std::string& response) {
        ConsoleState& c = Console();
        c.PendingAction = pending;
        c.ResponseCodes = {"", response};
        c.RespondOptions.clear();
        SetupActions(game, 1);
    }
    // Chooses response n as the responses dialog would and lets the message that follows play.
    void Choose(int n) {
        Console().RespondTag = std::to_string(n);
        ProcessResponse(game);
        Tick();
    }
};

TEST(ResponsesTest, RoomCodes) {
    struct Case {
        const char* code;
        int x, y;
        const char* name;
        const char* format;
    };
    const Case cases[] = {
        {"Hall0312", 3, 12, "Hall", "00"},
        {"Hall12", 1, 2, "Hall", "0"},
        {"Hall", -1, -1, "Hall", ""},
        {"Hall0300", -1, -1, "Hall0300", ""},
        {"Vault0007", 0, 7, "Vault", "00"},
        {"R5", -1, -1, "R5", ""},
        {"", -1, -1, "", ""},
    };
    for (const Case& c : cases) {
        int x = 99, y = 99;
        std::string name;
        EXPECT_EQ(ParseRoomCode(c.code, x, y, name), c.format) << c.code;
        EXPECT_EQ(x, c.x) << c.code;
        EXPECT_EQ(y, c.y) << c.code;
        EXPECT_EQ(name, c.name) << c.code;
    }
}

TEST(ResponsesTest, ActionsTakeTheirIconFromRoomsMarksAndWords) {
    ConstantRandom rng(0.5f);
    ResponseGame tg(rng);
    tg.UseKeyTexts({{"MessageFile", "TEST.MSG"}, {"West", "Ouest"}});
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    struct Case {
        const char* pending;
        const char* response;
        const char* shown;
        int icon;
    };
    const Case cases[] = {
        {"Hall0312", "Go up*RHall0311", "Go up", 0},
        {"Hall0312", "Go on*RHall0412", "Go on", 1},
        {"Hall0312", "Go down*MHall0313*RHall0313", "Go down", 2},
        {"Hall12", "Go left*RHall02", "Go left", 3},
        {"Hall0312", "Elsewhere*RCave0311", "Elsewhere", -1},
        {"Hall0312", "Beam back*MBeamUp", "Beam back", 4},
        {"Hall0312", "Look around*MHallSearch", "Look around", 5},
        {"Hall0312", "Scan*MCrystalTri", "Scan", 6},
        {"Hall0312", "%GNClimb", "Climb", 0},
        {"Hall0312", "%GWClimb the east stair", "Climb the east stair", 3},
        {"Hall0312", "Head SOUTH", "Head SOUTH", 2},
        {"Hall0312", "Head ouestwards", "Head ouestwards", 3},  // the language's own word
        {"Hall0312", "%G-Go north, then stay", "Go north, then stay", -1},
    };
    for (const Case& k : cases) {
        c.MapMode = kFalse;
        ResetActions(c);
        tg.Offer(k.pending, k.response);
        ASSERT_EQ(c.RespondOptions.size(), 1u) << k.response;
        EXPECT_EQ(c.RespondOptions[0].Caption, k.shown) << k.response;
        EXPECT_EQ(c.MapMode != 0, k.icon >= 0) << k.response;
        if (k.icon >= 0) {
            const ActionButton& b = c.Actions[k.icon];
            EXPECT_TRUE(b.Visible) << k.response;
            EXPECT_EQ(b.Tag, "1") << k.response;
            EXPECT_EQ(b.Caption, k.shown) << k.response;
            EXPECT_EQ(c.MapActionOffered, kTrue);
        }
    }

    // Placeholders: the first of each, in any case; a failing code offers nothing.
    c.MapMode = kFalse;
    tg.Offer("", "%nm and %NM, %RK of the %ZL");
    EXPECT_EQ(c.RespondOptions.back().Caption, "Kim and %NM, Captain of the Zarvoni");
    tg.Offer("", "%00Never shown");
    EXPECT_TRUE(c.RespondOptions.empty());
    tg.Offer("", "");
    EXPECT_TRUE(c.RespondOptions.empty());
}

TEST(ResponsesTest, ChosenResponseRunsItsCodesInOrderAndPlaysTheNextMessage) {
    ConstantRandom rng(0.0f);
    ResponseGame tg(rng);
    tg.WriteDescriptor("[1]\r\nMessagesNext=1\r\nMessageNext1=On we go.\r\nResponsesRoom=1\r\nResponseRoom1=Ok\r\n");
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.PendingAction = "Start";
    c.ResponseCodes = {"", "%05Some words*MNext*RRoom*+PT1"};
    c.RespondTag = "1";
    ProcessResponse(tg.game);
    EXPECT_EQ(c.MessageSection, "Next");
    EXPECT_EQ(c.PendingAction, "Room");
    EXPECT_EQ(tg.st.TorpedoStockClass1, 7);
    EXPECT_EQ(c.MessageStep, 0);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));
    tg.Tick();
    EXPECT_EQ(c.Message, "On we go.");
    EXPECT_EQ(c.PendingAction, "Next");  // the message takes its own family as the situation

    // A choice outside the offered responses does nothing.
    c.RespondTag = "7";
    c.MessageSection = "Kept";
    ProcessResponse(tg.game);
    EXPECT_EQ(c.MessageSection, "Kept");
}

// The walk: beamed into Hall0202, north to Hall0201, east to Hall0301, south to Hall0302, then a
// door that stays shut, then back to the hall by a beam.
TEST(ResponsesTest, TheMapGrowsOneCellPerRoomAndMarksItsDoors) {
    ConstantRandom rng(0.0f);
    ResponseGame tg(rng);
    tg.WriteDescriptor(
        "[1]\r\n"
        "MessagesBeam=1\r\nMessageBeam1=$Landing$In the hall.*RHall0202\r\n"
        "MessagesHall0202=1\r\nMessageHall02021=The hall again.\r\n"
        "ResponsesHall0202=2\r\nResponseHall02021=North*MHall0201*RHall0201\r\nResponseHall02022=Leave*MBeamUp\r\n"
        "MessagesHall0201=1\r\nMessageHall02011=A gallery.\r\n"
        "ResponsesHall0201=2\r\nResponseHall02011=Through the door*MHall0301*RHall0301\r\n"
        "ResponseHall02012=Back down*MHall0202*RHall0202\r\n"
        "MessagesHall0301=1\r\nMessageHall03011=A workshop.\r\n"
        "ResponsesHall0301=1\r\nResponseHall03011=%GSDown the ramp*MHall0302*RHall0302\r\n"
        "MessagesHall0302=1\r\nMessageHall03021=A vault.\r\n"
        "ResponsesHall0302=2\r\nResponseHall03021=Try the east door\r\nResponseHall03022=West*MHall0202*RHall0202\r\n"
        "MessagesBeamUp=1\r\nMessageBeamUp1=$BOX$Aboard again.\r\n");
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    cmdBeam_Click(tg.game);
    ASSERT_EQ(c.MapMode, kTrue);
    ASSERT_EQ(c.Rooms.size(), 1u);
    EXPECT_EQ(c.Rooms[0].Tag, "Hall0202");
    EXPECT_EQ(c.Rooms[0].Door[0], kDoorClosed);  // a way north is offered
    EXPECT_EQ(c.Actions[0].Tag, "1");
    EXPECT_EQ(c.Actions[4].Tag, "2");
    const Placement start = c.Rooms[0].Place;

    tg.Choose(1);  // north
    ASSERT_EQ(c.Rooms.size(), 2u);
    EXPECT_EQ(c.CurrentRoom, 1);
    EXPECT_EQ(c.Rooms[0].Door[0], kDoorOpen);
    EXPECT_EQ(c.Rooms[1].Tag, "Hall0201");
    EXPECT_EQ(c.Rooms[1].Place.Left, start.Left);
    EXPECT_EQ(c.Rooms[1].Place.Top, start.Top - kRoomCellSize);
    EXPECT_EQ(c.Rooms[1].Door[1], kDoorClosed);
    EXPECT_EQ(c.Rooms[1].Door[2], kDoorClosed);

    tg.Choose(1);  // east through the door
    tg.Choose(1);  // south down the ramp
    ASSERT_EQ(c.Rooms.size(), 4u);
    EXPECT_EQ(c.Rooms[2].Tag, "Hall0301");
    EXPECT_EQ(c.Rooms[2].Place.Left, start.Left + kRoomCellSize);
    EXPECT_EQ(c.Rooms[3].Tag, "Hall0302");
    EXPECT_EQ(c.Rooms[3].Place.Top, start.Top);
    EXPECT_EQ(c.Rooms[1].Door[1], kDoorOpen);
    EXPECT_EQ(c.Rooms[2].Door[2], kDoorOpen);
    // The marker stands on the vault, and the map shows it in the middle of the panel.
    EXPECT_EQ(c.picYouAreHere.Left, c.Rooms[3].Place.Left + (kRoomCellSize - kMarkerSize) / 2);
    EXPECT_EQ(c.picMap.Left + c.picYouAreHere.Left + kMarkerSize / 2, kMapPanelWidth / 2);

    tg.Choose(1);  // the east door stays shut: the party is still in the vault
    EXPECT_EQ(c.Rooms.size(), 4u);
    EXPECT_EQ(c.CurrentRoom, 3);
    EXPECT_EQ(c.Rooms[3].Door[1], kDoorLocked);

    tg.Choose(2);  // west: back into the hall's cell, which keeps its place beside the vault
    EXPECT_EQ(c.Rooms.size(), 4u);
    EXPECT_EQ(c.CurrentRoom, 0);
    EXPECT_EQ(c.Rooms[0].Place.Left, start.Left);
    EXPECT_EQ(c.Rooms[3].Door[3], kDoorOpen);

    // Beaming down again while the map shows takes the party to the hall without a move.
    tg.Choose(1);  // north to the gallery
    EXPECT_EQ(c.CurrentRoom, 1);
    cmdBeam_Click(tg.game);
    EXPECT_EQ(c.CurrentRoom, 0);
    EXPECT_EQ(c.Rooms[0].Place.Top, start.Top);
    EXPECT_EQ(c.Rooms.size(), 4u);
    EXPECT_EQ(c.Rooms[1].Door[2], kDoorClosed);  // no door was locked by the beam

    tg.Choose(2);  // beam up: no responses, the marker hides
    EXPECT_EQ(tg.host.notices.back(), "Aboard again.");
    EXPECT_FALSE(c.picYouAreHere.Visible);
}

TEST(ResponsesTest, ARoomReachedWithoutAMoveIsPlacedByItsCode) {
    ConstantRandom rng(0.0f);
    ResponseGame tg(rng);
    tg.WriteDescriptor(
        "[1]\r\n"
        "ResponsesHall0202=2\r\nResponseHall02021=North*RHall0201\r\nResponseHall02022=Jump*MJump*RHall0404\r\n"
        "MessagesJump=1\r\nMessageJump1=Far away.*RHall0404\r\n"
        "ResponsesHall0404=2\r\nResponseHall04041=North*RHall0403\r\nResponseHall04042=Fall*MFall*RPit11\r\n"
        "MessagesFall=1\r\nMessageFall1=Down a pit.*RPit11\r\n"
        "ResponsesPit11=1\r\nResponsePit111=Climb north*RPit10\r\n");
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.PendingAction = "Hall0202";
    ShowResponses(tg.game);
    const Placement start = c.Rooms[0].Place;
    tg.Choose(2);  // no move: placed two columns right and two rows down
    ASSERT_EQ(c.Rooms.size(), 2u);
    EXPECT_EQ(c.Rooms[1].Place.Left, start.Left + 2 * kRoomCellSize);
    EXPECT_EQ(c.Rooms[1].Place.Top, start.Top + 2 * kRoomCellSize);
    EXPECT_EQ(c.Rooms[0].Door[0], kDoorClosed);  // no door changes without a move
    tg.Choose(2);                                // another name: five units right of and below the current cell
    ASSERT_EQ(c.Rooms.size(), 3u);
    EXPECT_EQ(c.Rooms[2].Place.Left, c.Rooms[1].Place.Left + 5);
    EXPECT_EQ(c.Rooms[2].Place.Top, c.Rooms[1].Place.Top + 5);
    EXPECT_EQ(c.Rooms[2].Tag, "Pit11");
}

TEST(ResponsesTest, EmptyEntriesAreDroppedAndAMapSwitchStartsTheListAgain) {
    ConstantRandom rng(0.0f);
    ResponseGame tg(rng);
    tg.WriteDescriptor(
        "[1]\r\nResponsesTalk=4\r\nResponseTalk1=Hello\r\nResponseTalk2=\r\nResponseTalk3=Go north\r\n"
        "ResponseTalk4=Bye*MBye\r\n");
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.PendingAction = "Talk";
    ShowResponses(tg.game);
    EXPECT_EQ(c.cmdRespondCaption, "3");
    ASSERT_EQ(c.ResponseCodes.size(), 4u);
    EXPECT_EQ(c.ResponseCodes[3], "Bye*MBye");
    ASSERT_EQ(c.RespondOptions.size(), 3u);  // once each, although the map switched on midway
    EXPECT_EQ(c.RespondOptions[2].Caption, "Bye");
    EXPECT_EQ(c.MapMode, kTrue);
    EXPECT_EQ(c.Actions[0].Tag, "2");
    // Without a move button, "Hello" and "Bye" get buttons beyond the icon buttons.
    ASSERT_EQ(c.Actions.size(), static_cast<size_t>(kActionIcons) + 2);
    EXPECT_EQ(c.Actions[kActionIcons].Caption, "Hello");
    EXPECT_EQ(c.Actions[kActionIcons].Icon, -1);
    EXPECT_EQ(c.Actions[0].Row, 1);

    // An action button answers its response.
    rcmdAction_Click(tg.game, kActionIcons + 1);
    EXPECT_EQ(c.MessageSection, "Bye");
    EXPECT_EQ(c.Actions.size(), static_cast<size_t>(kActionIcons));
}

}  // namespace
}  // namespace kv::test
