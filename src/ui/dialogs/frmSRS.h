#pragma once
// The short-range scan window: the ship's quadrant as an 8 x 8 grid of sector pictures cut from
// the icon strip, with the overlays the engine draws on it (beams, shield rings and markers, the
// star flare, a blast's rings, the hyperspace flash, the tow icon, the Morv ship's glide) and
// the selection frames of a pick. What the mouse does on the grid (describe, hover, pick) and
// what the timers do are core functions (screens/dialogs/ScanWindow.h); the window keeps which
// picture each cell shows and paints.
#include <QLabel>
#include <QLineF>
#include <QPixmap>
#include <QRectF>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "screens/dialogs/ScanEffects.h"
#include "screens/dialogs/ScanWindow.h"
#include "state/Game.h"
#include "ui/host/QtHost.h"

namespace kv {

class frmSRS;

// One sector cell ("picSector(n)"): it takes the mouse for its sector; the window paints it.
class ScanCell : public QWidget {
    Q_OBJECT
public:
    ScanCell(frmSRS& window, int index);
    int Index() const { return index_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    frmSRS& window_;
    int index_;
    bool afterDoubleClick_ = false;
};

class frmSRS : public QWidget, public ScanView {
    Q_OBJECT
public:
    frmSRS(Game& g, QtHost& host, QWidget* parent = nullptr);
    ~frmSRS() override;

    // ---- ScanView ---------------------------------------------------------------------------
    void DrawSector(int row, int col, int code) override;
    void ResetSRSCells() override;
    int SectorCellPixels() override;
    void DrawFlashRing(int row, int col, int radius, int colour) override;
    void EndFlash(int row, int col) override;
    void ShowTowIcon(int row, int col) override;
    void ResetSectorPicture(int row, int col) override;
    void AnimateSectorMove(int fromRow, int fromCol, int toRow, int toCol, int line) override;
    void ShowBeamLines(int first, int last, bool visible) override;
    void SetTractorBeamColours(bool morv) override;
    void PlaceMarker(SectorMarker marker, int row, int col) override;
    void ShowMarker(SectorMarker marker, bool visible) override;
    void ShowFlare(int row, int col, double dx, double dy, int size) override;
    void HyperspaceFlash(int frame, long colour) override;
    void AnimateMorvMove(int fromRow, int fromCol, int toRow, int toCol) override;

    // ---- What the window shows ----------------------------------------------------------------
    // The strip cell a sector cell (0..63) shows, or kNotAStripCell (a torpedo in flight).
    int CellIcon(int cell) const;
    // Whether its picture is hidden (a blast's flash, the hyperspace flash).
    bool CellHidden(int cell) const;
    // A beam line (0..14): shown, and its ends in pixels.
    bool BeamVisible(int line) const { return beams_[static_cast<size_t>(line)].visible; }
    QLineF BeamPixels(int line) const;
    bool MarkerVisible(SectorMarker marker) const;
    // The marker's square in pixels (empty when it has no place).
    QRectF MarkerPixels(SectorMarker marker) const;
    int HyperspaceFrame() const { return hyperFrame_; }
    bool SpriteVisible() const { return spriteVisible_; }
    const ScanLayout& Layout() const { return layout_; }
    // A cell's square in pixels.
    QRect CellPixels(int cell) const;
    // The shield ring's colour step (1..7), whether the ring shows, and its square in pixels.
    int ShieldStep() const { return shieldStep_; }
    bool ShieldRingVisible() const;
    QRectF ShieldRingPixels() const;
    // The shield ring's colour timer (tmrShield).
    const QTimer* ShieldTimer() const { return tmrShield_; }

    // Seconds the Morv ship takes to glide over one cell pitch (the game's own pace; a test may
    // make it quicker).
    double glideSecondsPerCell = 4.438;

    // ---- Handlers --------------------------------------------------------------------------
    // The icons loaded, the grid laid out and the window placed.
    void Form_Load();
    void picSector_Click(int index);
    void picSector_DblClick(int index);
    void picSector_MouseDown(int index, int button, int shift);
    void picSector_MouseMove(int index, int button);
    void tmrHideLabel_Timer();
    // The shield ring's next colour step.
    void tmrShield_Timer();
    void tmrMorvTractor_Timer();
    // The picture strip of the picture quality; every cell keeps its icon.
    void LoadSrsIcons();
    // The grid laid out for the display option; every cell shows the first icon, and a running
    // game's scan is drawn again.
    void ApplySrsColors();
    // Every cell shows a random one of the strip's sector pictures.
    void RandomPics();

    std::array<ScanCell*, 64> picSector{};
    std::array<QLabel*, 8> Coordh{}, Coordv{};
    QLabel* lblName;
    QTimer* tmrHideLabel;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Beam {
        BeamLine ends;
        bool visible = false;
    };
    struct FlashRing {
        int cell = -1, radius = 0, colour = 0;
    };

    // The grid for the current strip and display option (no scan drawn).
    void LayOut();
    void ScaleIcons();
    void PlaceWindow();
    void ShowScan();
    // The shield timer's pace and the ring's outline from the status bars.
    void ApplyShieldAnimation();
    // The hover label as the game holds it; its timer starts for a label shown anew (one that
    // was not running, or ran for another cell).
    void ShowHoverLabel(bool wasRunning, int wasCell);
    double MarkerSide(SectorMarker marker) const;
    QRectF Pixels(const TwipRect& r) const;
    std::optional<int> CellOf(int row, int col) const;
    QColor BeamColour(int line) const;

    Game& g_;
    QtHost& host_;
    ScanLayout layout_;
    QPixmap strip_, torpedoStrip_;
    std::vector<QPixmap> icons_, torpedoFrames_;  // scaled to the cell
    std::array<int, 64> shown_{}, own_{}, torpedoFrame_{};
    std::array<bool, 64> hidden_{};
    int nextTorpedoFrame_ = 0;
    std::array<Beam, 15> beams_{};
    bool morvTractorColours_ = false;
    std::array<std::optional<TwipRect>, 3> markerPlace_{};
    std::array<bool, 3> markerVisible_{};
    std::optional<TwipRect> flare_;
    FlashRing ring_;
    int hyperFrame_ = 0;
    long hyperColour_ = 0;
    bool spriteVisible_ = false;
    double spriteLeft_ = 0, spriteTop_ = 0;
    int shieldStep_ = 1;
    int shieldCell_ = -1;
    QTimer* tmrShield_;
};

}  // namespace kv
