// The results file: kept in order, best score, damaged lines skipped, and a
// failed write that leaves the old file whole.

#include "practice/practice_results.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/sim_runner.h"

namespace {

PracticeResult Result(const char* exercise, int score) {
    return {exercise, "2026-12-07 13:10", score, PRACTICE_GOAL_MET, 42.5, 1, 0.35, 2, 3, 0};
}

TEST(PracticeResultsTest, KeptInOrderReadBackAndNeverHalfWritten) {
    TempFolder folder;
    std::string error;
    for (auto [name, score] : {std::pair{"01.sim", 80}, {"01.sim", 91}, {"03 in\tthe.sim", 60}}) {
        ASSERT_TRUE(AppendPracticeResult(folder.Path(), Result(name, score), error));
    }
    const std::string path = folder.File(PRACTICE_RESULTS_FILE);
    std::ofstream(path, std::ios::app) << "02.sim\tyesterday\tninety\n";  // damaged

    const std::vector<PracticeResult> results = ReadPracticeResults(folder.Path());
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[2].exercise, "03 in the.sim");  // a tab cannot split the line
    EXPECT_EQ(results[1].seconds, 42.5);
    EXPECT_EQ(results[1].linesUsed, 3);
    EXPECT_EQ(BestScore(results, "01.sim"), 91);
    EXPECT_EQ(BestScore(results, "02.sim"), -1);

    const std::string before = ReadText(path);
    std::filesystem::create_directory(path + ".new");  // the new file cannot be made
    EXPECT_FALSE(AppendPracticeResult(folder.Path(), Result("02.sim", 70), error));
    EXPECT_EQ(ReadText(path), before);
}

}  // namespace
