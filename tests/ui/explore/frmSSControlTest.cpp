// The exploration console's windows offscreen: the console on a visit, its pictures (system
// view, spectrum, close-up, clip), the room cell and the responses dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <functional>
#include <set>

#include "datafiles/SolarSystemFiles.h"
#include "engine/computer/Navigation.h"
#include "engine/tactical/SolarSystemEntry.h"
#include "explore/Console.h"
#include "explore/ConsoleDrawing.h"
#include "ui/explore/Room.h"
#include "ui/explore/frmRespond.h"
#include "ui/explore/frmSSControl.h"
#include "platform/Codepage.h"
#include "platform/Strings.h"
#include "state/Numeric.h"
#include "support/ExploreTestSupport.h"
#include "support/PlanetEntries.h"
#include "ui/dialogs/frmNAV.h"
#include "ui/host/FormSkin.h"
#include "ui/host/WindowArranger.h"
#include "ui/support/DesktopGame.h"
#include "ui/support/PlaySurfaceGame.h"
#include "ui/text/frmQuiet.h"

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

// The console on the shipped Kessaril system with the game's own pictures: the ship stands on
// the star, and the council of Caeleth (planet 5) has signed a treaty, so that its landing party
// is led into the Hall of Glass.
struct CaelethDesk : ConsoleDesk {
    CaelethDesk() {
        GameState& s = dg.st;
        s.AppPath = test::ShippedData();
        s.SSDescriptorPath = test::ShippedData() + "SSDescriptor/";
        s.PicturesPath = KESTRAVA_BIN_DIR "/PICTURES/";
        SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
        rec = SolarSystemRecord{};
        rec.DescriptorName = "5Kessaril";
        SolarSystemFileList files;
        files.List(s.SSDescriptorPath);
        EXPECT_TRUE(files.Load(rec));
        rec.SectorRow = rec.SectorCol = 4;
        SetPlanetBit(rec.Planets[4], 7, 1);
    }
    // In Caeleth's orbit with the landing party beamed down into the hall.
    frmSSControl& InTheHall() {
        frmSSControl& w = Open();
        Select("5");
        dg.Click(Form::frmSSControl, "cmdEnterOrbit");
        dg.Click(Form::frmSSControl, "cmdBeam");
        EXPECT_EQ(C().PendingAction, "Hall0202");
        return w;
    }
};

// A press, pointer moves with the left button held and a release, as the player's mouse sends
// them (positions in the control's own pixels).
void Press(QWidget* c, QPoint at) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), QPointF(c->mapToGlobal(at)), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(c, &e);
}
void DragTo(QWidget* c, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(c->mapToGlobal(at)), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(c, &e);
}
void Release(QWidget* c, QPoint at) {
    QMouseEvent e(QEvent::MouseButtonRelease, QPointF(at), QPointF(c->mapToGlobal(at)), Qt::LeftButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(c, &e);
}

QRect Desktop() { return DesktopArea(); }

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

TEST(frmSSControl, ABeltsSpecksAreAsLongAsTheirStepAlongTheOrbit) {
    // The belt at 1500 twips (100 pixels): a speck runs 15 / 1500 radians, one pixel along the
    // ring, and covers at most the pixels at its two ends (specks side by side share some); a
    // speck of a whole degree, 1.75 pixels, covers two or three.
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    const QImage img = w.SystemPicture();
    int grey = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) grey += img.pixel(x, y) == Rgb(QBColor(8)) ? 1 : 0;
    CosmeticRandom rnd;
    const size_t specks = BeltSpecks(t.C().PlanetOrbitRadius[3], t.C().PlanetAngle[3], rnd).arcs.size();
    ASSERT_GT(specks, 100u);
    EXPECT_LE(grey, static_cast<int>(specks * 7 / 4)) << specks << " specks";
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

// ---- A visit ends only by its exit command --------------------------------------------------------

TEST(frmSSControl, EscapeAndTheCloseRequestLeaveTheVisitRunning) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);  // no caption bar, no close box
    t.Select("1");
    t.dg.Click(Form::frmSSControl, "cmdEnterOrbit");
    ASSERT_EQ(t.C().OrbitPlanet, 1);

    test::DesktopGame::SendKey(&w, Qt::Key_Escape, QString());
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.close());  // the desktop's close request is refused
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(t.C().Visiting);
    EXPECT_EQ(t.C().OrbitPlanet, 1);
    EXPECT_TRUE(t.dg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));

    t.dg.Click(Form::frmSSControl, "cmdExit");
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(t.C().Visiting);
}

// A ship lost in orbit ends the visit with the console: hidden, its message queue and the
// flags' blink stopped, so that nothing of the visit runs on under the end of the game.
TEST(frmSSControl, AShipLostInOrbitEndsTheVisit) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    t.Select("1");
    t.dg.Click(Form::frmSSControl, "cmdEnterOrbit");
    ASSERT_EQ(t.C().OrbitPlanet, 1);
    ASSERT_TRUE(w.tmrMessage->isActive());
    GameState& s = t.dg.st;
    for (int i = 1; i <= 8; ++i) s.SystemDamage[i] = 8.0f;  // the planet's strike finds nothing left
    t.dg.script.modal[Form::frmShip] = [](QDialog& d) { d.hide(); };
    t.dg.host.Run(Form::frmSSControl, [&] { PlanetCombat(t.dg.game, "D!S1"); });
    ASSERT_EQ(s.ShipLost, kTrue);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(t.C().Visiting);
    EXPECT_FALSE(w.tmrMessage->isActive());
    EXPECT_FALSE(w.tmrFlag->isActive());
}

// The whole road: the engine enters the system and waits for the console; Escape and the close
// request in orbit change nothing, and the exit command ends the visit as a visit ends.
TEST(frmSSControl, AVisitEnteredByTheEngineEndsOnlyByExit) {
    ConstantRandom rng(0.75f);
    test::PlaySurfaceGame dg(rng);
    GameState& s = dg.st;
    s.Galaxy[4][4] = 1;
    SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
    rec.SetName("Vesta");
    rec.SectorRow = rec.SectorCol = 4;
    rec.PlanetCount = 1;
    rec.Planets[0] = test::MakePlanet(600, 2, 0, 2 * 16384, 5);  // counts for the mission goal
    const Integer goal = s.GoalProgress, systemsDone = s.GoalSystemsDone;

    auto* w = dg.Window<frmSSControl>(Form::frmSSControl);
    bool checked = false;
    dg.script.modal[Form::frmSSControl] = [&](QDialog&) {
        QApplication::processEvents();  // the first activation starts the visit
        dg.Click(Form::frmSSControl, "lblPlanet(2)");
        dg.Click(Form::frmSSControl, "cmdEnterOrbit");
        ASSERT_EQ(dg.game.console.OrbitPlanet, 1);
        test::DesktopGame::SendKey(w, Qt::Key_Escape, QString());
        w->close();
        QApplication::processEvents();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(dg.game.console.OrbitPlanet, 1);
        EXPECT_EQ(rec.SystemValue3, 0);
        checked = true;
        dg.Click(Form::frmSSControl, "cmdExit");
    };
    EnterSolarSystem(dg.game);
    ASSERT_TRUE(checked);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(s.ShipSectorRow == 4 && s.ShipSectorCol == 4);  // moved off the star
    EXPECT_NE(rec.SystemValue3, 0);                             // the visit's stamp
    EXPECT_NE(rec.Planets[0].PlanetFlag, 0);                    // the orbit's
    EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));
    EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmSSControl_tmrFlag));
    EXPECT_EQ(s.GoalProgress, goal + 1);
    EXPECT_EQ(s.GoalSystemsDone, systemsDone + 1);
    EXPECT_TRUE(dg.host.FormWindow(Form::frmSRS)->isVisible());

    // A second visit to the same system is no first visit: the goal was counted once.
    s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] = kEmpty;
    s.ShipSectorRow = s.ShipSectorCol = 4;
    s.SectorGrid[4][4] = kShip;
    dg.script.modal[Form::frmSSControl] = [&](QDialog&) {
        QApplication::processEvents();
        dg.Click(Form::frmSSControl, "cmdExit");
    };
    EnterSolarSystem(dg.game);
    EXPECT_EQ(s.GoalProgress, goal + 1);
    EXPECT_EQ(s.GoalSystemsDone, systemsDone + 1);
}

// Shows a notice or a question in a real box (the platform's or the game's own message window)
// and answers it with the mouse as the player does: the button of `code` clicked once the box is
// up. True when the box came up and took the click; a box that did not is closed.
bool AnsweredWithTheMouse(test::DesktopGame& dg, int code, const std::function<void()>& show) {
    bool answered = false;
    int waits = 0;
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal) ? static_cast<QDialog*>(modal) : qobject_cast<frmQuiet*>(modal);
        if (!box) {
            if (++waits < 100) answer.start(20);  // not up yet
            return;
        }
        QAbstractButton* button = nullptr;
        if (auto* m = qobject_cast<QMessageBox*>(box))
            button = m->button(code == kNo ? QMessageBox::No : code == kYes ? QMessageBox::Yes : QMessageBox::Ok);
        else
            button = static_cast<frmQuiet*>(box)->Button(code);
        if (button) test::DesktopGame::ClickAt(button, button->rect().center());
        answered = !box->isVisible();
        if (box->isVisible()) box->done(0);
    });
    answer.start(0);
    dg.host.SetScript(nullptr);
    show();
    dg.host.SetScript(&dg.script);
    return answered;
}

// A visit as the player makes one: a one-sector move onto the star system, and on the console the
// shields raised and taken back, energy drawn in orbit, a notice, the phasers' question and the
// hail's responses. The move greys the game windows for the whole visit; every window the console
// opens takes the player's answers all the same.
TEST(frmSSControl, EveryWindowOfAVisitEnteredFromAMoveTakesThePlayersAnswers) {
    for (bool ownWindow : {false, true}) {
        SCOPED_TRACE(ownWindow ? "the game's message window" : "the platform's box");
        ConstantRandom rng(0.75f);
        test::PlaySurfaceGame dg(rng);
        GameState& s = dg.st;
        dg.game.UseQuietDialogs = ownWindow;
        s.MaxEnergy = 5000;
        s.MaxShields = 2000;
        s.SSChanceTable = {0.0f, 0.5f, 0.3f, 0.1f};
        s.Galaxy[4][4] = 1;
        s.QuadStars = 1;
        s.SectorGrid[4][5] = kStar;
        SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
        rec.SetName("Vesta");
        rec.DescriptorName = "Test";
        rec.SectorRow = 4;
        rec.SectorCol = 5;
        rec.PlanetCount = 1;
        rec.Planets[0] = test::MakePlanet(600, 2, 0, 256, 5);  // energy class 1
        dg.scratch.Write("program/SSDescriptor/Test.ssd",
                         "[General]\r\nPlanetPics=0\r\nMessages=1\r\n[Names]\r\n1=Alpha\r\n"
                         "[1]\r\nResponsesHail=1\r\nResponseHail1=Greetings.\r\n");

        std::vector<std::string> greyed;  // the windows that came up disabled
        auto answer = [&](Form form, std::function<void()> act) {
            dg.script.modal[form] = [&greyed, form, act](QDialog& d) {
                if (!d.isEnabled()) greyed.push_back(Name(form));
                act();
            };
        };
        bool visited = false;
        dg.script.modal[Form::frmSSControl] = [&](QDialog&) {
            QApplication::processEvents();  // the first activation starts the visit
            visited = true;
            ASSERT_FALSE(dg.Window(Form::frmCommands)->isEnabled());  // greyed by the move

            answer(Form::frmSHE, [&] {
                for (const char* c : {"txtShields", "cmdMax", "cmdHalf", "cmdDrop", "cmdAccept", "cmdCancel"})
                    EXPECT_TRUE(dg.Control(Form::frmSHE, c)->isEnabled()) << c;
                dg.Click(Form::frmSHE, "cmdMax");
                dg.Click(Form::frmSHE, "cmdAccept");
            });
            dg.Click(Form::frmSSControl, "cmdShields");
            EXPECT_EQ(s.ShieldLevel, 2000);
            answer(Form::frmSHE, [&] {
                dg.Click(Form::frmSHE, "cmdDrop");
                dg.Click(Form::frmSHE, "cmdAccept");
            });
            dg.Click(Form::frmSSControl, "cmdShields");
            EXPECT_EQ(s.ShieldLevel, 0);

            dg.Click(Form::frmSSControl, "lblPlanet(2)");
            dg.Click(Form::frmSSControl, "cmdEnterOrbit");
            ASSERT_EQ(dg.game.console.OrbitPlanet, 1);
            const Long before = s.ShipEnergy;
            answer(Form::frmGetNumber, [&] {
                dg.Control<QLineEdit>(Form::frmGetNumber, "txtNumber")->setText("1");
                dg.Click(Form::frmGetNumber, "cmdOK");
            });
            dg.Click(Form::frmSSControl, "cmdEnergy");
            EXPECT_EQ(s.ShipEnergy, before + 200);  // one unit of time at 0.5 a hundred

            // No message for a landing party: a notice. The phasers' question, answered No.
            EXPECT_TRUE(AnsweredWithTheMouse(dg, kOK, [&] { dg.Click(Form::frmSSControl, "cmdBeam"); }));
            EXPECT_TRUE(AnsweredWithTheMouse(dg, kNo, [&] { dg.Click(Form::frmSSControl, "cmdPhaser"); }));
            EXPECT_EQ(s.ShipEnergy, before + 200);

            answer(Form::frmRespond, [&] {
                QWidget* option = dg.Control(Form::frmRespond, "Response(1)");
                test::DesktopGame::ClickAt(option, QPoint(8, option->height() / 2));  // on its round box
                dg.Click(Form::frmRespond, "cmdSend");
            });
            dg.Click(Form::frmSSControl, "cmdHail");
            EXPECT_EQ(dg.game.console.MessageSection, "Hail");
            dg.Click(Form::frmSSControl, "cmdExit");
        };

        // Course 1 (east) at warp 0.1: one sector, onto the star.
        auto* nav = dg.Window<frmNAV>(Form::frmNAV);
        ASSERT_TRUE(dg.host.Run(Form::frmCommands, [&] { SetupNavDialog(dg.game, 8.0f); }));
        nav->hsbCourse->setValue(10);
        nav->vsbWarp->setValue(nav->vsbWarp->maximum() - 1);
        dg.Click(Form::frmNAV, "cmdAccept");
        ASSERT_TRUE(visited);
        EXPECT_EQ(greyed, std::vector<std::string>{});
        EXPECT_EQ(dg.script.modals, (std::vector<std::string>{"frmSSControl", "frmSHE", "frmSHE", "frmGetNumber",
                                                               "frmRespond"}));
        EXPECT_FALSE(dg.Window(Form::frmSSControl)->isVisible());
        EXPECT_TRUE(dg.Window(Form::frmCommands)->isEnabled());
    }
}

// ---- Where the console stands ----------------------------------------------------------------------

TEST(frmSSControl, TheConsoleIsCentredOnItsOwnSizeAndStaysWholeOnTheDesktop) {
    ConsoleDesk t;
    t.dg.host.LoadForm(Form::frmSSControl);
    frmSSControl& w = *t.dg.Window<frmSSControl>(Form::frmSSControl);
    const QRect area = Desktop();
    const ConsoleBox centred =
        CentredOnDesktop(w.width(), w.height(), {area.x(), area.y(), area.width(), area.height()});
    EXPECT_EQ(w.pos(), QPoint(static_cast<int>(centred.left), static_cast<int>(centred.top)));

    // The room map makes it taller: it fits a 1024 x 768 screen, and moves up as far as it must.
    w.show();
    QApplication::processEvents();
    w.move(w.x(), area.bottom() + 1 - w.height());
    ShowMap(t.dg.game, true);
    w.ShowConsole();
    EXPECT_LE(w.width(), 1024);
    EXPECT_LE(w.height(), 768);
    const QRect now = w.frameGeometry();
    EXPECT_GE(now.top(), area.top());
    EXPECT_TRUE(now.bottom() <= area.bottom() || now.top() == area.top()) << now.top() << " " << now.bottom();
    ShowMap(t.dg.game, false);
    w.ShowConsole();
    EXPECT_LE(w.width(), 1024);
}

// ---- Notes, focus and labels ----------------------------------------------------------------------

TEST(frmSSControl, NotesOfAccentedLettersHoldTwoHundredLettersToo) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    const QString e = QString::fromUtf8("\xC3\xA9");
    w.txtNotes->setPlainText(e.repeated(250));  // a paste
    EXPECT_EQ(CharCount(t.C().txtNotes), 200u);
    EXPECT_EQ(w.txtNotes->toPlainText(), e.repeated(200));
    test::DesktopGame::SendKey(w.txtNotes, 0, e);  // the 201st letter is refused
    EXPECT_EQ(CharCount(t.C().txtNotes), 200u);
    t.dg.Click(Form::frmSSControl, "cmdRecord");
    const std::string& kept = t.dg.st.StarSystem(4, 4, 1).Notes;
    EXPECT_TRUE(IsValidUtf8(kept));
    EXPECT_EQ(kept, e.repeated(200).toStdString());
}

TEST(frmSSControl, EveryCommandLeavesTheFocusOnTheHiddenButton) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    int shieldDialogs = 0;
    t.dg.script.modal[Form::frmSHE] = [&](QDialog& d) {
        ++shieldDialogs;
        d.reject();
    };
    t.dg.Click(Form::frmSSControl, "cmdShields");
    EXPECT_EQ(shieldDialogs, 1);
    EXPECT_EQ(w.focusWidget(), w.cmdGoat);
    EXPECT_TRUE(w.cmdGoat->isVisibleTo(&w));
    EXPECT_FALSE(w.rect().intersects(w.cmdGoat->geometry()));  // out of sight
    // Space goes to the hidden button: it does not open the shield dialog again.
    test::DesktopGame::SendKey(w.focusWidget(), Qt::Key_Space, " ");
    EXPECT_EQ(shieldDialogs, 1);

    t.Select("1");
    t.dg.Click(Form::frmSSControl, "cmdEnterOrbit");
    EXPECT_EQ(w.focusWidget(), w.cmdGoat);
    test::DesktopGame::SendKey(w.focusWidget(), Qt::Key_Space, " ");
    EXPECT_EQ(t.C().OrbitPlanet, 1);
}

TEST(frmSSControl, AnActionTooLongForItsLabelIsShortened) {
    CaelethDesk t;
    frmSSControl& w = t.InTheHall();
    const std::string text(300, 'w');
    t.C().Actions[0].Caption = text;
    w.ShowConsole();
    QLabel* l = t.dg.Control<QLabel>(Form::frmSSControl, "lblAct(0)");
    ASSERT_TRUE(l->isVisible());
    EXPECT_TRUE(l->text().endsWith("..."));
    EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width());
    EXPECT_GT(l->text().size(), 10);
    EXPECT_EQ(l->toolTip().toStdString(), text);
    EXPECT_FALSE(l->wordWrap());
    EXPECT_EQ(t.dg.Shown(Form::frmSSControl, "lblAct(1)"), "Follow the sound of hammers.");
}

// ---- The shaped action buttons and the map drag ------------------------------------------------

TEST(frmSSControl, TheActionButtonsAreShapedAndPressedAsShapedButtons) {
    CaelethDesk t;
    frmSSControl& w = t.InTheHall();
    auto* b = t.dg.Control<ShapedPictureButton>(Form::frmSSControl, "rcmdAction(0)");
    ASSERT_TRUE(b->isVisible());
    const QPoint rest = b->pos(), centre = b->rect().center();
    // Shaped as its round picture, with an outline along that shape on the console.
    EXPECT_FALSE(b->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(b->mask().contains(centre));
    const QImage skin = SkinDrawing(&w);
    ASSERT_FALSE(skin.isNull());
    const QPoint top(rest.x() + centre.x(), rest.y());  // the top of the round face
    bool outlined = false;
    for (int dy = 0; dy < 4 && !outlined; ++dy)
        outlined = skin.pixelColor(top + QPoint(0, dy)) == SkinOutlineColour(b);
    EXPECT_TRUE(outlined);

    // Pressed it shifts; dragged out of its shape it comes back, and a release there does nothing.
    Press(b, centre);
    EXPECT_EQ(b->pos(), rest + QPoint(2, 2));
    DragTo(b, QPoint(0, 0));
    EXPECT_EQ(b->pos(), rest);
    Release(b, QPoint(0, 0));
    EXPECT_EQ(t.C().PendingAction, "Hall0202");

    // Pressed and released over its shape it answers its response: up the stair.
    Press(b, centre);
    Release(b, centre);
    EXPECT_EQ(b->pos(), rest);
    EXPECT_EQ(t.C().ChosenAction, 0);
    EXPECT_EQ(t.C().PendingAction, "Hall0201");
    EXPECT_EQ(t.C().MessageSection, "Hall0201");
}

TEST(frmSSControl, TheMapIsDraggedWithTheMouse) {
    CaelethDesk t;
    frmSSControl& w = t.InTheHall();
    const QPoint from = w.picMap->pos();
    const QPoint at = w.picMap->mapFromGlobal(w.pnlBack->mapToGlobal(w.pnlBack->rect().center()));
    Press(w.picMap, at);
    DragTo(w.picMap, at + QPoint(12, 5));
    EXPECT_EQ(w.picMap->pos(), from + QPoint(12, 5));
    Release(w.picMap, at + QPoint(12, 5));
    EXPECT_EQ(t.C().picMap.Left, (from.x() + 12) * kTwipsPerPixel);
    EXPECT_EQ(t.C().picMap.Top, (from.y() + 5) * kTwipsPerPixel);
    w.ShowConsole();  // shown again, the map stays where it was dragged
    EXPECT_EQ(w.picMap->pos(), from + QPoint(12, 5));
}

// ---- The star and the arrows ------------------------------------------------------------------------

// The star is a control of its own over the system view: a click on it selects the star and
// picks no planet on the way, not even one whose orbit lies under the star's picture (which a
// click beside the star picks).
TEST(frmSSControl, AClickOnTheStarSelectsTheStarAndNoPlanet) {
    ConsoleDesk t;
    t.dg.st.StarSystem(4, 4, 1).Planets[0].PlanetValue1 = 300;  // under the star's picture
    frmSSControl& w = t.Open();
    ASSERT_LT(300 / kTwipsPerPixel, w.picStar->width() / 2);
    t.Select("2");
    const int draws = w.planetDraws;
    t.dg.Click(Form::frmSSControl, "picStar");
    EXPECT_EQ(t.C().SelectTag, "Star");
    EXPECT_EQ(w.planetDraws, draws);  // no planet was drawn on the way

    // Just beside the star, planet 1's orbit is the nearest.
    const QPoint beside = w.picStar->geometry().center() + QPoint(w.picStar->width() / 2 + 4, 0);
    test::DesktopGame::ClickAt(w.picSolarSystem, beside);
    EXPECT_EQ(t.C().SelectTag, "1");
}

// A click is a press and a release over the same control: pressed on an arrow or the star and
// released elsewhere, nothing is selected.
TEST(frmSSControl, TheArrowsAndTheStarActOnlyForAReleaseOverThemselves) {
    const struct {
        const char* control;
        const char* before;
        const char* clicked;
    } cases[] = {
        {"lblPlanet(2)", "Star", "1"},
        {"lblPlanet(0)", "2", "1"},
        {"picStar", "2", "Star"},
    };
    for (const auto& c : cases) {
        ConsoleDesk t;
        t.Open();
        t.Select(c.before);
        QWidget* control = t.dg.Control(Form::frmSSControl, c.control);
        const QPoint far = control->rect().center() + QPoint(300, 120);
        Press(control, control->rect().center());
        DragTo(control, far);
        Release(control, far);
        EXPECT_EQ(t.C().SelectTag, c.before) << c.control;
        t.dg.Click(Form::frmSSControl, c.control);
        EXPECT_EQ(t.C().SelectTag, c.clicked) << c.control;
    }
}

TEST(frmSSControl, AnArrowTurnsRedUnderThePointerAndWhiteOffIt) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    auto colour = [](QLabel* l) {
        l->ensurePolished();
        return l->palette().color(l->foregroundRole()).name().toStdString();
    };
    auto hover = [](QWidget* c, QPoint at) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(c->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(c, &e);
    };
    const std::string white = "#ffffff", red = "#ff0000";
    EXPECT_EQ(colour(w.lblPlanet[0]), white);
    EXPECT_EQ(colour(w.lblPlanet[2]), white);
    // Over an arrow, off it onto the system view, the system's name and the console itself.
    const struct {
        QWidget* over;
        std::string left, right;
    } steps[] = {
        {w.lblPlanet[2], white, red},
        {w.picSolarSystem, white, white},
        {w.lblPlanet[0], red, white},
        {w.lblName, white, white},
        {w.lblPlanet[2], white, red},
        {&w, white, white},
    };
    for (const auto& s : steps) {
        hover(s.over, QPoint(2, 2));
        EXPECT_EQ(colour(w.lblPlanet[0]), s.left) << s.over->objectName().toStdString();
        EXPECT_EQ(colour(w.lblPlanet[2]), s.right) << s.over->objectName().toStdString();
    }
}

// ---- What a new visit shows ------------------------------------------------------------------------

TEST(frmSSControl, LeavingClearsThePicturesAndTheStarShowsNoPlanetsText) {
    ConsoleDesk t;
    frmSSControl& w = t.Open();
    t.Select("1");
    EXPECT_FALSE(t.dg.Shown(Form::frmSSControl, "lblLib").isEmpty());
    t.dg.Click(Form::frmSSControl, "lblPlanet(0)");  // back to the star
    EXPECT_EQ(t.dg.Shown(Form::frmSSControl, "lblLib"), "");

    t.Select("2");
    ASSERT_FALSE(w.DrawPicture().isNull());
    t.dg.Click(Form::frmSSControl, "cmdExit");
    EXPECT_TRUE(w.DrawPicture().isNull());
    EXPECT_TRUE(w.picStar->pixmap().isNull());
    const QImage view = w.picSolarSystem->grab().toImage();
    const int cx = static_cast<int>((kStarPictureLeft + kStarPictureSize / 2) / kTwipsPerPixel);
    const int cy = static_cast<int>((kStarPictureTop + kStarPictureSize / 2) / kTwipsPerPixel);
    for (int r : {40, 60, 100}) EXPECT_EQ(view.pixel(cx + r, cy), qRgb(0, 0, 0)) << "orbit " << r;
}

// ---- The responses of a room ----------------------------------------------------------------------

TEST(frmSSControl, ARoomsResponsesAreListedOnceOnTheFirstEntry) {
    CaelethDesk t;
    frmSSControl& w = t.InTheHall();
    // The console's next second, and the landing party beamed down once more.
    tmrMessage_Timer(t.dg.game);
    w.ShowConsole();
    t.dg.Click(Form::frmSSControl, "cmdBeam");
    std::vector<QString> shown;
    for (QLabel* l : w.lblAct)
        if (l->isVisible()) shown.push_back(l->text());
    EXPECT_EQ(shown, (std::vector<QString>{"Climb the stair to the gallery.", "Follow the sound of hammers.",
                                           "Beam back to the ship."}));
    std::vector<QString> options;
    t.dg.script.modal[Form::frmRespond] = [&](QDialog& d) {
        for (QRadioButton* r : static_cast<frmRespond&>(d).Response)
            if (r->isVisibleTo(&d)) options.push_back(r->text());
        static_cast<frmRespond&>(d).cmdClose->click();
    };
    t.dg.Click(Form::frmSSControl, "cmdRespond");
    EXPECT_EQ(options, shown);
}

// A response wider than the dialog is wrapped onto more lines and its row grows with them: every
// word shows, and no row covers the next or the buttons.
TEST(frmSSControl, ALongResponseShowsWholeInTheResponsesDialog) {
    ConsoleDesk t;
    const std::string longer =
        "We come in peace from a world beyond the rim of the galaxy, bearing the songs of our fathers, and we "
        "ask only to hear yours before the long night falls.";
    t.dg.scratch.Write("program/SSDescriptor/Test.ssd",
                       "[General]\r\nPlanetPics=0000\r\nMessages=1111\r\n[Names]\r\nS=Vesta Prime\r\n1=Alpha\r\n"
                       "[1]\r\nResponsesHail=3\r\nResponseHail1=Greetings.\r\nResponseHail2=" +
                           longer + "\r\nResponseHail3=Farewell.\r\n");
    t.Open();
    t.Select("1");
    t.dg.Click(Form::frmSSControl, "cmdEnterOrbit");
    bool shown = false;
    t.dg.script.modal[Form::frmRespond] = [&](QDialog& d) {
        auto& r = static_cast<frmRespond&>(d);
        ASSERT_EQ(r.Response.size(), 4u);
        const std::string expected[] = {"", "Greetings.", longer, "Farewell."};
        int below = 0;
        for (size_t i = 1; i < r.Response.size(); ++i) {
            QRadioButton* option = r.Response[i];
            EXPECT_EQ(option->text().replace('\n', ' ').toStdString(), expected[i]) << i;
            EXPECT_LE(option->sizeHint().width(), option->width()) << i;
            EXPECT_LE(option->sizeHint().height(), option->height()) << i;
            EXPECT_GE(option->y(), below) << i;
            EXPECT_TRUE(d.rect().contains(option->geometry())) << i;
            below = option->geometry().bottom() + 1;
        }
        EXPECT_GT(r.Response[2]->text().count('\n'), 0);
        EXPECT_GE(r.cmdSend->y(), below);
        EXPECT_TRUE(d.rect().contains(r.cmdSend->geometry()));
        shown = true;
        r.cmdClose->click();
    };
    t.dg.Click(Form::frmSSControl, "cmdHail");
    EXPECT_TRUE(shown);
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

// An "&" in a response is shown as it stands, with no access key made of the letter after it.
TEST(frmRespond, AnAmpersandInAResponseShowsAsItStands) {
    RespondDesk t;
    t.dg.game.console.RespondOptions = {{1, "Salt & pepper"}, {2, "R&D"}, {3, "A && B"}};
    t.Run([](frmRespond& d) {
        ASSERT_EQ(d.Response.size(), 4u);
        const char* shown[] = {"", "Salt & pepper", "R&D", "A && B"};
        for (size_t i = 1; i < 4; ++i) {
            const QString text = d.Response[i]->text();
            // What the button draws: "&&" is one "&", a single "&" marks the access key.
            QString drawn;
            for (qsizetype k = 0; k < text.size(); ++k) {
                if (text[k] == '&' && ++k == text.size()) break;
                drawn += text[k];
            }
            EXPECT_EQ(drawn, shown[i]) << i;
            EXPECT_TRUE(QKeySequence::mnemonic(text).isEmpty()) << i;
        }
        d.cmdClose->click();
    });
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
