// The results file: results kept in order, the best score of each exercise,
// damaged lines skipped, and a failed write that leaves the old file whole.

#include "practice/practice_results.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../document/temp_folder.h"
#include "../support/sim_runner.h"

namespace {

PracticeResult Result(const char* exercise, int score) {
    return {exercise, "2026-12-07 13:10", score, PRACTICE_GOAL_MET, 42.5, 1, 0.35, 2, 3, 0};
}

TEST(PracticeResultsTest, KeptInOrderReadBackAndNeverHalfWritten) {
    TempFolder folder;
    std::string error;
    EXPECT_TRUE(ReadPracticeResults(folder.Path()).empty());
    ASSERT_TRUE(AppendPracticeResult(folder.Path(), Result("01_first_steps.sim", 80), error));
    ASSERT_TRUE(AppendPracticeResult(folder.Path(), Result("01_first_steps.sim", 91), error));
    ASSERT_TRUE(AppendPracticeResult(folder.Path(), Result("03 in\tthe slip.sim", 60), error));

    const std::vector<PracticeResult> results = ReadPracticeResults(folder.Path());
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[2].exercise, "03 in the slip.sim");  // a tab cannot split the line
    EXPECT_EQ(results[1].date, "2026-12-07 13:10");
    EXPECT_EQ(results[1].seconds, 42.5);
    EXPECT_EQ(results[1].hardestKnots, 0.35);
    EXPECT_EQ(results[1].linesUsed, 3);
    EXPECT_EQ(BestScore(results, "01_first_steps.sim"), 91);
    EXPECT_EQ(BestScore(results, "02_back_out.sim"), -1);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{PRACTICE_RESULTS_FILE});

    // A damaged line is dropped; the rest reads.
    const std::string path = folder.File(PRACTICE_RESULTS_FILE);
    std::ofstream(path, std::ios::app) << "02_back_out.sim\tyesterday\tninety\n";
    EXPECT_EQ(ReadPracticeResults(folder.Path()).size(), 3u);

    // The new file cannot be made: the old one stays as it was.
    const std::string before = ReadText(path);
    std::filesystem::create_directory(path + ".new");
    EXPECT_FALSE(AppendPracticeResult(folder.Path(), Result("02_back_out.sim", 70), error));
    EXPECT_NE(error.find("Cannot write the practice results"), std::string::npos);
    EXPECT_EQ(ReadText(path), before);
}

}  // namespace
