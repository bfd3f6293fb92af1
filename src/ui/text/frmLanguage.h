#pragma once
// The small loading window shown while every window is relabelled from the language file.
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace kv {

class frmLanguage : public QWidget {
    Q_OBJECT
public:
    explicit frmLanguage(QWidget* parent = nullptr);

    // Places the window centred across the screen, half its height above the bottom edge.
    void Form_Load();
    // Advances the progress bar by one step; a step beyond the maximum changes nothing.
    void Step();

    QLabel* lblLoading;
    QLabel* lblName;
    QProgressBar* pgbLanguage;
};

}  // namespace kv
