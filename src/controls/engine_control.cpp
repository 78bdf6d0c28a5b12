#include <cmath>

#include "controls/control_state.h"
#include "document/document.h"
#include "practice/recording.h"

namespace {

// A power fraction as the console's whole percent, truncated toward zero. The
// console clamps to -100 ... 100, so clamping first changes nothing it shows
// and keeps a broken table from overflowing the conversion.
int PercentOf(double fraction) {
    double percent = fraction * 100.0;
    if (!(percent > -100.0)) return std::isnan(percent) ? 0 : -100;
    if (percent > 100.0) return 100;
    return static_cast<int>(percent);
}

int SignOfInt(int value) {
    return (value > 0) - (value < 0);
}

// The engine as the console shows it after a step or neutral: neutral shows no
// direction.
void ShowSteppedEngine(CKLVNDoc& doc, int engine) {
    if (!doc.ui->ConsoleIsOpen()) return;
    const double* table = doc.boat.throttlePowerTable;
    int percent = PercentOf(table[doc.controls.throttleNotch[engine]]);
    doc.ui->ShowEngine(engine, SignOfInt(percent), percent);
}

void SetNotch(CKLVNDoc& doc, int engine, int notch) {
    doc.controls.throttleNotch[engine] = notch;
    doc.controls.enginePower[engine] = doc.boat.throttlePowerTable[notch];
}

void StepOne(CKLVNDoc& doc, int engine, int command) {
    int notch = doc.controls.throttleNotch[engine];
    if (command == ENGINE_STEP_AHEAD && notch < NOTCH_FULL_AHEAD) SetNotch(doc, engine, notch + 1);
    if (command == ENGINE_STEP_ASTERN && notch > NOTCH_FULL_ASTERN)
        SetNotch(doc, engine, notch - 1);
    if (command == ENGINE_NEUTRAL) SetNotch(doc, engine, NOTCH_NEUTRAL);
}

// Both engines of a twin together. Engines in step move together; engines in
// the same gear at different throttles each step on; engines in opposite gears
// are first brought to idle in the gear asked for.
void StepBoth(CKLVNDoc& doc, int command) {
    const double* table = doc.boat.throttlePowerTable;
    const double port = doc.controls.enginePower[0];
    const double starboard = doc.controls.enginePower[1];
    if (command == ENGINE_NEUTRAL) {
        SetNotch(doc, 0, NOTCH_NEUTRAL);
        SetNotch(doc, 1, NOTCH_NEUTRAL);
    } else if (command == ENGINE_STEP_AHEAD) {
        if ((port == starboard && port < table[NOTCH_FULL_AHEAD]) ||
            (port >= 0.0 && starboard >= 0.0)) {
            StepOne(doc, 0, command);
            StepOne(doc, 1, command);
        } else {
            SetNotch(doc, 0, NOTCH_IDLE_AHEAD);
            SetNotch(doc, 1, NOTCH_IDLE_AHEAD);
        }
    } else if (command == ENGINE_STEP_ASTERN) {
        if ((port == starboard && port > table[NOTCH_FULL_ASTERN]) ||
            (port <= 0.0 && starboard <= 0.0)) {
            StepOne(doc, 0, command);
            StepOne(doc, 1, command);
        } else {
            SetNotch(doc, 0, NOTCH_IDLE_ASTERN);
            SetNotch(doc, 1, NOTCH_IDLE_ASTERN);
        }
    }
}

void StepEngines(CKLVNDoc& doc, int selector, int command) {
    const bool twin = doc.boat.engineCount >= 2;
    if (!twin) selector = ENGINE_PORT;
    if (selector == ENGINE_BOTH) {
        StepBoth(doc, command);
    } else if (selector == ENGINE_PORT || selector == ENGINE_STARBOARD) {
        StepOne(doc, selector, command);
    } else {
        return;
    }
    UpdateEngineReadouts(doc);
    if (selector == ENGINE_PORT || selector == ENGINE_BOTH) ShowSteppedEngine(doc, 0);
    if (selector == ENGINE_STARBOARD || (selector == ENGINE_BOTH && twin)) {
        ShowSteppedEngine(doc, 1);
    }
}

// The highest notch whose power does not exceed v: a requested power snaps
// down to the throttle table. Below full astern it is full astern.
int NotchAtOrBelow(const double* table, double v) {
    if (v >= table[NOTCH_FULL_AHEAD]) return NOTCH_FULL_AHEAD;
    for (int n = NOTCH_FULL_AHEAD - 1; n > NOTCH_FULL_ASTERN; --n) {
        if (table[n] <= v) return n;
    }
    return NOTCH_FULL_ASTERN;
}

void SetEngineByValue(CKLVNDoc& doc, int engine, int direction, int percent) {
    const double* table = doc.boat.throttlePowerTable;
    const double v = percent * direction * 0.01;
    SetNotch(doc, engine, NotchAtOrBelow(table, v));
    // In gear a request below idle power gives idle, never neutral. Astern that
    // is the idle-astern notch, so the notch keeps matching the power and the
    // next step astern goes on astern.
    if (doc.controls.enginePower[engine] == 0.0 && direction != 0) {
        doc.controls.enginePower[engine] = direction * table[NOTCH_IDLE_AHEAD];
        doc.controls.throttleNotch[engine] = direction > 0 ? NOTCH_IDLE_AHEAD : NOTCH_IDLE_ASTERN;
    }
    UpdateEngineReadouts(doc);
    if (doc.ui->ConsoleIsOpen()) {
        int shown = PercentOf(doc.controls.enginePower[engine]);
        doc.ui->ShowEngine(engine, shown < 0 ? -1 : 1, shown);
    }
}

void SetEnginesByValue(CKLVNDoc& doc, int selector, int direction, int percent) {
    direction = SignOfInt(direction);
    if (selector == ENGINE_PORT || selector == ENGINE_BOTH) {
        SetEngineByValue(doc, 0, direction, percent);
    }
    if (selector == ENGINE_STARBOARD || selector == ENGINE_BOTH) {
        SetEngineByValue(doc, 1, direction, percent);
    }
}

}  // namespace

namespace {

const char* const ENGINE_SELECTORS[3] = {"port", "starboard", "both"};
const char* const ENGINE_STEPS[3] = {"ahead", "neutral", "astern"};

void RecordEngine(RecordedOperation& record, int selector, int command, int direction,
                  int percent) {
    if (selector < ENGINE_PORT || selector > ENGINE_BOTH) return;
    const char* engine = ENGINE_SELECTORS[selector];
    if (command == ENGINE_SET_BY_VALUE) {
        record.Write("engine %s value %d %d", engine, SignOfInt(direction), percent);
    } else if (command >= ENGINE_STEP_AHEAD && command <= ENGINE_STEP_ASTERN) {
        record.Write("engine %s %s", engine, ENGINE_STEPS[command]);
    }
}

}  // namespace

void ChangeEngine(CKLVNDoc& doc, int selector, int command, int direction, int percent) {
    RecordedOperation record(doc);
    RecordEngine(record, selector, command, direction, percent);
    if (command == ENGINE_SET_BY_VALUE) {
        SetEnginesByValue(doc, selector, direction, percent);
    } else if (command == ENGINE_STEP_AHEAD || command == ENGINE_NEUTRAL ||
               command == ENGINE_STEP_ASTERN) {
        StepEngines(doc, selector, command);
    }
}
