#pragma once
// What the host asks of the few windows it serves the game through directly: the game's own
// message window, the note window and the background window. Each window implements its
// interface; the host finds it through the window of its form, without knowing the class.
#include <QString>
#include <optional>
#include <string>

#include "state/Port.h"

class QWidget;

namespace kv {

// What the relabelling run asks of the host: the windows by form (made on request) and the
// background window brought to the front.
class RelabelHost {
public:
    virtual ~RelabelHost() = default;
    // The window of a form, once it is made (nullptr before, or when it is not built).
    virtual QWidget* FormWindow(Form form) const = 0;
    virtual void LoadForm(Form form) = 0;
    virtual void BringToFront(Form form) = 0;
    // The language's fonts, once the run has put them on the windows that stood then: a window
    // made later takes them as it is made.
    virtual void KeepLanguageFonts(const std::string& font, const std::string& serifFont) = 0;
};

// The game's own message window (frmQuiet).
class MessageWindow {
public:
    virtual ~MessageWindow() = default;
    // Builds the window for the text and style, shows it modally and returns the code of the
    // button pressed.
    virtual int Ask(const QString& text, long style) = 0;
};

// The note window that does not wait (frmShowMessage).
class NoteWindow {
public:
    virtual ~NoteWindow() = default;
    // Shows the note (with a text: fitted to it; without: as it was) or hides it. Returns 0, or
    // 401 when a modal window is open.
    virtual int ShowNote(bool visible, const std::optional<std::string>& text) = 0;
};

// The background window (frmBackground): the picture, the colour, the version splash and the
// caption show's lines.
class BackgroundWindow {
public:
    virtual ~BackgroundWindow() = default;
    virtual bool LoadPicture(const std::string& path) = 0;
    virtual void SetBackColour(long colour) = 0;
    virtual void HideBackground() = 0;
    virtual void DrawVersionText(const std::string& text, long colour) = 0;
    virtual void AddBackgroundLine(const std::string& text) = 0;
};

// The loading window shown while the windows are relabelled (frmLanguage).
class LoadingWindow {
public:
    virtual ~LoadingWindow() = default;
    // The font of its two lines.
    virtual void SetLoadingFont(const QString& family) = 0;
    // Its two lines and a progress bar at 0 of `maximum`, shown at once.
    virtual void ShowLoading(const QString& loading, const QString& language, int maximum) = 0;
    // The progress bar's maximum, and its value set (shown at once).
    virtual int LoadingMaximum() const = 0;
    virtual void SetLoadingProgress(int value) = 0;
};

}  // namespace kv
