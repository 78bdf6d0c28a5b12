#include <QAccessible>
#include <QPushButton>

#include "app/gui_fixture.h"
#include "dialogs/advanced_settings_dialog.h"
#include "dialogs/environment_settings_dialog.h"

namespace {

using SettingsDialogs = WindowTest;

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

}  // namespace

TEST_F(SettingsDialogs, EnvironmentBoxReadOnLeavingAndOkRestartsAtTheAverage) {
    Open(MOTORBOAT, 1);
    EnvironmentSettingsDialog dialog(Frame(), Doc());
    ShowActive(dialog, "environment_settings");
    for (const EnvironmentGroupText& g : ENVIRONMENT_GROUP_TEXT)
        for (const char* caption : {g.varies, g.average, g.variation, "Fast", "Medium", "Slow"})
            Named<QWidget>(dialog, QString("%1 %2").arg(g.name, caption));
    QLineEdit* speed = Named<QLineEdit>(dialog, "Wind Speed Avg Speed");
    TypeAndLeave(speed, "45");
    EXPECT_EQ(speed->text(), "30.00");  // the clamp and its warning are the field's rule
    EXPECT_TRUE(Named<QPushButton>(dialog, "CANCEL")->isDefault());  // Enter discards
    QTest::keyClick(Named<QPushButton>(dialog, "OK"), Qt::Key_Space);
    EXPECT_EQ(Doc().env.envValue[ENV_WIND_SPEED], 30);
}

TEST_F(SettingsDialogs, AdvancedBoxKeepsWhatWasTypedAndSaveTakesIt) {
    Open(MOTORBOAT, 1);
    AdvancedSettingsDialog dialog(Frame(), Doc());
    ShowActive(dialog, "advanced_settings");
    for (const AdvancedCoefficient& c : ADVANCED_COEFFICIENTS)
        Named<QLineEdit>(dialog, c.accessibleName);
    EXPECT_TRUE(Named<QPushButton>(dialog, "CANCEL")->isDefault());  // Enter discards
    QLineEdit* translational = Named<QLineEdit>(dialog, "Translational");
    TypeAndLeave(translational, "0.067");
    EXPECT_EQ(translational->text(), "0.07");
    QTest::mouseClick(Named<QPushButton>(dialog, "SAVE"), Qt::LeftButton);
    EXPECT_EQ(Doc().boat.translationalDrag, 0.067);
}
