#pragma once
// The galaxy chart: an 8 x 8 grid of quadrant labels that shows the code of every quadrant the
// player has charted (GameState::Chart, filled by UpdateGalaxyRecord), four display tabs, the
// frame around the star target and the blink of starbases under attack. A click explains a
// label's code, or picks the quadrant for a dialog or the automatic target calculator.
#include <QFrame>
#include <QLabel>
#include <QTabBar>
#include <QWidget>
#include <array>

#include "state/Game.h"
#include "ui/host/QtHost.h"

namespace kv {

class frmGalaxy : public QWidget, public ChartSurface {
    Q_OBJECT
public:
    frmGalaxy(Game& g, QtHost& host, QWidget* parent = nullptr);
    ~frmGalaxy() override;

    // The left edge of the screen, directly above the status lamps.
    void Form_Load();
    // Shows the labels as the chart data holds them (only those that changed are touched).
    void ShowChart();

    void tabDisplay_Click(int tab);
    void lblQuad_Click(int index);
    void lblQuad_MouseDown(int index, int button, int shift);
    void lblQuad_MouseMove(int button);
    void tmrBlink_Timer();

    // ---- ChartSurface -----------------------------------------------------------------------
    void SetChartQuadrantColor(int index, long color) override;
    void FrameChartQuadrant(int index) override;
    void ClearChartHighlights() override;

    std::array<QLabel*, 64> lblQuad{};
    std::array<QLabel*, 8> lblRow{};
    std::array<QLabel*, 8> lblCol{};
    QFrame* shpLimit;
    QTabBar* tabDisplay;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void ShowLabel(int index);
    int IndexOf(QObject* label) const;

    Game& g_;
    QtHost& host_;
    QWidget* board_;
    std::array<ChartLabel, 64> shown_{};
    std::array<bool, 64> painted_{};
};

}  // namespace kv
