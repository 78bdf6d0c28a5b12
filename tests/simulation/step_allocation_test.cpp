#include <gtest/gtest.h>

#include "../support/allocation_counter.h"
#include "../support/recording_ui.h"
#include "../support/test_document.h"
#include "controls/control_state.h"
#include "controls/key_dispatch.h"
#include "simulation/step.h"

namespace {

TEST(StepAllocation, NoAllocationWhileSteppingOrWorkingTheHelm) {
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        // At the dock (contact runs), wind and current varying, a taut line.
        auto doc = MakeTestDocument(type, 3);
        RecordingUserInterface ui;
        ui.keepLog = false;
        ui.consoleOpen = true;
        doc->ui = &ui;
        doc->settings.windOn = doc->settings.currentOn = 1;
        for (int k = 0; k < ENV_QUANTITIES; ++k) {
            doc->env.envVaries[k] = 1;
            doc->env.envAverage[k] = doc->env.envValue[k] = 1.0 + k;
        }
        DockLine& line = doc->mooring.dockLines[1];
        line.state = LINE_SLACK;
        line.lineLength = 1.0;
        line.attachX = doc->state.posX + 3.0;
        line.attachY = doc->state.posY;

        CKLVNDoc& d = *doc;
        const long before = allocationCount;
        SetRunState(d, 1, 1);
        ChangeEngine(d, ENGINE_PORT, ENGINE_STEP_ASTERN, 1, 0);
        ChangeEngine(d, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
        ChangeRudder(d, RUDDER_SET_BY_PERCENT, 70);
        SetThruster(d, THRUSTER_PORT);
        for (int i = 0; i < 400; ++i) Step(d);
        HandleControlKey(d, 'J');
        HandleViewKey(d, 0x70);  // F1: pause
        HandleViewKey(d, 0x70);  // and run again
        for (int i = 0; i < 400; ++i) Step(d);
        ResetControls(d);
        ResetBoat(d);
        EXPECT_EQ(allocationCount - before, 0) << "boat type " << type;
        int* volatile p = new int(3);  // the counter does see an allocation
        delete p;
        EXPECT_EQ(allocationCount - before, 1);
        EXPECT_GT(ui.statusTextCount, 790);
        EXPECT_GT(ui.consoleCallCount, 5);
    }
}

}  // namespace
