#include "document/command_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "docks/custom_slip.h"
#include "file_document.h"

namespace {

// Each settings command flips the byte it owns in the settings record, and the
// file on disk holds the new byte at once.
TEST(CommandTable, SettingCommandsWriteTheirByteAtOnce) {
    struct Case {
        CommandId id;
        std::size_t offset;
        unsigned char after;
    };
    const Case cases[] = {
        {CommandId::Wind, 308, 1},
        {CommandId::Wind, 308, 0},
        {CommandId::Current, 309, 1},
        {CommandId::MetricUnits, 632, 1},
        {CommandId::EnglishUnits, 632, 0},
        {CommandId::CombinedShiftThrottle, 304, 1},
        {CommandId::SeparateShiftThrottle, 304, 0},
    };
    FileDocument f;
    f.StartUpFresh();
    f.ui.consoleOpen = true;
    for (const Case& c : cases) {
        EXPECT_TRUE(DoCommand(*f.doc, c.id));
        const auto bytes = TempFolder::ReadBytes(f.File("Persist.kvn"));
        ASSERT_EQ(bytes.size(), 704u);
        EXPECT_EQ(bytes[c.offset], c.after) << static_cast<int>(c.id);
        const bool toggledOff = c.id == CommandId::Wind && c.after == 0;
        EXPECT_EQ(CommandChecked(*f.doc, c.id), !toggledOff) << static_cast<int>(c.id);
    }
    // Each shift and throttle choice reopens an open console in its layout.
    EXPECT_EQ(f.ui.reopenConsoleCalls, 2);
    // Metric and back leaves every factor exactly 1.
    const UnitFactors& u = f.doc->units;
    for (double factor : {u.lengthToInternal, u.weightToInternal, u.areaToInternal,
                          u.lengthToDisplay, u.weightToDisplay, u.areaToDisplay})
        EXPECT_EQ(factor, 1.0);
}

TEST(CommandTable, MarksFollowTheDocumentAndStayConsistentForBadLayouts) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    DoCommand(doc, CommandId::Run);
    EXPECT_TRUE(CommandChecked(doc, CommandId::Run));
    EXPECT_FALSE(CommandChecked(doc, CommandId::Pause));
    DoCommand(doc, CommandId::Reset);
    EXPECT_TRUE(CommandChecked(doc, CommandId::Pause));
    EXPECT_FALSE(CommandChecked(doc, CommandId::Reset));  // never checked

    DoCommand(doc, CommandId::PilingsRight);
    EXPECT_EQ(doc.dock.dockLayout, 7);
    EXPECT_EQ(doc.settings.dockLayoutSaved, 7);
    // A layout a settings file could hold but no item names: no layout item
    // is checked, and the slip marks still follow the slip in use.
    for (int bad : {0, 10, -3}) {
        doc.dock.dockLayout = bad;
        int layoutsChecked = 0, sizesChecked = 0;
        for (const CommandRow& row : COMMANDS) {
            const int id = static_cast<int>(row.id);
            const bool checked = CommandChecked(doc, row.id);
            if (id == 32791 || (id >= 32810 && id <= 32817)) layoutsChecked += checked;
            if (id == 32784 || (id >= 32786 && id <= 32790)) sizesChecked += checked;
        }
        EXPECT_EQ(layoutsChecked, 0) << bad;
        EXPECT_EQ(sizesChecked, 1) << bad;
    }
}

TEST(CommandTable, RowsAreUniqueAndCarryTheirTexts) {
    std::set<int> ids;
    for (const CommandRow& row : COMMANDS) EXPECT_TRUE(ids.insert(static_cast<int>(row.id)).second);
    EXPECT_EQ(FindCommand(static_cast<CommandId>(32806)), nullptr);
    EXPECT_STREQ(CommandPrompt(CommandId::NewSailboat), "Define a new sailboat");
    EXPECT_STREQ(CommandPrompt(CommandId::CombinedShiftThrottle),
                 "Shift and Throttle are combined on one control");
    EXPECT_STREQ(CommandPrompt(CommandId::Slip19x50), "Nominal standard slip size");
    // Gaps have no handler; the document runs nothing for shell commands.
    FileDocument f;
    f.StartUpFresh();
    for (CommandId id : {CommandId::ToolbarGap, CommandId::About, CommandId::SlipCustom}) {
        EXPECT_FALSE(DoCommand(*f.doc, id));
    }
    f.doc->settings.metricUnits = 1;
    EXPECT_STREQ(CommandLabel(*f.doc, CommandId::Slip22x60), "7 x 18");
    EXPECT_STREQ(CommandLabel(*f.doc, CommandId::Exit), "E&xit");
}

TEST(CustomSlip, ReadsOnlyWholeNumbers) {
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {{"20", true, 20},        {" -7 ", true, -7},    {"+100", true, 100},
                 {"", false, 0},          {"-", false, 0},       {"1.5", false, 0},
                 {"12a", false, 0},       {"9999999", false, 0}, {"1e3", false, 0},
                 {"999999", true, 999999}};
    for (const auto& c : cases) {
        int value = 0;
        EXPECT_EQ(ReadSlipDimension(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

}  // namespace
