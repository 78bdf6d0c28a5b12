// A frame is drawn about 80 times a second for as long as the program runs:
// after the first, the frame's own code must not touch the heap.

#include "../support/allocation_counter.h"
#include "app/gui_fixture.h"
#include "render/render_frame.h"

namespace {

using RenderAllocation = WindowTest;

TEST_F(RenderAllocation, NoAllocationPerFrameAfterTheFirst) {
    for (int type : {MOTORBOAT, SAILBOAT, HOUSEBOAT}) {
        Open(type, 1);
        CKLVNDoc& doc = Doc();
        // Everything on: running, wind and current arrows, a line made fast,
        // a fender, the helm over.
        doc.settings.windOn = doc.settings.currentOn = doc.state.running = 1;
        doc.env.envValue[ENV_WIND_SPEED] = 10.0;
        doc.env.envValue[ENV_CURRENT_SPEED] = 1.0;
        doc.mooring.dockLines[3].state = LINE_SLACK;
        doc.mooring.fenderCount = doc.mooring.fenderActive[0] = 1;
        doc.controls.rudderAngle = 0.2;
        doc.controls.enginePower[0] = 0.5;

        View()->makeCurrent();
        FrameState frame = {};
        RenderFrame(doc, frame);
        FinishFrame(frame);
        const long before = allocationCount;
        for (int k = 0; k < 20; ++k) {
            doc.camera.projectionChanged = (k % 5 == 0);  // zooms in between
            RenderFrame(doc, frame);
            FinishFrame(frame);
        }
        EXPECT_EQ(allocationCount - before, 0) << "boat type " << type;
        View()->doneCurrent();
        TearDown();
    }
}

}  // namespace
