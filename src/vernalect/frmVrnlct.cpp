#include "vernalect/frmVrnlct.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>

#include "vernalect/Flags.h"
#include "vernalect/GameVersion.h"
#include "vernalect/Registration.h"

namespace vernalect {
namespace {

// Layout in pixels: the border's margin, each row's height, the option button beside its flag.
constexpr int kMargin = 8, kRow = 40, kChoiceWidth = 22, kGroupWidth = kChoiceWidth + kFlagWidth + 8;
constexpr int kMaxLanguages = 51;

int FlagLeft(int index) { return kMargin + 8 + (index / 5) * kGroupWidth + kChoiceWidth; }

}  // namespace

frmVrnlct::frmVrnlct(QString programFolder, QString settingsFile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      programFolder_(std::move(programFolder)),
      store_(std::move(settingsFile)) {
    setObjectName("frmVrnlct");
    setWindowTitle(QStringLiteral("Vernalect"));
    notify = [this](const QString& text) { QMessageBox::information(this, QStringLiteral("Vernalect"), text); };

    shpBorder = new QFrame(this);
    shpBorder->setObjectName("shpBorder");
    shpBorder->setFrameShape(QFrame::Box);
    shpBorder->setGeometry(kMargin, kMargin, 3 * kGroupWidth + 8, 5 * kRow + 8);
    for (int i = 0; i < kFlagCount; ++i) {
        const int top = kMargin + 8 + (i % 5) * kRow;
        Choice[i] = new QRadioButton(this);
        Choice[i]->setObjectName(QStringLiteral("Choice(%1)").arg(i));
        Choice[i]->setGeometry(FlagLeft(i) - kChoiceWidth, top + (kFlagHeight - 20) / 2, kChoiceWidth, 20);
        Choice[i]->setEnabled(false);
        Choice[i]->setToolTip(FlagLanguage(i));
        connect(Choice[i], &QRadioButton::clicked, this, [this, i] { Choice_Click(i); });
        picLang[i] = new QLabel(this);
        picLang[i]->setObjectName(QStringLiteral("picLang(%1)").arg(i));
        picLang[i]->setProperty("Tag", FlagLanguage(i));
        picLang[i]->setToolTip(FlagLanguage(i));
        picLang[i]->setGeometry(FlagLeft(i), top, kFlagWidth, kFlagHeight);
        picLang[i]->installEventFilter(this);
        PaintFlag(i);
    }
    const int buttonsTop = kMargin + shpBorder->height() + 8;
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setEnabled(false);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setEnabled(false);
    cmdCancel->setGeometry(shpBorder->geometry().right() + 1 - 80, buttonsTop, 80, 26);
    cmdOK->setGeometry(cmdCancel->x() - 8 - 80, buttonsTop, 80, 26);
    connect(cmdOK, &QPushButton::clicked, this, &frmVrnlct::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmVrnlct::cmdCancel_Click);
    setFixedSize(2 * kMargin + shpBorder->width(), buttonsTop + 26 + kMargin);
}

QString frmVrnlct::KestravaVersion() {
    if (!version_.isEmpty()) return version_;
    const QString v = vernalect::KestravaVersion(programFolder_);
    if (v != QStringLiteral("0")) version_ = v;
    return v;
}

bool frmVrnlct::ReadLanguages(bool& sectionHadValues) {
    const auto values = store_.ReadAll();
    sectionHadValues = !values.empty();
    installed_.clear();
    current_.clear();
    for (const auto& [key, value] : values)
        if (key.compare(QStringLiteral("Current"), Qt::CaseInsensitive) == 0) current_ = value;
    for (const auto& [key, value] : values) {
        if (key.isEmpty() || key.compare(QStringLiteral("Current"), Qt::CaseInsensitive) == 0) continue;
        if (value.isEmpty() || !QFileInfo(languageFolder_ + value).isFile()) continue;
        if (installed_.size() < kMaxLanguages) installed_ << key;
    }
    return !installed_.isEmpty();
}

bool frmVrnlct::Form_Load() {
    if (!VersionAtLeast(KestravaVersion(), 1, 2)) {
        notify(QStringLiteral("This can only be run on Kestrava for Windows 95 version 1.2 or greater."));
        return false;
    }
    languageFolder_ = DataFolder(programFolder_) + "LANGUAGE/";
    bool hadValues = false;
    if (!ReadLanguages(hadValues)) {
        // The languages shipped with the game are registered from its registration file.
        ImportRegistration(languageFolder_ + "SetLang.reg", store_);
        if (!ReadLanguages(hadValues)) {
            notify(hadValues ? QStringLiteral("Can't find any language files.  Please contact program vendor.")
                             : QStringLiteral("Error loading languages into registry."));
            return false;
        }
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    return true;
}

void frmVrnlct::PaintFlag(int index) {
    const QPixmap flag = DrawFlag(index);
    picLang[index]->setPixmap(Choice[index]->isEnabled() ? flag : DimFlag(flag));
}

void frmVrnlct::Form_Activate() {
    for (const QString& name : installed_) {
        for (int i = 0; i < kFlagCount; ++i) {
            if (picLang[i]->property("Tag").toString() != name) continue;
            Choice[i]->setEnabled(true);
            PaintFlag(i);
            if (name == current_) {
                Choice[i]->setChecked(true);
                Choice_Click(i);
                cmdCancel->setEnabled(true);
            }
        }
    }
    for (int group = 2; group >= 0; --group) {
        bool any = false;
        for (int i = group * 5; i < group * 5 + 5; ++i) any = any || Choice[i]->isEnabled();
        if (!any) {
            for (int i = group * 5; i < group * 5 + 5; ++i) {
                Choice[i]->hide();
                picLang[i]->hide();
            }
            continue;
        }
        // The window narrows to the groups up to this one.
        const int last = group * 5 + 4;
        shpBorder->resize(picLang[last]->x() + kFlagWidth + 8 - shpBorder->x(), shpBorder->height());
        const int right = shpBorder->geometry().right() + 1;
        cmdCancel->move(right - cmdCancel->width(), cmdCancel->y());
        cmdOK->move(cmdCancel->x() - 8 - cmdOK->width(), cmdOK->y());
        setFixedSize(2 * shpBorder->x() + shpBorder->width(), height());
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            move(area.x() + (area.width() - width()) / 2, y());
        }
        break;
    }
}

void frmVrnlct::Choice_Click(int) { cmdOK->setEnabled(true); }

void frmVrnlct::cmdOK_Click() {
    for (int i = 0; i < kFlagCount; ++i)
        if (Choice[i]->isChecked()) store_.Write(QStringLiteral("Current"), picLang[i]->property("Tag").toString());
    End();
}

void frmVrnlct::cmdCancel_Click() { End(); }

void frmVrnlct::End() {
    ended_ = true;
    close();
}

// The close box ends the program only where Cancel would; with no language recorded the only
// way out is OK.
void frmVrnlct::closeEvent(QCloseEvent* e) {
    if (ended_ || cmdCancel->isEnabled()) {
        ended_ = true;
        e->accept();
    } else {
        e->ignore();
    }
}

bool frmVrnlct::eventFilter(QObject* watched, QEvent* e) {
    for (int i = 0; i < kFlagCount; ++i) {
        if (watched != picLang[i]) continue;
        if (!Choice[i]->isEnabled()) return false;
        if (e->type() == QEvent::MouseButtonPress) {
            pressed_ = static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
            if (pressed_) picLang[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            picLang[i]->setFrameStyle(QFrame::NoFrame);
            if (pressed_ && picLang[i]->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint())) {
                Choice[i]->setChecked(true);
                Choice_Click(i);
            }
            pressed_ = false;
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace vernalect
