#pragma once
// frmSSControl: the exploration console. The engine opens it modally for a whole visit to a star
// system; it shows the console's state (Game::console) and hands every click to the console's
// procedures (explore/Console.h). What it draws itself: the system seen from above (DrawSystem),
// the planet close-up (DrawPlanets) or the star's spectrum (DrawSpectral) in picDraw, a planet's
// clip (LoadAVI) and the room map with its Room cells.
#include <QCursor>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "explore/AviClip.h"
#include "explore/ConsoleDrawing.h"

namespace kv {

struct Game;
class QtHost;
class Room;

// A picture box that shows an image of its own (picDraw, the system view's star, the map).
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr) : QWidget(parent) {}
    QImage image;
    // Called to paint over the image (the system view draws its orbits here).
    std::function<void(QPainter&)> paintOver;

signals:
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// An action button rcmdAction(i): a picture box shaped as its picture (SkinForm), that shifts
// while pressed and acts when released over its shape (the shaped-button routines).
class ShapedPictureButton : public QWidget {
    Q_OBJECT
public:
    explicit ShapedPictureButton(QWidget* parent = nullptr) : QWidget(parent) {}
    // Shows a picture, the button taking its size; `key` fills what the picture leaves
    // transparent (the colour its shape leaves out).
    void SetPicture(const QImage& picture, const QColor& key);
    const QImage& Picture() const { return picture_; }

signals:
    // The press, the pointer's moves and the release, handed to the console's handlers.
    void MouseDown(Qt::MouseButton button);
    void MouseMove(Qt::MouseButtons buttons, QPoint at);
    void MouseUp(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    QColor key_;
};

class frmSSControl : public QDialog {
    Q_OBJECT
public:
    frmSSControl(Game& g, QtHost& host);

    // ---- Window events -----------------------------------------------------------------------
    void Form_Load();
    void Form_Activate();
    void Form_MouseMove();
    void Form_Resize();
    void cmdEnterOrbit_Click();
    void cmdLeaveOrbit_Click();
    void cmdHail_Click();
    void cmdBeam_Click();
    void cmdEnergy_Click();
    void cmdPhaser_Click();
    void cmdPhoton_Click();
    void cmdShields_Click();
    void cmdExit_Click();
    void cmdRecord_Click();
    void cmdReset_Click();
    void cmdIgnore_Click();
    void cmdRespond_Click();
    void picStar_Click();
    void lblPlanet_Click(int index);
    // A press on the system view at a point of its own (pixels).
    void picSolarSystem_MouseDown(int button, int shift, int x, int y);
    void txtNotes_Change();
    bool txtNotes_KeyPress(int keyAscii);
    void rcmdAction_Click(int index);
    void tmrMessage_Timer();
    void tmrFlag_Timer();
    void lblName_MouseMove();
    void lblPlanet_MouseMove(int index);
    void SetArrowColour(int index, int colour);
    void picSolarSystem_MouseMove();
    // The room map: a press drags the map (left button) or centres it (right button); the first
    // move after a drag gives the pointer back its open hand. Positions are the screen's.
    void picMap_MouseDown(int button, QPoint globalPos);
    void picMap_MouseMove(QPoint globalPos);
    void picYouAreHere_MouseDown(int button, QPoint globalPos);
    void picYouAreHere_MouseMove(QPoint globalPos);
    void Rooms_MouseDown(int index, int button, QPoint globalPos);
    void Rooms_MouseMove(int index, QPoint globalPos);
    // The action buttons: pressed, hovered and released as shaped buttons; a release over the
    // shape runs the response.
    void rcmdAction_MouseDown(int index, Qt::MouseButton button);
    void rcmdAction_MouseMove(int index, Qt::MouseButtons buttons, QPoint at);
    void rcmdAction_MouseUp(int index, Qt::MouseButton button);

    // ---- Displays (registered with the host) ---------------------------------------------------
    void ShowConsole();  // View::SSConsole
    void DrawSystem();   // View::SSSystemView
    void DrawPlanets();  // View::SSPlanetView
    void DrawSpectral(); // View::SSSpectrum
    // Plays the clip of planet `planet` of the system in AVI: true when it is showing.
    bool LoadAVI(const SolarSystemRecord& rec, int planet);

    // ---- What tests read -----------------------------------------------------------------------
    int planetDraws = 0;          // close-ups made (clip, strip cell or sphere)
    SphereCut lastSphere;         // the last generated sphere's disc and cut
    bool lastSphereShaded = false;
    // The system view as drawn, in its own pixels.
    QImage SystemPicture();
    QImage DrawPicture() const { return picDraw->image; }
    const std::optional<AviClip>& Clip() const { return clip_; }

    // ---- Controls ------------------------------------------------------------------------------
    PictureBox* picSolarSystem;
    QLabel* picStar;
    QLabel* shpSelect;
    QLabel* lblName;
    std::array<QLabel*, 3> lblPlanet{};  // elements 0 and 2
    PictureBox* picDraw;
    QLabel* lblScanning;
    QLabel* AVI;
    QLabel *lblM0Title, *lblM0Text, *lblM1Title, *lblM1Text, *lblM2Title, *lblM2Text, *lblLib;
    QLabel *pnlM0Title, *pnlM0Text;  // their captions are plblM0Title, plblM0Text
    QLabel *plblM0Title, *plblM0Text;
    QLabel* shpNoHS;
    QLabel* pnlOrbiting;
    QLabel* lblCommands;
    QPushButton *cmdEnterOrbit, *cmdLeaveOrbit, *cmdHail, *cmdBeam, *cmdEnergy, *cmdPhaser, *cmdPhoton, *cmdShields,
        *cmdExit;
    QLabel* lblSystemNotes;
    QPlainTextEdit* txtNotes;
    QPushButton *cmdRecord, *cmdReset;
    QFrame* pnlMessage;
    QLabel* lblMessage;
    QLabel* Message;
    QPushButton *cmdRespond, *cmdIgnore;
    QFrame* pnlBack;
    PictureBox* picMap;
    QLabel* picYouAreHere;
    QLabel* picNorthUp;
    std::vector<Room*> Rooms;
    std::vector<ShapedPictureButton*> rcmdAction;
    std::vector<QLabel*> lblAct;
    QFrame* pnlFlags;
    std::array<QFrame*, 8> shpFlag{};
    QTimer* tmrMessage;
    QTimer* tmrFlag;
    // The hidden button that takes the keyboard focus after every command.
    QPushButton* cmdGoat;

    // Dismissing the console does not end a visit: only the exit command does.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Build();
    QPushButton* Command(const char* name, const char* key, int y, void (frmSSControl::*handler)());
    void ShowNotes();
    void ShowMapControls();
    void ShowActions();
    void SetFlagColours();
    void CloseClip();
    void NextClipFrame();
    void PaintSystem(QPainter& p);
    QImage ActionIcon(int icon) const;
    QImage TextureFor(int planetClass, int planet);
    void LoadPictures();
    void KeepOnDesktop();
    void ShowAction(size_t i);
    bool Clicked(QWidget* control, QEvent* event);

    Game& g_;
    QtHost& host_;
    QImage stars_, actions_, strip_;
    QString stripTag_;
    QImage texture0_;
    int texture0Class_ = 0;
    QString aviTag_;
    std::optional<AviClip> clip_;
    size_t clipFrame_ = 0;
    QTimer* clipTimer_;
    bool mapGrab_ = false;
    QPointer<QWidget> pressedOn_;           // the arrow or star the left button went down on
    bool away_ = false;                     // the other windows are hidden while minimised
    std::vector<QPointer<QWidget>> hidden_;  // the windows hidden then
    bool showingNotes_ = false;
    QCursor grab_, ungrab_;
};

}  // namespace kv
