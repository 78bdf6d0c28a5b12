#pragma once

#include <cstddef>
#include <cstdint>

#include "practice/goal.h"

struct CKLVNDoc;

constexpr int PRACTICE_TITLE_SIZE = 80;
constexpr int PRACTICE_DESCRIPTION_SIZE = 160;
// A boat grinding along a pier touches and comes free step after step: a
// touch counts as a new contact only after this long clear of everything.
constexpr double CONTACT_GAP_SECONDS = 0.5;

// How a practice run stands.
enum PracticeOutcome : std::int32_t {
    PRACTICE_OFF = 0,       // no exercise
    PRACTICE_RUNNING = 1,   // the goal is still to be reached
    PRACTICE_GOAL_MET = 2,  // the goal held (and, where asked, for the dwell)
    PRACTICE_TIME_UP = 3,   // the time limit passed first
    PRACTICE_STOPPED = 4,   // the user ended it
};

// What the simulation showed of a run, counted after each step.
struct PracticeTally {
    double elapsed;               // s of running steps
    double dwell;                 // s the goal's pose has held at rest so far
    std::int32_t dockContacts;    // contacts of the hull with docks and pilings
    std::int32_t fenderContacts;  // contacts taken on fenders
    double hardestContact;        // ft/s, the fastest hull point at a dock or piling contact
    // s since the hull last touched a dock or piling, and a fender anything
    double dockClearFor, fenderClearFor;
    std::uint32_t linesUsedMask;  // lines made fast at some step, one bit each
    std::int32_t linesUsed;
    std::int32_t linesParted;
    std::int32_t partedSeen;  // the mooring's count of parted lines when last looked at
};

struct PracticeRun {
    Goal goal;
    char title[PRACTICE_TITLE_SIZE];
    char description[PRACTICE_DESCRIPTION_SIZE];  // one line for the list of exercises
    PracticeTally tally;
    std::int32_t outcome;  // PracticeOutcome
};

// Starts counting afresh for the document's goal.
void StartPractice(CKLVNDoc& doc);

// Counts what the step just taken did and ends the run when the goal holds or
// the time is up. Call after every Step; does nothing unless a run is on.
void ObservePracticeStep(CKLVNDoc& doc);

void StopPractice(CKLVNDoc& doc);

// 0 ... 100; 0 unless the goal was met. Every contact costs 10, each knot of
// the hardest contact 10, a fender contact 2, each line beyond two 2, a parted
// line 25 and every 10 s taken 1.
int PracticeScore(const PracticeRun& run);

// The result and its breakdown as lines of text (no allocation).
void FormatPracticeResult(const PracticeRun& run, char* text, std::size_t size);
