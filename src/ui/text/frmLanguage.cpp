#include "ui/text/frmLanguage.h"
#include "ui/host/WindowKeys.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

namespace kv {

frmLanguage::frmLanguage(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName("frmLanguage");
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    lblLoading = new QLabel(QStringLiteral("Loading Language File: "), this);
    lblLoading->setObjectName("lblLoading");
    lblName = new QLabel(QStringLiteral(" "), this);
    lblName->setObjectName("lblName");
    pgbLanguage = new QProgressBar(this);
    pgbLanguage->setObjectName("pgbLanguage");
    pgbLanguage->setRange(0, 354);
    pgbLanguage->setValue(0);
    pgbLanguage->setTextVisible(false);
    auto* row = new QHBoxLayout;
    row->addWidget(lblLoading);
    row->addSpacing(4);  // 60 twips
    row->addWidget(lblName, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(pgbLanguage);
    resize(360, 72);
    Form_Load();
}

void frmLanguage::Form_Load() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, static_cast<int>(area.height() - 1.5 * height()));
}

void frmLanguage::Step() {
    if (pgbLanguage->value() < pgbLanguage->maximum()) pgbLanguage->setValue(pgbLanguage->value() + 1);
}

void frmLanguage::SetLoadingFont(const QString& family) {
    for (QLabel* l : {lblLoading, lblName}) {
        QFont f = l->font();
        f.setFamily(family);
        l->setFont(f);
    }
}

void frmLanguage::ShowLoading(const QString& loading, const QString& language, int maximum) {
    lblLoading->setText(loading);
    lblName->setText(language);
    pgbLanguage->setRange(0, maximum);
    pgbLanguage->setValue(0);
    show();
    repaint();
}

}  // namespace kv
