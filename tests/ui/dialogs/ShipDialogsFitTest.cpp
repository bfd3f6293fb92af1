// The probe, shield, energy-transfer, countdown and Morv report dialogs take their size from
// what they show: captions longer than the English ones, and report rows of any length, show
// whole and inside the window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>

#include "ui/dialogs/frmMorvReport.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

// Every caption of the window shows whole and inside the window. The shield bar's drag line is
// a coloured strip whose text is not meant to be read, and a button without a caption (the
// report's focus holder) has nothing to show.
void ExpectCaptionsFit(QWidget* window) {
    ASSERT_TRUE(window);
    if (QLayout* layout = window->layout()) layout->activate();
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (c->isHidden() || c->objectName() == "lblDragLine") continue;
        QSize need;
        if (auto* b = qobject_cast<QAbstractButton*>(c)) {
            if (b->text().isEmpty()) continue;
            need = b->sizeHint();
        } else if (qobject_cast<QLabel*>(c)) {
            need = c->sizeHint();
        } else if (qobject_cast<QGroupBox*>(c)) {
            need = c->minimumSizeHint();
        } else {
            continue;
        }
        const std::string name = (window->objectName() + "." + c->objectName()).toStdString();
        EXPECT_GE(c->width(), need.width()) << name;
        EXPECT_GE(c->height(), need.height()) << name;
        const QRect at(c->mapTo(window, QPoint(0, 0)), c->size());
        EXPECT_TRUE(window->rect().contains(at)) << name << " lies outside the window";
    }
}

TEST(ShipDialogsFit, CaptionsLongerThanTheEnglishOnesShowWhole) {
    std::map<std::string, std::string> texts;
    for (const char* key : {"ProCap", "ProCourse", "ProLeft", "Accept", "Cancel", "SheCap", "SheMax", "SheHalf",
                            "SheDrop", "SheAuto", "DamCap", "DamTrans", "DamEnergy", "MvrptClose"})
        texts[key] = std::string(key) + ": a caption three times as long as the English one";
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng, texts);
    for (Form form : {Form::frmPRO, Form::frmSHE, Form::frmDAM, Form::frmDES, Form::frmMorvReport})
        ExpectCaptionsFit(dg.host.FormWindow(form));
}

TEST(ShipDialogsFit, MorvReportRowsShowWholeOnceTyped) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    GameState& s = dg.st;
    s.GameRunning = kTrue;
    size_t ticks = s.MorvReportTag.size() + 1;
    for (size_t k = 0; k < s.MorvReportTag.size(); k += 2) {
        s.MorvReportTag[k] = "Last known strength of the Morv ship, row " + std::to_string(k / 2);
        s.MorvReportTag[k + 1] = "1234567890/ABCDEFGHIJ";
        ticks += s.MorvReportTag[k].size() + s.MorvReportTag[k + 1].size();
    }
    dg.script.modal[Form::frmMorvReport] = [&](QDialog& w) {
        auto& report = static_cast<frmMorvReport&>(w);
        for (size_t i = 0; i < ticks; ++i) dg.host.Run(Form::frmMorvReport, [&] { report.tmrAnim_Timer(); });
        for (size_t k = 0; k < s.MorvReportTag.size(); ++k)
            EXPECT_EQ(report.lblAnim[k]->text().toStdString(), s.MorvReportTag[k]);
        ExpectCaptionsFit(&w);
        w.close();
        dg.host.Run(Form::frmMorvReport, [&] { report.tmrAnim_Timer(); });
    };
    dg.host.RunModal(Form::frmMorvReport);
    EXPECT_FALSE(dg.host.IsFormVisible(Form::frmMorvReport));
}

}  // namespace
}  // namespace kv
