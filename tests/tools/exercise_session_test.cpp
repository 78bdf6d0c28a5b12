// Exercises in the desktop program: the list with broken files named with
// their error, and an exercise giving the user's document back untouched.

#include "exercise_session.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../document/file_document.h"
#include "../support/sim_runner.h"
#include "docks/dock_layout.h"
#include "simulation/step.h"

namespace {

const std::string EXERCISES = std::string(KELVANE_SOURCE_DIR) + "/exercises";

TEST(ExerciseSessionTest, ListsEveryExerciseAndTheErrorOfABrokenOne) {
    TempFolder folder;
    std::ofstream(folder.File("a.sim")) << "title Typo\ngoal moored C\n";
    std::ofstream(folder.File("b.sim")) << "type houseboat\n";
    std::ofstream(folder.File("notes.txt")) << "not a script\n";
    const std::vector<ExerciseInfo> broken = ListExercises(folder.Path());
    ASSERT_EQ(broken.size(), 2u);
    EXPECT_EQ(ExerciseRowText(broken[0], 50)
                  .find("a.sim - cannot be started: " + folder.File("a.sim") +
                        ":2: goal: expected moored A|B"),
              0u);
    EXPECT_NE(broken[1].error.find("not an exercise"), std::string::npos);
}

TEST(ExerciseSessionTest, TheUsersDocumentComesBackAndItsFilesAreNotTouched) {
    FileDocument user;
    user.StartUpFresh();
    user.doc->dock.dockLayout = 7;
    LayoutDock(*user.doc);
    const std::string settings = ReadText(user.File("Persist.kvn"));
    auto keep = std::make_unique<CKLVNDoc>();
    std::string error;
    EXPECT_FALSE(BeginExercise(*user.doc, user.File("missing.sim"), *keep, error));
    EXPECT_EQ(user.doc->dock.dockLayout, 7);

    ASSERT_TRUE(BeginExercise(*user.doc, EXERCISES + "/04_sailboat_breeze.sim", *keep, error));
    CKLVNDoc& doc = *user.doc;
    EXPECT_EQ(doc.dock.dockLayout, 2);
    EXPECT_EQ(doc.boat.boatType, SAILBOAT);
    SetRunState(doc, 1, 1);
    for (int i = 0; i < 40; ++i) Step(doc);
    LayoutDock(doc);  // would save the settings, but an exercise has no data folder

    EndExercise(doc, *keep);
    EXPECT_EQ(doc.dock.dockLayout, 7);
    EXPECT_STREQ(doc.dataFolder, user.data.c_str());
    EXPECT_EQ(doc.state.posX, doc.boat.startX);
    EXPECT_EQ(ReadText(user.File("Persist.kvn")), settings);
    EXPECT_EQ(user.Files(), Names{"Persist.kvn"});
}

}  // namespace
