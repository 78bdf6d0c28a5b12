#pragma once

#include <string>
#include <vector>

#include "practice/practice_run.h"

// The results of every exercise driven, kept in "Practice.txt" in the data
// folder: one line per run, tab-separated, oldest first.
constexpr const char* PRACTICE_RESULTS_FILE = "Practice.txt";

struct PracticeResult {
    std::string exercise;  // the exercise's file name
    std::string date;      // as the caller gives it, e.g. "2026-12-07 13:10"
    int score;
    int outcome;  // PracticeOutcome
    double seconds;
    int contacts;
    double hardestKnots;
    int fenderContacts;
    int linesUsed;
    int linesParted;
};

PracticeResult ResultOf(const PracticeRun& run, const std::string& exercise,
                        const std::string& date);

// Every well-formed line of the file; none when there is no file. Lines that
// do not read are skipped, so a damaged file loses only its damaged lines.
std::vector<PracticeResult> ReadPracticeResults(const std::string& folder);

// Adds one result. The whole file is written anew beside the old one and put
// in its place in one rename, so a failure at any point leaves the old file
// as it was. False with a message in error when it cannot be written.
bool AppendPracticeResult(const std::string& folder, const PracticeResult& result,
                          std::string& error);

// The best score of an exercise among the results, -1 when it has none.
int BestScore(const std::vector<PracticeResult>& results, const std::string& exercise);
