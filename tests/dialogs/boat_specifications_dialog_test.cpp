#include "dialogs/boat_specifications_dialog.h"

#include <QPushButton>
#include <QTimer>

#include "app/gui_fixture.h"

namespace {

using BoatDialogWindow = WindowTest;

QLineEdit* Box(QWidget* dialog, const char* field) {
    return dialog->findChild<QLineEdit*>(field);
}

// Runs the Edit command; once the dialog is up and active, act works it with
// real key events (the dialog is closed afterwards whatever act did).
bool RunEdit(CMainFrame* frame, const std::function<void(QDialog*)>& act) {
    QTimer::singleShot(0, frame, [frame, act] {
        auto* dialog = frame->findChild<CBoatSpecificationsDialog*>();
        if (dialog == nullptr) return;
        dialog->activateWindow();
        if (QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
            act(dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    return RunBoatSpecificationsDialog(frame, WindowTest::Doc(), BOAT_DIALOG_EDIT, MOTORBOAT);
}

}  // namespace

TEST_F(BoatDialogWindow, BoxesNamedByTheirLabelsEnterCancelsAndOkTakesTheTypedLength) {
    Open(MOTORBOAT, 1);
    EXPECT_FALSE(RunEdit(Frame(), [](QDialog* d) {
        TypeAndLeave(Box(d, "lengthOverall"), "99", Qt::Key_Return);
        EXPECT_FALSE(d->isVisible()) << "CANCEL is the default button";
    }));
    EXPECT_EQ(Doc().boat.lengthOverall, 35.0);

    EXPECT_TRUE(RunEdit(Frame(), [](QDialog* d) {
        SaveScreenshot(d->grab().toImage(), "boat_specifications");
        for (int b = 0; b < BOAT_BOX_COUNT; ++b) {
            const BoatBoxInfo& info = BoatBoxInfoOf(static_cast<BoatBox>(b));
            ASSERT_NE(Box(d, info.field), nullptr) << info.field;
            EXPECT_EQ(Box(d, info.field)->accessibleName(), info.accessibleName);
        }
        TypeAndLeave(Box(d, "lengthOverall"), "40", Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Box(d, "beam")) << "Tab follows the layout";
        EXPECT_EQ(Box(d, "dockLineLength")->text(), "80.00");
        // OK pressed the way an assistive tool does, the focus still in a box.
        Box(d, "draft")->setFocus();
        Box(d, "draft")->selectAll();
        QTest::keyClicks(Box(d, "draft"), "99");
        d->findChild<QPushButton*>("ok")->click();
    }));
    EXPECT_EQ(Doc().boat.lengthOverall, 40.0);
    EXPECT_EQ(Doc().boat.draft, 10.0) << "held within its range";
}
