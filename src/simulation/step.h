#pragma once

struct CKLVNDoc;

// One simulation tick of 0.025 s (nothing happens while paused).
void Step(CKLVNDoc& doc);

// mode 0: mouse input enabled = value; mode 1: running = value; mode 2: both.
void SetRunState(CKLVNDoc& doc, int mode, int value);

// Puts the boat back at its start pose, at rest, lines and fenders off,
// controls neutral. Does not change the run state.
void ResetBoat(CKLVNDoc& doc);

// The simulation's part of start-up: run state, time step, accumulators.
void InitSimulation(CKLVNDoc& doc);
