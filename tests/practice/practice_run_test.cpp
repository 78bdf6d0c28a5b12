// The practice run as the steps go by: the dwell at rest, the time limit, the
// counting of contacts, lines and parted lines, and the score they give.

#include "practice/practice_run.h"

#include <gtest/gtest.h>

#include "../support/test_document.h"
#include "docks/dock_layout.h"
#include "simulation/contact.h"
#include "simulation/line_forces.h"
#include "simulation/step.h"

namespace {

constexpr int STEPS_PER_SECOND = 40;

// The default motorboat moored in the slip of "Slip and pilings", running,
// with the goal of mooring there.
std::unique_ptr<CKLVNDoc> MooredRun(double speedOverGround, double timeLimit = 0.0) {
    auto doc = MakeTestDocument(MOTORBOAT);
    doc->state.posY = 30.0;
    doc->mooring.dockLines[3].state = LINE_SLACK;
    doc->mooring.dockLines[8].state = LINE_SLACK;
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

TEST(PracticeRunTest, TheGoalHoldsAfterFiveSecondsBelowATenthOfAKnot) {
    const struct {
        double speed;  // ft/s
        int steps, outcome;
    } cases[] = {
        {0.16, 5 * STEPS_PER_SECOND - 1, PRACTICE_RUNNING},  // 0.095 kn, a step short
        {0.16, 5 * STEPS_PER_SECOND, PRACTICE_GOAL_MET},
        {0.17, 100 * STEPS_PER_SECOND, PRACTICE_RUNNING},  // 0.1007 kn: moving
    };
    for (const auto& c : cases) {
        auto doc = MooredRun(c.speed);
        EXPECT_EQ(ObserveSteps(*doc, c.steps), c.outcome) << c.speed << " ft/s, " << c.steps;
    }
    // Paused steps neither count time nor dwell.
    auto paused = MooredRun(0.0);
    SetRunState(*paused, 1, 0);
    EXPECT_EQ(ObserveSteps(*paused, 400), PRACTICE_RUNNING);
    EXPECT_EQ(paused->practice.tally.elapsed, 0.0);
}

TEST(PracticeRunTest, TheTimeLimitEndsARunThatHasNotReachedItsGoal) {
    auto doc = MooredRun(1.0, 1.0);
    EXPECT_EQ(ObserveSteps(*doc, STEPS_PER_SECOND), PRACTICE_RUNNING);
    EXPECT_EQ(ObserveSteps(*doc, 1), PRACTICE_TIME_UP);
    EXPECT_EQ(PracticeScore(doc->practice), 0);
    // Nothing is counted once the run has ended.
    doc->contact.firstPassDockHits = 1;
    ObserveSteps(*doc, 10);
    EXPECT_EQ(doc->practice.tally.dockContacts, 0);
}

TEST(PracticeRunTest, ContactsCountOnceEachLinesOnceEachAndThePartedLine) {
    auto doc = MooredRun(1.0);
    // Steps in contact with the dock and on a fender; between them clear for
    // the number of steps given. Half a second is 20 steps.
    const struct {
        int dockHits, fenderHits;
        double speed;
        int clearAfter;
    } steps[] = {
        {1, 0, 0.5, 0}, {2, 1, 1.25, 19}, {1, 0, 0.25, 20}, {1, 1, 0.75, 0}, {0, 1, 0.0, 0},
    };
    for (const auto& s : steps) {
        doc->contact.firstPassDockHits = s.dockHits;
        doc->contact.firstPassFenderHits = s.fenderHits;
        doc->contact.firstPassHardestSpeed = s.speed;
        ObservePracticeStep(*doc);
        doc->contact = ContactState{};
        ObserveSteps(*doc, s.clearAfter);
    }
    doc->mooring.dockLines[3].state = LINE_STOWED;  // cast off and
    ObservePracticeStep(*doc);
    doc->mooring.dockLines[3].state = LINE_TAUT;  // made fast again, then one parts
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
        {PRACTICE_GOAL_MET, 0, 0, 2, 0, 0.0, 0.0, 100},
        {PRACTICE_GOAL_MET, 0, 0, 2, 0, 0.0, 42.5, 96},
        {PRACTICE_GOAL_MET, 2, 3, 4, 0, 1.688, 60.0, 54},  // 100-20-10-6-4-6
        {PRACTICE_GOAL_MET, 0, 0, 2, 1, 0.0, 100.0, 65},
        {PRACTICE_GOAL_MET, 12, 0, 2, 0, 0.0, 0.0, 0},
        {PRACTICE_STOPPED, 0, 0, 2, 0, 0.0, 10.0, 0},
    };
    for (const auto& c : cases) {
        PracticeRun run = {};
        run.outcome = c.outcome;
        run.tally.dockContacts = c.contacts;
        run.tally.fenderContacts = c.fenders;
        run.tally.linesUsed = c.lines;
        run.tally.linesParted = c.parted;
        run.tally.hardestContact = c.hardestFps;
        run.tally.elapsed = c.seconds;
        EXPECT_EQ(PracticeScore(run), c.score) << c.contacts << " contacts, " << c.seconds << " s";
    }
}

// The hooks the score reads in the simulation: a line that parts is counted,
// and a contact reports the speed of the hull point that struck.
TEST(PracticeRunTest, TheStepReportsPartedLinesAndTheSpeedOfAContact) {
    auto doc = MakeTestDocument(MOTORBOAT);
    DockLine& line = doc->mooring.dockLines[0];
    line.state = LINE_TAUT;
    line.lineLength = doc->boat.dockLineLength;
    line.prevSpan = line.lineLength;
    line.attachX = doc->state.posX - doc->boat.dockLineLength - 60.0;
    line.attachY = doc->state.posY;
    ComputeLineForces(*doc);
    EXPECT_EQ(line.state, LINE_STOWED);
    EXPECT_EQ(doc->mooring.linesParted, 1);

    // Drifting straight into the left finger pier at 2 ft/s, not turning.
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
