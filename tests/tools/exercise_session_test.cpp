// Exercises in the desktop program: the shipped list, broken files listed with
// their error, and an exercise taking over the document and giving the user's
// own back with the settings file untouched.

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
    const std::vector<ExerciseInfo> shipped = ListExercises(EXERCISES);
    ASSERT_GE(shipped.size(), 8u);
    EXPECT_EQ(shipped[0].title, "First steps");
    for (const ExerciseInfo& e : shipped) EXPECT_EQ(e.error, "") << e.file;

    TempFolder folder;
    std::ofstream(folder.File("a.sim")) << "title Typo\ngoal moored C\n";
    std::ofstream(folder.File("b.sim")) << "type houseboat\n";
    std::ofstream(folder.File("notes.txt")) << "not a script\n";
    const std::vector<ExerciseInfo> broken = ListExercises(folder.Path());
    ASSERT_EQ(broken.size(), 2u);
    EXPECT_NE(broken[0].error.find("a.sim:2: goal: expected moored A|B"), std::string::npos);
    EXPECT_NE(broken[1].error.find("not an exercise"), std::string::npos);
    EXPECT_TRUE(ListExercises(folder.File("missing")).empty());

    EXPECT_EQ(ExerciseRowText(shipped[0], -1),
              "First steps - " + shipped[0].description + " - not yet done");
    EXPECT_EQ(ExerciseRowText(shipped[0], 87).substr(ExerciseRowText(shipped[0], 87).size() - 13),
              "best score 87");
    EXPECT_EQ(ExerciseRowText(broken[1], 50).find("b.sim - cannot be started: "), 0u);
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
    EXPECT_NE(error, "");
    EXPECT_EQ(user.doc->dock.dockLayout, 7);

    ASSERT_TRUE(BeginExercise(*user.doc, EXERCISES + "/04_sailboat_breeze.sim", *keep, error));
    CKLVNDoc& doc = *user.doc;
    EXPECT_EQ(doc.dock.dockLayout, 2);
    EXPECT_EQ(doc.boat.boatType, SAILBOAT);
    EXPECT_EQ(doc.practice.outcome, PRACTICE_RUNNING);
    EXPECT_EQ(doc.ui, &user.ui);
    EXPECT_STREQ(user.ui.lastStatusText, "Exercise: Sailboat in a breeze - goal: moored in slip B");
    SetRunState(doc, 1, 1);
    for (int i = 0; i < 40; ++i) Step(doc);
    LayoutDock(doc);  // saves the settings, but an exercise has no data folder

    EndExercise(doc, *keep);
    EXPECT_EQ(doc.dock.dockLayout, 7);
    EXPECT_EQ(doc.boat.boatType, MOTORBOAT);
    EXPECT_STREQ(doc.dataFolder, user.data.c_str());
    EXPECT_EQ(doc.practice.outcome, PRACTICE_OFF);
    EXPECT_EQ(doc.state.running, 0);
    EXPECT_EQ(doc.state.posX, doc.boat.startX);
    EXPECT_EQ(ReadText(user.File("Persist.kvn")), settings);
    EXPECT_EQ(user.Files(), Names{"Persist.kvn"});
}

}  // namespace
