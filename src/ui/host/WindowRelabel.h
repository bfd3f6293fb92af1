#pragma once
// The relabelling run on the desktop: each text of the run goes to the control of its window
// found by objectName ("" the window itself), the loading window frmLanguage shows the
// progress, and the design fonts give way to the language's. A window that is not built is
// skipped with its rows.
//
// What each property becomes: a caption the text of a label, button, check box, option button,
// menu item (QAction) or menu, the title of a frame (QGroupBox) or of the window; a tab caption
// QTabBar/QTabWidget::setTabText (tabs counted from 1); a list item QComboBox::setItemText
// (items from 0); a tool tip setToolTip. A hidden text or a panel's Tag becomes the control's
// dynamic property "Tag" (a QEvent::DynamicPropertyChange tells the control).
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "screens/Relabel.h"

namespace kv {

class QtHost;

// The font pass over one window: its own design font, and its controls' (all but the credits
// window's, whose drawing surface alone takes the language's font).
void ReplaceWindowFonts(Form form, QWidget* window, const std::string& font, const std::string& serifFont);

class WindowRelabel : public RelabelSurface {
public:
    explicit WindowRelabel(QtHost& host) : host_(host) {}

    bool WindowExists(Form window) override;
    void Assign(const LabelAssignment& assignment) override;
    void SetLoadingFont(const std::string& font) override;
    void ShowLoading(const std::string& loading, const std::string& language, int maximum) override;
    void SetProgress(int value) override;
    void ReplaceFonts(const std::string& font, const std::string& serifFont) override;
    void BringBackgroundToFront() override;
    void ProcessEvents() override;

    // The rows that found no control, or a control that cannot take the text: one line each,
    // "frmGalaxy tabDisplay TabCaption 5: no such tab". Empty after a sound run.
    const std::vector<std::string>& Faults() const { return faults_; }

private:
    QObject* Control(Form window, const std::string& name);
    void Fault(const LabelAssignment& a, const char* what);

    QtHost& host_;
    // The named objects of each window, looked up once per window in a run.
    std::map<Form, QHash<QString, QObject*>> names_;
    std::vector<std::string> faults_;
    // Since the progress bar last showed its value.
    QElapsedTimer shown_;
    static constexpr int kFrameMs = 16;
};

}  // namespace kv
