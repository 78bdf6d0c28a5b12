#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/gui_fixture.h"
#include "dialogs/advanced_settings_dialog.h"
#include "dialogs/environment_settings_dialog.h"
#include "document/startup.h"

namespace {

// The dialogs over a document brought up in memory, with no main window.
class SettingsDialogs : public WindowTest {
public:
    void SetUp() override {
        WindowTest::SetUp();
        if (IsSkipped()) return;
        ClearDocument(Doc());
        Doc().ui = &ui_;
        InitCamera(Doc());
        ApplySettingsDefaults(Doc());
        BringUpDocument(Doc());
    }
};

// The control of that type whose name an assistive technology reads.
template <typename T>
T* Named(QWidget& dialog, const QString& name) {
    for (T* child : dialog.findChildren<T*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(child);
        if (accessible && accessible->text(QAccessible::Name) == name) return child;
    }
    ADD_FAILURE() << "nothing named " << name.toStdString();
    return nullptr;
}

// Types into a box and leaves it with Tab, as a keyboard user does.
void TypeAndTab(QLineEdit* box, const char* text) {
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

void Show(QDialog& dialog, const char* screenshot) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
    SaveScreenshot(dialog.grab().toImage(), screenshot);
}

}  // namespace

TEST_F(SettingsDialogs, EnvironmentBoxReadOnLeavingAndOkRestartsAtTheAverage) {
    EnvironmentSettingsDialog dialog(nullptr, Doc());
    Show(dialog, "environment_settings");
    for (const char* name : {"Wind Speed", "Wind Direction", "Current Speed", "Current Direction"})
        for (const char* control : {"Variation", "Fast", "Medium", "Slow"})
            EXPECT_TRUE(Named<QWidget>(dialog, QString("%1 %2").arg(name, control)));
    Named<QWidget>(dialog, "Wind Direction Avg Direction");
    Named<QWidget>(dialog, "Current Speed Speed Varies");
    QLineEdit* speed = Named<QLineEdit>(dialog, "Wind Speed Avg Speed");
    TypeAndTab(speed, "45");
    EXPECT_EQ(speed->text(), "30.00");
    EXPECT_EQ(ui_.beeps, 2);
    QTest::keyClick(Named<QPushButton>(dialog, "OK"), Qt::Key_Space);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Doc().env.envValue[ENV_WIND_SPEED], 30);
}

TEST_F(SettingsDialogs, AdvancedEnterDiscardsAndSaveKeepsWhatWasTyped) {
    const double rotational = Doc().boat.rotationalDrag;
    {
        AdvancedSettingsDialog dialog(nullptr, Doc());
        Show(dialog, "advanced_settings");
        for (const AdvancedCoefficient& c : ADVANCED_COEFFICIENTS)
            EXPECT_TRUE(Named<QLineEdit>(dialog, c.accessibleName));
        TypeAndTab(Named<QLineEdit>(dialog, "Rotational"), "250");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);  // CANCEL is the default
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(Doc().boat.rotationalDrag, rotational);
    }
    AdvancedSettingsDialog dialog(nullptr, Doc());
    Show(dialog, "advanced_settings_again");
    TypeAndTab(Named<QLineEdit>(dialog, "Translational"), "0.067");
    EXPECT_EQ(Named<QLineEdit>(dialog, "Translational")->text(), "0.07");
    QTest::mouseClick(Named<QPushButton>(dialog, "SAVE"), Qt::LeftButton);
    EXPECT_EQ(Doc().boat.translationalDrag, 0.067);
}
