#pragma once

struct CKLVNDoc;

// Propeller thrust and prop walk of every engine, from its power setting, into
// the prop accumulators (body frame; sway positive to starboard).
void ComputePropellerForces(CKLVNDoc& doc);
