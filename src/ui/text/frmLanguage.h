#pragma once
// The small loading window shown while every window is relabelled from the language file.
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "ui/host/HostWindows.h"

namespace kv {

class frmLanguage : public QWidget, public LoadingWindow {
    Q_OBJECT
public:
    explicit frmLanguage(QWidget* parent = nullptr);

    // Places the window centred across the screen, half its height above the bottom edge.
    void Form_Load();
    // Advances the progress bar by one step; a step beyond the maximum changes nothing.
    void Step();

    // ---- LoadingWindow ------------------------------------------------------------------------
    void SetLoadingFont(const QString& family) override;
    void ShowLoading(const QString& loading, const QString& language, int maximum) override;
    int LoadingMaximum() const override { return pgbLanguage->maximum(); }
    void SetLoadingProgress(int value) override { pgbLanguage->setValue(value); }

    QLabel* lblLoading;
    QLabel* lblName;
    QProgressBar* pgbLanguage;
};

}  // namespace kv
