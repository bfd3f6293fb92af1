#pragma once
// The full-screen window behind the game windows: a colour or a picture between shows, the intro
// picture and the version splash at start-up, and the stage of the caption show, whose lines
// fade in and out on its black surface. The show's steps are the core's (CaptionShow); the
// window measures the lines, draws what each tick prints and runs the two timers.
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <map>
#include <optional>
#include <string>

#include "screens/main/CaptionShow.h"
#include "ui/host/HostWindows.h"

namespace kv {

class QtHost;

class frmBackground : public QDialog, public BackgroundWindow {
    Q_OBJECT
public:
    frmBackground(Game& g, QtHost& host, QWidget* parent = nullptr);

    // ---- BackgroundWindow: what the desktop asks of it (QtHost routes these here) ---------
    // Loads the picture, stretched over the window; false (and no picture) when the file is
    // not a readable picture.
    bool LoadPicture(const std::string& path) override;
    // Only the colour (0xBBGGRR), no picture; what was printed on the window goes.
    void SetBackColour(long colour) override;
    // Hidden, without a picture or anything printed.
    void HideBackground() override;
    // The version splash: the text at the bottom right in the colour given, over what the
    // window shows.
    void DrawVersionText(const std::string& text, long colour) override;
    // A line of the show was added; "RESET" drops whatever a show left printed.
    void AddBackgroundLine(const std::string& text) override;

    // ---- Handlers ---------------------------------------------------------------------------
    void Form_Load();
    void Form_Resize();
    void Form_KeyPress(int keyAscii);
    void Form_MouseMove(int shift);
    void tmrScroll_Timer();
    void tmrNoMorv_Timer();

    // The lines' font: that of element 0 of lblScroll, 24 points on a screen 1024 pixels wide.
    QFont ShowFont() const { return lblScroll0->font(); }
    // The version splash's: the window's own font, bold, 16 points.
    QFont VersionFont() const;
    // What the show has printed and not yet erased, by line.
    const std::map<int, CaptionPrint>& Printed() const { return printed_; }
    bool ShowRunning() const { return showing_; }
    QColor BackColour() const { return backColour_; }
    // The version text and where it stands (nothing before the splash).
    std::optional<QRect> VersionTextRect() const;

    QLabel* picBackground;
    QLabel* lblScroll0;  // "lblScroll(0)"
    QTimer* tmrScroll;
    QTimer* tmrNoMorv;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    // The window ends its shows itself.
    void reject() override {}

private:
    void Form_Click();
    void ReturnToGameWindows();
    void Show(CaptionShowKind kind, QTimer* timer);
    CaptionGeometry Measure() const;
    void PaintPrinted(QPainter& p) const;
    void ClearPrinted();

    Game& g_;
    QtHost& host_;
    QWidget* surface_;  // the window's printed text, over the picture
    QColor backColour_{Qt::black};
    QPixmap picture_;
    bool showing_ = false;
    std::map<int, CaptionPrint> printed_;
    std::string versionText_;
    QColor versionColour_;
    QPointer<QWidget> lastFocus_;  // the window that last had the focus, other than this one
};

}  // namespace kv
