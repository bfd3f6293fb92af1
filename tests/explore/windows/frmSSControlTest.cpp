// The exploration console's windows offscreen: the console on a visit, its pictures (system
// view, spectrum, close-up, clip), the room cell and the responses dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <cmath>
#include <filesystem>
#include <functional>
#include <set>

#include "explore/Console.h"
#include "explore/ConsoleDrawing.h"
#include "explore/windows/Room.h"
#include "explore/windows/frmRespond.h"
#include "explore/windows/frmSSControl.h"
#include "state/Numeric.h"
#include "support/PlanetEntries.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

// A game whose ship stands on the star system "Vesta" (5 letters, star type 3) at quadrant
// (4, 4), sector (4, 4): planet 1 a class-5 world of size 2 at orbit 600, planet 2 a class-6
// world of size 0 at orbit 900, planet 3 a belt at orbit 1500.
struct ConsoleDesk {
    explicit ConsoleDesk(const std::string& commandLine = "kestrava") : dg(rng, {}, false) {
        GameState& s = dg.st;
        dg.game.commandLine = commandLine;
        s.NewLine = "\r\n";
        s.GameRunning = kTrue;
        s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
        s.ShipSectorRow = s.ShipSectorCol = 4;
        s.MaxEnergy = 5000;
        s.ShipEnergy = 3000;
        s.TotalTime = s.TimeLeft = 50;
        for (int i = 0; i < 15; ++i) s.SSCountTable[i] = i;
        s.SectorGrid[4][4] = kStar;
        s.Galaxy[4][4] = 1;
        SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
        rec.SetName("Vesta");
        rec.DescriptorName = "Test";
        rec.SectorRow = rec.SectorCol = 4;
        rec.SystemValue2 = 3;
        rec.PlanetCount = 3;
        rec.Planets[0] = Planet(600, 2, 1, 4096, 5);
        rec.Planets[1] = Planet(900, 0, 0, 8192, 6);
        rec.Planets[2] = Planet(1500, 3, 0, 0, 0);
        dg.scratch.Write("program/SSDescriptor/Test.ssd",
                         "[General]\r\nPlanetPics=0000\r\nMessages=1111\r\n[Names]\r\nS=Vesta Prime\r\n1=Alpha\r\n");
        std::filesystem::create_directories(dg.scratch.Program() + "PICTURES");
    }

    static PlanetEntry Planet(Integer orbit, Integer size, Integer moons, Long state, Integer cls) {
        return test::MakePlanet(orbit, size, moons, state, cls);
    }

    // The console, made now, opened on the visit as the engine opens it.
    frmSSControl& Open() {
        dg.st.EnteringSystem = kTrue;
        dg.host.LoadForm(Form::frmSSControl);
        frmSSControl& w = *dg.Window<frmSSControl>(Form::frmSSControl);
        w.show();
        QApplication::processEvents();  // the first activation starts the visit
        return w;
    }
    void Select(const std::string& tag) {
        dg.game.console.SelectTag = tag;
        UpdateSelect(dg.game);
    }
    ConsoleState& C() { return dg.game.console; }

    ConstantRandom rng{0.25f};
    test::DesktopGame dg;
};

QRgb Rgb(Long c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

const char* const kPlanetButtons[7] = {"cmdEnterOrbit", "cmdLeaveOrbit", "cmdHail", "cmdBeam",
                                       "cmdEnergy",     "cmdPhaser",     "cmdPhoton"};

TEST(frmSSControl, OpensOnTheStarAndOrbitsAndLeavesAPickedPlanet) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    test::DesktopGame& dg = t.dg;
    EXPECT_EQ(t.C().SelectTag, "Star");
    EXPECT_EQ(dg.Shown(Form::frmSSControl, "lblName"), "Vesta");
    EXPECT_EQ(dg.Shown(Form::frmSSControl, "lblM0Title"), "<SSCONTRL0058>Vesta");
    for (const char* b : kPlanetButtons) EXPECT_FALSE(dg.Control(Form::frmSSControl, b)->isEnabled()) << b;
    EXPECT_TRUE(w.shpSelect->isVisible());
    EXPECT_EQ(w.shpSelect->geometry(), w.picStar->geometry().adjusted(-3, -3, 3, 3));

    dg.Click(Form::frmSSControl, "lblPlanet(2)");  // the next body: planet 1
    EXPECT_EQ(t.C().SelectTag, "1");
    EXPECT_EQ(dg.Shown(Form::frmSSControl, "lblM0Title"), "<SSCONTRL0050>Alpha");
    EXPECT_TRUE(w.cmdEnterOrbit->isEnabled());
    EXPECT_FALSE(w.cmdLeaveOrbit->isEnabled());

    dg.Click(Form::frmSSControl, "cmdEnterOrbit");
    EXPECT_EQ(t.C().OrbitPlanet, 1);
    EXPECT_TRUE(w.pnlOrbiting->isVisible());
    EXPECT_EQ(w.pnlOrbiting->text(), "Alpha<SSCONTRL0013>");
    EXPECT_FALSE(w.cmdEnterOrbit->isEnabled());
    EXPECT_TRUE(w.cmdLeaveOrbit->isEnabled());
    EXPECT_TRUE(w.cmdHail->isEnabled());
    EXPECT_TRUE(w.cmdPhaser->isEnabled());
    // While in orbit the arrows and the star pick nothing.
    dg.Click(Form::frmSSControl, "lblPlanet(0)");
    EXPECT_EQ(t.C().SelectTag, "1");

    dg.Click(Form::frmSSControl, "cmdLeaveOrbit");
    EXPECT_EQ(t.C().OrbitPlanet, 0);
    EXPECT_FALSE(w.pnlOrbiting->isVisible());
    EXPECT_TRUE(w.cmdEnterOrbit->isEnabled());
    EXPECT_FALSE(w.cmdLeaveOrbit->isEnabled());
    EXPECT_FALSE(w.cmdPhaser->isEnabled());
    dg.Click(Form::frmSSControl, "lblPlanet(0)");  // back to the star
    EXPECT_EQ(t.C().SelectTag, "Star");

    dg.Click(Form::frmSSControl, "cmdExit");
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(t.C().Visiting);
}

TEST(frmSSControl, TheCommandLineSwitchOffTheShadingInAnyCase) {
    const struct {
        const char* line;
        Flag badPlanets;
    } cases[] = {
        {"kestrava", kTrue},
        {"kestrava /badplanets", kFalse},
        {"kestrava /BADPLANETS", kFalse},
        {"kestrava /BadPlanets /FAST", kFalse},
        {"kestrava /BADPLANET", kTrue},
    };
    for (const auto& c : cases) {
        ConsoleDesk t(c.line);
        t.dg.host.LoadForm(Form::frmSSControl);
        EXPECT_EQ(t.C().BadPlanets, c.badPlanets) << c.line;
    }
}

TEST(frmSSControl, AfterStartUpTheConsolesDisplaysAndTimersAreServed) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    for (View v : {View::SSConsole, View::SSSystemView, View::SSPlanetView, View::SSSpectrum})
        EXPECT_TRUE(dg.host.HasView(v)) << Name(v);
    for (Timer t : {Timer::frmSSControl_tmrMessage, Timer::frmSSControl_tmrFlag}) EXPECT_TRUE(dg.host.HasTimer(t)) << Name(t);
    EXPECT_NE(dg.Window<QDialog>(Form::frmSSControl), nullptr);
    EXPECT_NE(dg.Window<QDialog>(Form::frmRespond), nullptr);
}

TEST(frmSSControl, TheSpectrumRunsFromRedToMagentaUnderTheStarsOwnLines) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    const QImage first = w.DrawPicture();
    ASSERT_EQ(first.width(), 200);
    const int mid = first.height() / 2;
    CosmeticRandom probe;
    const float countDraw = probe.Rnd(-7970.0f);  // the 5-letter star of type 3
    const int count = CInt(static_cast<double>(countDraw) * 15 + 5);
    std::set<int> dark;
    for (int x : SpectrumLines(5, 3, 200, probe)) dark.insert(x);
    ASSERT_FALSE(dark.empty());
    EXPECT_LE(static_cast<int>(dark.size()), count);  // two lines may share a column
    CosmeticRandom lineProbe;
    EXPECT_TRUE(dark.count(static_cast<int>(Int(200.0 * lineProbe.Rnd(-17970.0f)))));
    const struct {
        int x;
        QRgb colour;
    } bands[] = {{0, qRgb(255, 0, 0)},   {40, qRgb(255, 255, 0)}, {80, qRgb(0, 255, 0)},
                 {120, qRgb(0, 255, 255)}, {160, qRgb(0, 0, 255)}, {199, qRgb(255, 0, 255)}};
    for (const auto& b : bands)
        EXPECT_EQ(first.pixel(b.x, mid), dark.count(b.x) ? qRgb(0, 0, 0) : b.colour) << "column " << b.x;
    for (int x = 0; x < 200; ++x) {
        if (dark.count(x)) {
            EXPECT_EQ(first.pixel(x, mid), qRgb(0, 0, 0)) << x;
        }
    }
    // Outside the 20-pixel strip the box stays black.
    EXPECT_EQ(first.pixel(100, mid - 11), qRgb(0, 0, 0));

    t.Select("1");
    t.Select("Star");
    EXPECT_EQ(w.DrawPicture(), first);  // the same lines every time

    // A box too narrow for five bands shows no spectrum (and does not fail).
    w.picDraw->resize(4, 200);
    w.DrawSpectral();
    const QImage narrow = w.DrawPicture();
    ASSERT_EQ(narrow.width(), 4);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(narrow.pixel(x, 100), qRgb(0, 0, 0)) << x;
}

TEST(frmSSControl, TheSystemViewColoursTheSelectedOrbitAndRedrawsTheSame) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    const int cx = static_cast<int>((kStarPictureLeft + kStarPictureSize / 2) / kTwipsPerPixel);
    const int cy = static_cast<int>((kStarPictureTop + kStarPictureSize / 2) / kTwipsPerPixel);
    // A colour found on the ring of radius r (pixels) round the star, near angle a.
    auto onRing = [&](const QImage& img, double r, QRgb colour) {
        for (int k = 0; k < 360; ++k) {
            const double a = k * 3.14159265358979 / 180;
            for (double dr = -1; dr <= 1; dr += 1) {
                const int x = cx + static_cast<int>(std::lround((r + dr) * std::cos(a)));
                const int y = cy + static_cast<int>(std::lround((r + dr) * std::sin(a)));
                if (img.valid(x, y) && img.pixel(x, y) == colour) return true;
            }
        }
        return false;
    };
    const QRgb lightRed = Rgb(QBColor(12)), cyan = Rgb(QBColor(3)), grey = Rgb(QBColor(8));
    QImage star = w.SystemPicture();
    EXPECT_TRUE(onRing(star, 40, cyan));
    EXPECT_TRUE(onRing(star, 60, cyan));
    EXPECT_TRUE(onRing(star, 100, grey));  // the belt's specks
    EXPECT_FALSE(onRing(star, 40, lightRed));
    EXPECT_EQ(w.SystemPicture(), star);  // a redraw draws the same belt

    t.Select("1");
    const QImage one = w.SystemPicture();
    EXPECT_TRUE(onRing(one, 40, lightRed));
    EXPECT_TRUE(onRing(one, 60, cyan));
    EXPECT_FALSE(onRing(one, 100, lightRed));
    t.Select("3");
    const QImage belt = w.SystemPicture();
    EXPECT_TRUE(onRing(belt, 100, lightRed));
    EXPECT_FALSE(onRing(belt, 100, grey));
    EXPECT_TRUE(onRing(belt, 40, cyan));
}

TEST(frmSSControl, TheCloseUpIsDrawnOncePerNewSelection) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    EXPECT_EQ(w.planetDraws, 0);
    t.Select("2");
    t.Select("2");
    EXPECT_EQ(w.planetDraws, 1);
    t.Select("Star");
    t.Select("2");
    EXPECT_EQ(w.planetDraws, 2);

    // Planet 2 has size 0: its disc is Rnd(s) x 15 rounded, plus 10, and it is shaded.
    CosmeticRandom probe;
    const Long s = PlanetSeed(8192, 900);
    EXPECT_EQ(w.lastSphere.radius, CInt(static_cast<double>(probe.Rnd(static_cast<float>(s))) * 15) + 10);
    EXPECT_TRUE(w.lastSphereShaded);
    const QImage planet = w.DrawPicture();
    EXPECT_EQ(planet.pixel(0, 0), qRgb(0, 0, 0));  // masked outside the disc
    EXPECT_NE(planet.pixel(100, 100), qRgb(0, 0, 0));

    // A belt is never shaded.
    t.Select("3");
    EXPECT_EQ(w.planetDraws, 3);
    EXPECT_EQ(w.lastSphere.radius, 115);
    EXPECT_FALSE(w.lastSphereShaded);
}

TEST(frmSSControl, APlanetsClipHidesTheCloseUpUntilTheStarIsSelected) {
    ConsoleDesk t;
    const std::string clip = std::string(KESTRAVA_BIN_DIR) + "/PICTURES/Drennamor1.AVI";
    ASSERT_TRUE(std::filesystem::exists(clip));
    std::filesystem::copy_file(clip, t.dg.scratch.Program() + "PICTURES/Test1.avi");
    frmSSControl& w = t.Open();
    t.Select("1");
    ASSERT_TRUE(w.Clip().has_value());
    EXPECT_EQ(w.Clip()->frames.size(), 24u);
    EXPECT_FALSE(w.picDraw->isVisible());
    EXPECT_TRUE(w.AVI->isVisible());
    EXPECT_TRUE(w.pnlM0Title->isVisible());
    EXPECT_EQ(w.plblM0Title->text(), w.lblM0Title->text());
    EXPECT_TRUE(w.LoadAVI(t.C().CurrentSystem, 1));  // already showing: not restarted
    EXPECT_FALSE(w.LoadAVI(t.C().CurrentSystem, 2));  // no clip: the picture is drawn instead
    EXPECT_FALSE(w.AVI->isVisible());

    EXPECT_TRUE(w.LoadAVI(t.C().CurrentSystem, 1));
    t.Select("Star");
    EXPECT_TRUE(w.picDraw->isVisible());
    EXPECT_FALSE(w.AVI->isVisible());
    EXPECT_FALSE(w.pnlM0Title->isVisible());
}

TEST(frmSSControl, MinimisingTheConsoleHidesTheOtherWindowsAndRestoringShowsThem) {
    ConsoleDesk t;
    t.dg.host.LoadForm(Form::frmOutput);
    QWidget* log = t.dg.host.FormWindow(Form::frmOutput);
    log->show();
    frmSSControl& w = t.Open();
    for (int round = 0; round < 2; ++round) {
        w.setWindowState(Qt::WindowMinimized);
        EXPECT_FALSE(log->isVisible());
        w.setWindowState(Qt::WindowNoState);
        EXPECT_TRUE(log->isVisible());
    }
}

TEST(frmSSControl, NotesKeepTwoHundredCharactersTypedOrPasted) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    w.txtNotes->setPlainText(QString(250, 'x'));  // a paste
    EXPECT_EQ(t.C().txtNotes, std::string(200, 'x'));
    EXPECT_EQ(w.txtNotes->toPlainText().size(), 200);
    EXPECT_TRUE(w.cmdRecord->isEnabled());
    test::DesktopGame::SendKey(w.txtNotes, Qt::Key_Y, "y");
    EXPECT_EQ(t.C().txtNotes, std::string(200, 'x'));

    w.txtNotes->setPlainText(QString(199, 'x'));
    test::DesktopGame::SendKey(w.txtNotes, Qt::Key_Return, "\r");
    EXPECT_EQ(t.C().txtNotes, std::string(199, 'x') + "\r\n");
}

QRgb Pixel(const Room& r, int x, int y) { return r.Picture().pixel(x, y); }

TEST(RoomCell, DrawsItsDoorsAndKeepsItsSize) {
    Room room;
    const QRgb back = ConsoleColour(0x8000000F).rgb(), black = qRgb(0, 0, 0);
    room.SetDoorNorth(kDoorOpen);
    for (int x = 13; x <= 16; ++x) EXPECT_EQ(Pixel(room, x, 0), back) << x;
    for (int y = 1; y <= 4; ++y) {
        EXPECT_EQ(Pixel(room, 12, y), black) << y;
        EXPECT_EQ(Pixel(room, 17, y), black) << y;
    }
    room.SetDoorNorth(kDoorClosed);
    for (int x = 13; x <= 16; ++x)
        for (int y = 0; y <= 1; ++y) EXPECT_EQ(Pixel(room, x, y), Rgb(QBColor(8))) << x << "," << y;
    room.SetDoor(1, kDoorLocked);
    EXPECT_EQ(Pixel(room, 29, 14), qRgb(255, 0, 0));
    room.SetDoor(5, 2);  // kept, not drawn
    EXPECT_EQ(room.Door(5), 2);
    room.SetDoor(8, 2);  // out of range: nothing
    EXPECT_THROW(room.Door(8), std::out_of_range);
    room.SetBackColor(RGB(0, 0, 200));
    EXPECT_EQ(Pixel(room, 15, 15), qRgb(0, 0, 200));
    EXPECT_EQ(room.palette().color(QPalette::Window), QColor(0, 0, 200));
    room.SetTag("Hall0312");
    EXPECT_EQ(room.toolTip(), "Hall0312");

    for (QSize s : {QSize(50, 80), QSize(1, 1), QSize(30, 31)}) {
        room.resize(s);
        EXPECT_EQ(room.size(), QSize(30, 30)) << s.width() << "x" << s.height();
    }
}

TEST(frmSSControl, TheRoomMapShowsACellPerRoom) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    ShowMap(t.dg.game, true);
    ConsoleState& c = t.C();
    c.Rooms.push_back(RoomCell{"Hall0312", {c.Rooms[0].Place.Left, c.Rooms[0].Place.Top - kRoomCellSize,
                                            kRoomCellSize, kRoomCellSize, true}, {kDoorWall, kDoorWall, kDoorOpen, kDoorWall}});
    c.Rooms[0].Door[0] = kDoorOpen;
    w.ShowConsole();
    ASSERT_EQ(w.Rooms.size(), 2u);
    EXPECT_TRUE(w.pnlBack->isVisible());
    EXPECT_EQ(w.Rooms[1]->objectName(), "Rooms(1)");
    EXPECT_EQ(w.Rooms[1]->Tag(), "Hall0312");
    EXPECT_EQ(w.Rooms[1]->DoorSouth(), kDoorOpen);
    EXPECT_EQ(w.Rooms[1]->pos() + QPoint(0, 30), w.Rooms[0]->pos());
    EXPECT_EQ(w.height(), w.pnlBack->geometry().bottom() + 1 + 4);
    ShowMap(t.dg.game, false);
    w.ShowConsole();
    EXPECT_FALSE(w.pnlBack->isVisible());
    EXPECT_EQ(w.height(), w.cmdRespond->geometry().bottom() + 1 + 4);
}

// ---- frmRespond ----------------------------------------------------------------------------------

struct RespondDesk {
    RespondDesk() : dg(rng) {
        dg.game.console.RespondOptions = {{1, "Greetings."}, {2, "Leave us alone."}};
        dg.game.console.RespondTag = "stale";
    }
    // Opens the dialog as the console does and lets `act` answer it.
    int Run(const std::function<void(frmRespond&)>& act) {
        dg.script.modal[Form::frmRespond] = [act](QDialog& d) { act(static_cast<frmRespond&>(d)); };
        return dg.host.RunModal(Form::frmRespond);
    }
    ConstantRandom rng{0.5f};
    test::DesktopGame dg;
};

void Key(QWidget* w, char digit) {
    test::DesktopGame::SendKey(w, Qt::Key_0 + (digit - '0'), QString(QChar(digit)));
}

TEST(frmRespond, ADigitChoosesItsResponseAndSendHandsItBack) {
    RespondDesk t;
    EXPECT_EQ(t.Run([](frmRespond& d) {
        ASSERT_EQ(d.Response.size(), 3u);
        EXPECT_EQ(d.Response[1]->text(), "Greetings.");
        EXPECT_FALSE(d.Response[1]->isChecked());
        EXPECT_TRUE(d.Response[0]->isHidden());
        Key(&d, '2');
        EXPECT_TRUE(d.Response[2]->isChecked());
        d.cmdSend->click();
    }),
              kOK);
    EXPECT_EQ(t.dg.game.console.RespondTag, "2");
}

TEST(frmRespond, ZeroOrADigitAboveTheCountChoosesNothingAndSendLeavesTheTagEmpty) {
    for (char digit : {'0', '3', '9'}) {
        RespondDesk t;
        t.Run([digit](frmRespond& d) {
            Key(&d, digit);
            for (QRadioButton* r : d.Response) EXPECT_FALSE(r->isChecked()) << digit;
            d.cmdSend->click();
        });
        EXPECT_EQ(t.dg.game.console.RespondTag, "") << digit;
    }
    RespondDesk closed;
    closed.Run([](frmRespond& d) {
        Key(&d, '1');
        d.cmdClose->click();
    });
    EXPECT_EQ(closed.dg.game.console.RespondTag, "");
    // The next opening starts again without a choice.
    closed.Run([](frmRespond& d) {
        EXPECT_FALSE(d.Response[1]->isChecked());
        d.cmdClose->click();
    });
}

}  // namespace
}  // namespace kv
