#include "dialogs/keys_dialog.h"

#include <QTableWidget>
#include <cstdio>

#include "app/gui_fixture.h"
#include "controls/key_bindings.h"
#include "document/settings_file.h"
#include "document/temp_folder.h"

using KeysDialogWindow = WindowTest;

TEST_F(KeysDialogWindow, CancelKeepsTheFileRefusalsAreSaidAndOkMakesQDriveThePortEngine) {
    Open(MOTORBOAT, 1);
    Doc().boat.engineCount = 2;
    TempFolder folder;
    std::snprintf(Doc().dataFolder, sizeof Doc().dataFolder, "%s", folder.Path().c_str());
    ASSERT_EQ(SaveSettings(Doc()), 1);
    const std::string file = folder.File(SETTINGS_FILE_NAME);
    const std::vector<unsigned char> before = TempFolder::ReadBytes(file);
    {
        KeysDialog dialog(Frame(), Doc());
        ShowActive(dialog, "keys_dialog_cancel");
        dialog.Table()->setCurrentCell(KEY_SLOT_RUDDER_PORT, 1);
        QTest::keyClick(dialog.Table(), Qt::Key_Left);
        EXPECT_EQ(dialog.Table()->item(KEY_SLOT_RUDDER_PORT, 1)->text(), "Left");
        QTest::keyClick(dialog.Table(), Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(TempFolder::ReadBytes(file), before);
    }
    KeysDialog dialog(Frame(), Doc());
    ShowActive(dialog, "keys_dialog");
    QTableWidget* table = dialog.Table();
    EXPECT_EQ(table->accessibleName(), "Keys");
    EXPECT_EQ(table->item(KEY_SLOT_PORT_AHEAD, 0)->text(), "Port engine ahead");
    table->setCurrentCell(KEY_SLOT_PORT_AHEAD, 1);
    QTest::keyClick(table, Qt::Key_E);
    EXPECT_EQ(dialog.Message(), "E is already bound to \"Both engines ahead\".");
    SaveScreenshot(dialog.grab().toImage(), "keys_dialog_refused");
    QTest::keyClick(table, Qt::Key_Q);
    QTest::keyClick(table, Qt::Key_Return);  // OK is the default button
    ASSERT_EQ(dialog.result(), QDialog::Accepted);

    std::vector<unsigned char> expected = before;  // the codes are at offset 636, 4 bytes each
    expected[636 + 4 * KEY_SLOT_PORT_AHEAD] = 'Q';
    EXPECT_EQ(TempFolder::ReadBytes(file), expected);
    QTest::keyClick(View(), Qt::Key_Q);  // which keys still act is the bindings' rule
    EXPECT_EQ(Doc().controls.throttleNotch[0], NOTCH_IDLE_AHEAD);
}
