#include "common/constants.h"
#include "controls/control_state.h"
#include "document/document.h"
#include "practice/recording.h"

namespace {

constexpr int RUDDER_INDEX_HARD_PORT = 0;
constexpr int RUDDER_INDEX_HARD_STARBOARD = ANGLE_STEP_COUNT - 1;
constexpr double PERCENT_PER_RUDDER_STEP = 5.555555555555555;  // 100 / 18

// The rudder bar position of a stepped rudder.
int StepPercent(int index) {
    return static_cast<int>(index * PERCENT_PER_RUDDER_STEP);
}

void SetRudderIndex(ControlState& controls, int index) {
    controls.rudderIndex = index;
    controls.rudderAngle = ANGLE_STEPS[index];
}

// The bar sweeps the rudder continuously from hard port (0 %) to hard
// starboard (100 %). The stepped index stays where it was, so the next step
// starts from the last stepped position.
int SetRudderByPercent(ControlState& controls, int percent) {
    if (percent < 0) percent = 0;
    if (percent > 100) percent = 100;
    const double sweep = ANGLE_STEPS[RUDDER_INDEX_HARD_STARBOARD] - ANGLE_STEPS[0];
    controls.rudderAngle = ANGLE_STEPS[0] + sweep * percent * 0.01;
    return percent;
}

// At an end stop the rudder goes to that stop's angle again: the bar may have
// swept it elsewhere, and the console would otherwise show hard over while
// the rudder is not.
int StepRudderToPort(ControlState& controls, bool hardOver) {
    if (controls.rudderIndex <= RUDDER_INDEX_HARD_PORT) {
        SetRudderIndex(controls, RUDDER_INDEX_HARD_PORT);
        return 0;
    }
    SetRudderIndex(controls, hardOver ? RUDDER_INDEX_HARD_PORT : controls.rudderIndex - 1);
    return StepPercent(controls.rudderIndex);
}

int StepRudderToStarboard(ControlState& controls, bool hardOver) {
    if (controls.rudderIndex >= RUDDER_INDEX_HARD_STARBOARD) {
        SetRudderIndex(controls, RUDDER_INDEX_HARD_STARBOARD);
        return 100;
    }
    SetRudderIndex(controls, hardOver ? RUDDER_INDEX_HARD_STARBOARD : controls.rudderIndex + 1);
    return StepPercent(controls.rudderIndex);
}

}  // namespace

int ChangeRudder(CKLVNDoc& doc, int command, int percent) {
    ControlState& controls = doc.controls;
    const bool hardOver = percent < 0;
    RecordedOperation record(doc);
    if (command < 0) {
        record.Write("rudder percent %d", percent < 0 ? 0 : percent > 100 ? 100 : percent);
    } else if (command == RUDDER_STEP_PORT || command == RUDDER_STEP_STARBOARD) {
        const bool port = command == RUDDER_STEP_PORT;
        record.Write("rudder %s", hardOver ? (port ? "hardport" : "hardstarboard")
                                           : (port ? "port" : "starboard"));
    } else if (command == RUDDER_AMIDSHIPS) {
        record.Write("rudder amidships");
    }
    int result;
    if (command < 0) {
        result = SetRudderByPercent(controls, percent);
    } else if (command == RUDDER_STEP_PORT) {
        result = StepRudderToPort(controls, hardOver);
    } else if (command == RUDDER_STEP_STARBOARD) {
        result = StepRudderToStarboard(controls, hardOver);
    } else if (command == RUDDER_AMIDSHIPS) {
        SetRudderIndex(controls, ANGLE_STEP_CENTRE);
        result = 50;
    } else {
        return 0;  // not a rudder command: nothing changes, nothing to show
    }
    if (doc.ui->ConsoleIsOpen()) doc.ui->ShowRudder(command, result);
    return result;
}
