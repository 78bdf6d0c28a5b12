#include "boat/boat_list.h"

#include <gtest/gtest.h>

#include "../document/file_document.h"
#include "document/settings_file.h"

namespace {

void ListNames(CKLVNDoc& doc, std::initializer_list<const char*> names) {
    for (const char* name : names) AddBoatNameToList(doc.settings, name);
}

}  // namespace

TEST(BoatList, AddKeepsOrderFindsListedNamesAndRefusesWhenFull) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;

    EXPECT_EQ(AddBoatName(doc, "Alpha"), 0);
    EXPECT_EQ(AddBoatName(doc, "Bravo"), 1);
    EXPECT_EQ(doc.settings.currentBoatIndex, 1);
    // A listed name keeps its slot and changes nothing; the match is exact.
    EXPECT_EQ(AddBoatName(doc, "Alpha"), 0);
    EXPECT_EQ(doc.settings.currentBoatIndex, 1);
    EXPECT_EQ(doc.settings.boatCount, 2);
    EXPECT_EQ(AddBoatName(doc, "alpha"), 2);

    auto stored = std::make_unique<SettingsRecord>();
    ASSERT_EQ(LoadSettingsFile(doc, *stored), SETTINGS_FILE_LOADED);
    EXPECT_EQ(stored->boatCount, 3);
    EXPECT_STREQ(stored->boatNames[2], "alpha");
    EXPECT_EQ(stored->currentBoatIndex, 2);

    for (int i = 3; i < 16; ++i) {
        EXPECT_EQ(AddBoatName(doc, ("Boat " + std::to_string(i)).c_str()), i);
    }
    EXPECT_EQ(AddBoatName(doc, "Another"), -1);
    EXPECT_EQ(AddBoatName(doc, "Alpha"), -1) << "a full list refuses even a listed name";
    EXPECT_EQ(doc.settings.boatCount, 16);
}

TEST(BoatList, RemoveClosesTheGapAndFollowsTheCurrentBoat) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    SettingsRecord& s = doc.settings;

    EXPECT_EQ(RemoveBoatName(doc, 0), 0);
    EXPECT_EQ(f.ui.messages, (Names{NO_BOATS}));

    ListNames(doc, {"A", "B", "C", "D"});
    s.currentBoatIndex = 2;  // C
    EXPECT_EQ(RemoveBoatName(doc, 0), 0);
    EXPECT_EQ(s.boatCount, 3);
    EXPECT_EQ((Names{f.Slot(0), f.Slot(2), f.Slot(3)}), (Names{"B", "D", " ... "}));
    EXPECT_EQ(s.currentBoatIndex, 1) << "still C";

    EXPECT_EQ(RemoveBoatName(doc, 2), 0);  // D, after the current boat
    EXPECT_EQ(s.currentBoatIndex, 1);
    EXPECT_EQ(f.Slot(2), " ... ");

    f.ui.messages.clear();
    for (int slot : {16, 5, -1}) EXPECT_EQ(RemoveBoatName(doc, slot), -1) << slot;
    const char invalid[] = "Out of Range error\n\nInvalid boat name index";
    EXPECT_EQ(f.ui.messages, (Names{invalid, invalid, invalid}));
    EXPECT_EQ((Names{f.Slot(0), f.Slot(1)}), (Names{"B", "C"}));
}

TEST(BoatList, SelectionListShowsTheListedNamesAndNoNameIsCut) {
    FileDocument f;
    f.StartUpFresh();
    CKLVNDoc& doc = *f.doc;
    EXPECT_EQ(AddBoatNameToList(doc.settings, "12345678901234567890"), -1);
    BoatSelectionList list;
    FillSelectionList(doc, list);
    EXPECT_TRUE(list.count == 0 && list.chosen == -1);

    ListNames(doc, {"First", "Sixteen_chars_ok", "Third"});
    doc.settings.currentBoatIndex = 1;
    FillSelectionList(doc, list);
    EXPECT_TRUE(list.count == 3 && list.initialSelection == 1 && list.chosen == -1);
    EXPECT_EQ((Names{list.names[0], list.names[1], list.names[2], list.names[3]}),
              (Names{"First", "Sixteen_chars_ok", "Third", ""}));
}
