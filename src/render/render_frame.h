#pragma once

struct CKLVNDoc;

// What a view keeps between frames: the two shape lists, built on its first
// frame, and whether the program is past its first frame.
struct FrameState {
    bool shapeListsBuilt;
    bool stepsHeld;  // a replay takes the steps itself; the frame only draws
    bool pastFirstFrame;
    unsigned capsuleList;
    unsigned discList;
};

// One frame into the current context: a simulation step, then the scene from
// the camera above the boat, with the projection, viewport and both model-view
// matrices saved into the camera for the mouse picking. The caller shows the
// frame (swaps or flushes) and then calls FinishFrame.
void RenderFrame(CKLVNDoc& doc, FrameState& frame);

// The frame has been shown: from now on the program is past its first frame.
void FinishFrame(FrameState& frame);
