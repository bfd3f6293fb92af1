#include "ui/host/WindowRelabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMetaProperty>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include "ui/text/frmLanguage.h"
#include "ui/host/QtHost.h"

namespace kv {
namespace {

// The caption of a control, or false when it has none.
bool SetCaption(QObject* o, const QString& text) {
    if (auto* l = qobject_cast<QLabel*>(o)) {
        l->setText(text);
    } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        b->setText(text);
    } else if (auto* f = qobject_cast<QGroupBox*>(o)) {
        f->setTitle(text);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(text);
    } else if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(text);
    } else {
        // A control of the window's own making that carries its caption as "text" or "title".
        for (const char* name : {"text", "title"}) {
            const int i = o->metaObject()->indexOfProperty(name);
            if (i >= 0 && o->metaObject()->property(i).isWritable()) return o->setProperty(name, text);
        }
        return false;
    }
    return true;
}

bool SetTab(QObject* o, int tab, const QString& text) {
    if (auto* bar = qobject_cast<QTabBar*>(o); bar && tab >= 1 && tab <= bar->count()) {
        bar->setTabText(tab - 1, text);
        return true;
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(o); tabs && tab >= 1 && tab <= tabs->count()) {
        tabs->setTabText(tab - 1, text);
        return true;
    }
    return false;
}

bool SetListItem(QObject* o, int item, const QString& text) {
    auto* box = qobject_cast<QComboBox*>(o);
    if (!box || item < 0 || item >= box->count()) return false;
    box->setItemText(item, text);
    return true;
}

bool SetToolTip(QObject* o, const QString& text) {
    if (auto* w = qobject_cast<QWidget*>(o)) {
        w->setToolTip(text);
        return true;
    }
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setToolTip(text);
        return true;
    }
    return false;
}

void ReplaceFont(QWidget* w, bool isWindow, const std::string& font, const std::string& serifFont) {
    const auto family = ReplacementFont(w->font().family().toStdString(), isWindow, font, serifFont);
    if (!family) return;
    QFont f = w->font();
    f.setFamily(QString::fromStdString(*family));
    w->setFont(f);
}

}  // namespace

bool WindowRelabel::WindowExists(Form window) {
    // Touching a window makes it, as every other request for it does.
    host_.LoadForm(window);
    return host_.FormWindow(window) != nullptr;
}

QObject* WindowRelabel::Control(Form window, const std::string& name) {
    QWidget* w = host_.FormWindow(window);
    if (!w) return nullptr;
    if (name.empty()) return w;
    auto it = names_.find(window);
    if (it == names_.end()) {
        QHash<QString, QObject*> index;
        for (QObject* o : w->findChildren<QObject*>()) {
            const QString n = o->objectName();
            if (!n.isEmpty() && !index.contains(n)) index.insert(n, o);
        }
        it = names_.emplace(window, std::move(index)).first;
    }
    return it->second.value(QString::fromStdString(name), nullptr);
}

void WindowRelabel::Fault(const LabelAssignment& a, const char* what) {
    faults_.push_back(std::string(Name(a.window)) + " " + (a.control.empty() ? "(window)" : a.control) + " " +
                      Name(a.property) + " " + std::to_string(a.index) + ": " + what);
    qWarning("relabelling: %s", faults_.back().c_str());
}

void WindowRelabel::Assign(const LabelAssignment& a) {
    QObject* o = Control(a.window, a.control);
    if (!o) return Fault(a, "no such control");
    const QString text = QString::fromStdString(a.text);
    bool done = false;
    switch (a.property) {
        case LabelProperty::Caption:
            if (a.control.empty()) {
                static_cast<QWidget*>(o)->setWindowTitle(text);
                done = true;
            } else {
                done = SetCaption(o, text);
            }
            break;
        case LabelProperty::HiddenText:
        case LabelProperty::Tag:
            o->setProperty("Tag", text);
            done = true;
            break;
        case LabelProperty::ToolTip: done = SetToolTip(o, text); break;
        case LabelProperty::TabCaption: done = SetTab(o, a.index, text); break;
        case LabelProperty::ListItem: done = SetListItem(o, a.index, text); break;
    }
    if (!done) Fault(a, "the control cannot take this text");
}

void WindowRelabel::SetLoadingFont(const std::string& font) {
    host_.LoadForm(Form::frmLanguage);
    auto* w = qobject_cast<frmLanguage*>(host_.FormWindow(Form::frmLanguage));
    if (!w) return;
    for (QLabel* l : {w->lblLoading, w->lblName}) {
        QFont f = l->font();
        f.setFamily(QString::fromStdString(font));
        l->setFont(f);
    }
}

void WindowRelabel::ShowLoading(const std::string& loading, const std::string& language, int maximum) {
    auto* w = qobject_cast<frmLanguage*>(host_.FormWindow(Form::frmLanguage));
    if (!w) return;
    w->lblLoading->setText(QString::fromStdString(loading));
    w->lblName->setText(QString::fromStdString(language));
    w->pgbLanguage->setRange(0, maximum);
    w->pgbLanguage->setValue(0);
    w->show();
    w->repaint();
    shown_.start();
}

// The bar repaints itself at once as its value changes: at most once a frame (and at its end),
// since a faster run of repaints shows the eye nothing more and costs the run most of its time.
void WindowRelabel::SetProgress(int value) {
    auto* w = qobject_cast<frmLanguage*>(host_.FormWindow(Form::frmLanguage));
    if (!w || value > w->pgbLanguage->maximum()) return;
    if (value == w->pgbLanguage->maximum() || !shown_.isValid() || shown_.elapsed() >= kFrameMs) {
        w->pgbLanguage->setValue(value);
        shown_.start();
    }
}

void ReplaceWindowFonts(Form form, QWidget* w, const std::string& font, const std::string& serifFont) {
    ReplaceFont(w, true, font, serifFont);
    if (form == Form::frmAbout) {
        // The credits window keeps its controls' fonts; its drawing surface takes the language's.
        if (auto* draw = w->findChild<QWidget*>(QStringLiteral("picDraw"))) {
            QFont f2 = draw->font();
            f2.setFamily(QString::fromStdString(font));
            draw->setFont(f2);
        }
        return;
    }
    for (QWidget* c : w->findChildren<QWidget*>()) ReplaceFont(c, false, font, serifFont);
}

void WindowRelabel::ReplaceFonts(const std::string& font, const std::string& serifFont) {
    for (int f = static_cast<int>(Form::frmOutput); f <= static_cast<int>(Form::frmLanguage); ++f) {
        const Form form = static_cast<Form>(f);
        if (QWidget* w = host_.FormWindow(form)) ReplaceWindowFonts(form, w, font, serifFont);
    }
    host_.KeepLanguageFonts(font, serifFont);
}

void WindowRelabel::BringBackgroundToFront() { host_.BringToFront(Form::frmBackground); }

void WindowRelabel::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace kv
