// The practice run as the steps go by: the dwell at rest, the time limit, the
// counting of contacts and lines, the score, and the simulation's hooks.

#include "practice/practice_run.h"

#include <gtest/gtest.h>

#include "../support/test_document.h"
#include "simulation/line_forces.h"
#include "simulation/step.h"

namespace {

// The default motorboat moored in its slip, running, aiming to moor there.
std::unique_ptr<CKLVNDoc> MooredRun(double speedOverGround, double timeLimit = 0.0) {
    auto doc = MakeTestDocument(MOTORBOAT);
    doc->state.posY = 30.0;
    doc->mooring.dockLines[3].state = doc->mooring.dockLines[8].state = LINE_SLACK;
    doc->state.speedOverGround = speedOverGround;
    doc->practice.goal = {GOAL_MOORED, SLIP_A, 0, 0, 0, 0, 0, timeLimit};
    StartPractice(*doc);
    SetRunState(*doc, 1, 1);
    return doc;
}

int ObserveSteps(CKLVNDoc& doc, int steps) {
    for (int i = 0; i < steps; ++i) ObservePracticeStep(doc);
    return doc.practice.outcome;
}

TEST(PracticeRunTest, DwellBelowATenthOfAKnotForFiveSecondsAndTheTimeLimit) {
    const struct {
        double speed, limit;  // ft/s, s
        int steps, outcome;
    } cases[] = {
        {0.16, 0, 199, PRACTICE_RUNNING},  // 0.095 kn, a step short of 5 s
        {0.16, 0, 200, PRACTICE_GOAL_MET}, {0.17, 0, 4000, PRACTICE_RUNNING},  // 0.1007 kn: moving
        {0.17, 1, 40, PRACTICE_RUNNING},   {0.17, 1, 41, PRACTICE_TIME_UP},
    };
    for (const auto& c : cases) {
        auto doc = MooredRun(c.speed, c.limit);
        EXPECT_EQ(ObserveSteps(*doc, c.steps), c.outcome) << c.speed << " ft/s, " << c.steps;
    }
}

TEST(PracticeRunTest, ContactsCountOnceAfterAClearSpellLinesOnceEach) {
    auto doc = MooredRun(1.0);
    const struct {
        int dockHits, fenderHits;
        double speed;
        int clearAfter;  // steps; half a second is 20
    } steps[] = {{1, 0, 0.5, 0}, {2, 1, 1.25, 19}, {1, 0, 0.25, 20}, {1, 1, 0.75, 0}, {0, 1, 0, 0}};
    for (const auto& s : steps) {
        doc->contact.firstPassDockHits = s.dockHits;
        doc->contact.firstPassFenderHits = s.fenderHits;
        doc->contact.firstPassHardestSpeed = s.speed;
        ObservePracticeStep(*doc);
        doc->contact = ContactState{};
        ObserveSteps(*doc, s.clearAfter);
    }
    ++doc->mooring.linesParted;
    ObservePracticeStep(*doc);
    const PracticeTally& t = doc->practice.tally;
    EXPECT_EQ(t.dockContacts, 2);
    EXPECT_EQ(t.fenderContacts, 2);
    EXPECT_EQ(t.hardestContact, 1.25);
    EXPECT_EQ(t.linesUsed, 2);
    EXPECT_EQ(t.linesParted, 1);
}

TEST(PracticeRunTest, ScoreFromTheBreakdown) {
    const struct {
        int outcome, contacts, fenders, lines, parted;
        double hardestFps, seconds;
        int score;
    } cases[] = {
        {PRACTICE_GOAL_MET, 0, 0, 2, 0, 0.0, 42.5, 96},
        {PRACTICE_GOAL_MET, 2, 3, 4, 0, 1.688, 60.0, 54},  // 100-20-10-6-4-6
        {PRACTICE_GOAL_MET, 0, 0, 2, 1, 0.0, 100.0, 65},
        {PRACTICE_TIME_UP, 0, 0, 2, 0, 0.0, 10.0, 0},
    };
    for (const auto& c : cases) {
        PracticeRun run = {};
        run.outcome = c.outcome;
        run.tally = {c.seconds, 0,       c.contacts, c.fenders, c.hardestFps, 0, 0,
                     0,         c.lines, c.parted,   0};
        EXPECT_EQ(PracticeScore(run), c.score) << c.contacts << " contacts, " << c.seconds << " s";
    }
}

// A line that parts is counted; a contact reports the speed of the hull point.
TEST(PracticeRunTest, TheStepReportsPartedLinesAndTheSpeedOfAContact) {
    auto doc = MakeTestDocument(MOTORBOAT);
    DockLine& line = doc->mooring.dockLines[0];
    line.state = LINE_TAUT;
    line.lineLength = line.prevSpan = doc->boat.dockLineLength;
    line.attachX = doc->state.posX - doc->boat.dockLineLength - 60.0;
    line.attachY = doc->state.posY;
    ComputeLineForces(*doc);
    EXPECT_EQ(line.state, LINE_STOWED);
    EXPECT_EQ(doc->mooring.linesParted, 1);

    // Drifting west into the left finger pier at 2 ft/s, not turning.
    doc->state.posX = 10.0;
    doc->state.posY = 30.0;
    doc->state.groundVelX = -2.0;
    doc->state.speedOverGround = 2.0;
    doc->state.courseThroughWater = 3.14159265359;
    ResolveContacts(*doc);
    EXPECT_GT(doc->contact.firstPassDockHits, 0);
    EXPECT_EQ(doc->contact.firstPassFenderHits, 0);
    EXPECT_DOUBLE_EQ(doc->contact.firstPassHardestSpeed, 2.0);
}

}  // namespace
