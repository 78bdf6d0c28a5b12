#include "practice/practice_run.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "document/document.h"

namespace {

constexpr double KNOTS_PER_FPS = 0.5924170616113744;

// A contact counts once, when it begins after a clear spell.
void TallyTouch(bool touching, double dt, double& clearFor, std::int32_t& contacts) {
    if (touching && clearFor >= CONTACT_GAP_SECONDS - 1e-9) ++contacts;
    clearFor = touching ? 0.0 : clearFor + dt;
}

void TallyContacts(const ContactState& contact, double dt, PracticeTally& tally) {
    TallyTouch(contact.firstPassDockHits > 0, dt, tally.dockClearFor, tally.dockContacts);
    TallyTouch(contact.firstPassFenderHits > 0, dt, tally.fenderClearFor, tally.fenderContacts);
    tally.hardestContact = std::fmax(tally.hardestContact, contact.firstPassHardestSpeed);
}

void TallyLines(const Mooring& mooring, PracticeTally& tally) {
    for (int i = 0; i < DOCK_LINE_COUNT; ++i) {
        const std::uint32_t bit = 1u << i;
        if (mooring.dockLines[i].state >= LINE_SLACK && !(tally.linesUsedMask & bit)) {
            tally.linesUsedMask |= bit;
            ++tally.linesUsed;
        }
    }
    // A reset of the lines may restart the mooring's count.
    if (mooring.linesParted > tally.partedSeen) {
        tally.linesParted += mooring.linesParted - tally.partedSeen;
    }
    tally.partedSeen = mooring.linesParted;
}

}  // namespace

void StartPractice(CKLVNDoc& doc) {
    std::memset(&doc.practice.tally, 0, sizeof doc.practice.tally);
    doc.practice.tally.partedSeen = doc.mooring.linesParted;
    doc.practice.tally.dockClearFor = CONTACT_GAP_SECONDS;
    doc.practice.tally.fenderClearFor = CONTACT_GAP_SECONDS;
    doc.practice.outcome = doc.practice.goal.kind == GOAL_NONE ? PRACTICE_OFF : PRACTICE_RUNNING;
}

void ObservePracticeStep(CKLVNDoc& doc) {
    PracticeRun& run = doc.practice;
    if (run.outcome != PRACTICE_RUNNING || !doc.state.running) return;
    PracticeTally& tally = run.tally;
    tally.elapsed += doc.state.timeStep;
    TallyContacts(doc.contact, doc.state.timeStep, tally);
    TallyLines(doc.mooring, tally);

    const bool still = std::fabs(doc.state.speedOverGround) * KNOTS_PER_FPS < GOAL_DWELL_KNOTS;
    if (!GoalPoseHolds(doc, run.goal)) {
        tally.dwell = 0.0;
    } else if (!GoalNeedsDwell(run.goal)) {
        run.outcome = PRACTICE_GOAL_MET;
        return;
    } else if (still) {
        tally.dwell += doc.state.timeStep;
        if (tally.dwell >= GOAL_DWELL_SECONDS - 1e-9) {
            run.outcome = PRACTICE_GOAL_MET;
            return;
        }
    } else {
        tally.dwell = 0.0;
    }
    if (run.goal.timeLimit > 0.0 && tally.elapsed > run.goal.timeLimit + 1e-9) {
        run.outcome = PRACTICE_TIME_UP;
    }
}

void StopPractice(CKLVNDoc& doc) {
    if (doc.practice.outcome == PRACTICE_RUNNING) doc.practice.outcome = PRACTICE_STOPPED;
}

int PracticeScore(const PracticeRun& run) {
    if (run.outcome != PRACTICE_GOAL_MET) return 0;
    const PracticeTally& t = run.tally;
    double score = 100.0 - 10.0 * t.dockContacts - 10.0 * t.hardestContact * KNOTS_PER_FPS -
                   2.0 * t.fenderContacts - 25.0 * (t.linesParted > 0) - t.elapsed / 10.0;
    if (t.linesUsed > 2) score -= 2.0 * (t.linesUsed - 2);
    if (!(score > 0.0)) return 0;
    return static_cast<int>(std::floor(score + 0.5));
}

void FormatPracticeResult(const PracticeRun& run, char* text, std::size_t size) {
    const PracticeTally& t = run.tally;
    const char* outcome = run.outcome == PRACTICE_GOAL_MET  ? "goal met"
                          : run.outcome == PRACTICE_TIME_UP ? "time up"
                          : run.outcome == PRACTICE_STOPPED ? "stopped"
                          : run.outcome == PRACTICE_RUNNING ? "goal not reached"
                                                            : "no exercise";
    std::snprintf(text, size,
                  "Exercise: %.*s\nGoal: %s\nResult: %s\nScore: %d\nTime: %.2f s\n"
                  "Contacts: %d (hardest %.2f kn)\nFender contacts: %d\nLines used: %d\n"
                  "Line parted: %s\n",
                  PRACTICE_TITLE_SIZE, run.title, GoalText(run.goal), outcome, PracticeScore(run),
                  t.elapsed, t.dockContacts, t.hardestContact * KNOTS_PER_FPS, t.fenderContacts,
                  t.linesUsed, t.linesParted > 0 ? "yes" : "no");
}
