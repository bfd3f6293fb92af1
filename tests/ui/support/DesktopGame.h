#pragma once
// The game of a window test: in-memory settings, scratch folders, the test's generator, the real
// desktop host with every window made (InitFormTable), and a script that answers whatever the
// host would ask the player. A question, modal window, file choice, text or colour input, print
// or error report that the script holds no answer for fails the test; no box ever waits for a
// player. Notices are kept for the test to read. Texts read as "<KEY>" unless the test gives
// its own (before the windows are made, since they read their texts as they are made).
//
//     ConstantRandom rng(0.5f);
//     test::DesktopGame dg(rng);
//     dg.script.modal[Form::frmPRO] = [&](QDialog&) { dg.Click(Form::frmPRO, "cmdLaunch"); };
//     dg.Click(Form::frmCommands, "cmdCommand(5)");
//     EXPECT_EQ(dg.Shown(Form::frmInfo, "lblStarbase"), "...");
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "state/Game.h"
#include "state/WindowTable.h"
#include "support/Scratch.h"
#include "ui/app/FormList.h"
#include "ui/host/QtHost.h"

namespace kv::test {

// What the player would answer, in order, and what the host asked.
class DesktopScript : public HostScript {
public:
    ~DesktopScript() override {
        EXPECT_TRUE(errorAnswers.empty()) << errorAnswers.size() << " expected error report(s) never came";
    }

    // ---- The answers ---------------------------------------------------------------------
    std::deque<int> answers;       // questions
    std::deque<int> errorAnswers;  // error reports the test expects (kAbort, kRetry, kIgnore)
    // Acts on a window run through RunModal once it is up, as the player would, and closes it
    // (a window still open afterwards fails the test and is closed).
    std::map<Form, std::function<void(QDialog&)>> modal;
    std::deque<std::optional<std::string>> files, texts;
    std::deque<std::optional<long>> colours;
    std::deque<bool> prints;  // whether each print goes through
    // File choices go through the game's file dialog (script it with modal[Form::frmFile])
    // instead of the answers in `files`.
    bool fileWindow = false;
    // Colour choices go through the real colour picker instead of the answers in `colours`.
    bool colourWindow = false;

    // ---- What was asked ------------------------------------------------------------------
    std::vector<std::string> notices, questions, errors, modals;
    std::vector<long> styles;              // of each notice and question
    std::vector<std::string> fileFolders;  // the folder each file dialog opened in
    std::vector<std::string> colourTitles; // the title of each colour picker
    std::vector<std::vector<std::string>> printed;
    std::vector<std::string> sounds;  // the file name of each sound played ("NOTRESP.WAV")

    void Notice(const std::string& text, long style, bool) override {
        notices.push_back(text);
        styles.push_back(style);
    }
    int Question(const std::string& prompt, long style, bool) override {
        questions.push_back(prompt);
        styles.push_back(style);
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question: " << prompt;
            return CloseAnswer(style);
        }
        return Pop(answers);
    }
    int ErrorReport(const std::string& text) override {
        errors.push_back(text);
        if (errorAnswers.empty()) {
            ADD_FAILURE() << "unexpected error report:\n" << text;
            return kIgnore;
        }
        return Pop(errorAnswers);
    }
    void Modal(Form form, QDialog& window) override {
        modals.push_back(Name(form));
        auto it = modal.find(form);
        if (it == modal.end() || !it->second) {
            ADD_FAILURE() << "unscripted modal window: " << Name(form);
        } else {
            it->second(window);
            if (!window.isVisible()) return;
            ADD_FAILURE() << "modal window " << Name(form) << " still open after its script";
        }
        window.reject();
        // A window that refuses to be dismissed (the exploration console during a visit).
        if (window.isVisible()) window.hide();
    }
    std::optional<std::string> File(FileDialogMode, const std::string& pattern, const std::string& folder) override {
        fileFolders.push_back(folder);
        return Next(files, "file dialog " + pattern);
    }
    bool FileWindow() const override { return fileWindow; }
    std::optional<std::string> Text(const std::string& prompt, const std::string&, const std::string&) override {
        return Next(texts, "text input " + prompt);
    }
    std::optional<long> Colour(long, const std::string& title) override {
        colourTitles.push_back(title);
        return Next(colours, "colour dialog");
    }
    bool ColourWindow() const override { return colourWindow; }
    bool Print(const std::vector<std::string>& lines, const std::string& title) override {
        printed.push_back(lines);
        if (prints.empty()) {
            ADD_FAILURE() << "unscripted print: " << title;
            return false;
        }
        return Pop(prints);
    }
    void Sound(const std::string& path, int) override {
        const size_t slash = path.find_last_of("/\\");
        sounds.push_back(slash == std::string::npos ? path : path.substr(slash + 1));
    }

private:
    template <typename T>
    static T Pop(std::deque<T>& queue) {
        T v = queue.front();
        queue.pop_front();
        return v;
    }
    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& queue, const std::string& what) {
        if (queue.empty()) {
            ADD_FAILURE() << "unscripted " << what;
            return std::nullopt;
        }
        return Pop(queue);
    }
};

struct DesktopGame {
    // Without `makeWindows` the host makes each window when the test or the game first needs it.
    explicit DesktopGame(Random& r, std::map<std::string, std::string> texts = {}, bool makeWindows = true)
        : rng(r), game(r, settings, host, scratch.Folders()) {
        game.lang.UseTexts(std::move(texts));
        game.lang.SetEchoMissing(true);
        host.SetScript(&script);
        if (makeWindows) InitFormTable(game);
    }
    ~DesktopGame() {
        host.DestroyForms();
        host.SetScript(nullptr);
    }
    DesktopGame(const DesktopGame&) = delete;
    DesktopGame& operator=(const DesktopGame&) = delete;

    // ---- Finding what a window shows ------------------------------------------------------
    template <class W = QWidget>
    W* Window(Form form) const {
        auto* w = qobject_cast<W*>(host.FormWindow(form));
        if (!w) ADD_FAILURE() << "no window " << Name(form);
        return w;
    }
    // A control of a window by its objectName ("cmdAccept", "picSector(12)").
    template <class C = QWidget>
    C* Control(Form form, const QString& name) const {
        QWidget* w = host.FormWindow(form);
        C* c = w ? w->findChild<C*>(name) : nullptr;
        if (!c) ADD_FAILURE() << "no control " << name.toStdString() << " on " << Name(form);
        return c;
    }
    // The text a control shows: a label's, a button's, a text box's, a combo box's current
    // item; a list's rows, one a line. An empty name: the window's title.
    QString Shown(Form form, const QString& name) const {
        if (name.isEmpty()) {
            QWidget* w = Window(form);
            return w ? w->windowTitle() : QString();
        }
        QWidget* c = Control(form, name);
        if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(c)) return b->text();
        if (auto* e = qobject_cast<QLineEdit*>(c)) return e->text();
        if (auto* t = qobject_cast<QTextEdit*>(c)) return t->toPlainText();
        if (auto* t = qobject_cast<QPlainTextEdit*>(c)) return t->toPlainText();
        if (auto* b = qobject_cast<QComboBox*>(c)) return b->currentText();
        if (auto* v = qobject_cast<QAbstractItemView*>(c)) {
            QStringList rows;
            for (int r = 0; v->model() && r < v->model()->rowCount(); ++r)
                rows << v->model()->index(r, 0).data().toString();
            return rows.join('\n');
        }
        if (c) ADD_FAILURE() << name.toStdString() << " shows no text";
        return QString();
    }

    // ---- Acting as the player --------------------------------------------------------------
    // A left click at the middle of a control, through the application as the player's would go
    // (the busy guard sees it): a button's handler runs when the game takes input.
    void Click(Form form, const QString& name) const {
        if (QWidget* c = Control(form, name)) ClickAt(c, c->rect().center());
    }
    static void ClickAt(QWidget* c, QPoint at) {
        const QPointF local(at), global(c->mapToGlobal(at));
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(c, &press);
        QApplication::sendEvent(c, &release);
    }
    // A menu item (an action) chosen by its objectName.
    void Choose(Form form, const QString& name) const {
        QWidget* w = host.FormWindow(form);
        QAction* action = w ? w->findChild<QAction*>(name) : nullptr;
        if (!action) {
            ADD_FAILURE() << "no menu item " << name.toStdString() << " on " << Name(form);
            return;
        }
        action->trigger();
    }
    // Types the text into a control, one key press and release a character; a key without
    // text (Qt::Key_Return, Qt::Key_Escape ...) with Key.
    void Keys(Form form, const QString& name, const QString& text) const {
        QWidget* c = Control(form, name);
        for (QChar ch : text) SendKey(c, 0, QString(ch));
    }
    void Key(Form form, const QString& name, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) const {
        SendKey(Control(form, name), key, QString(), mods);
    }
    static void SendKey(QWidget* c, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        if (!c) return;
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(c, &press);
        QApplication::sendEvent(c, &release);
    }

    ScratchFolder scratch;
    MemorySettingsStore settings;
    QtHost host{FormList()};
    Random& rng;
    Game game;
    GameState& st = game.st;
    DesktopScript script;
};

}  // namespace kv::test
