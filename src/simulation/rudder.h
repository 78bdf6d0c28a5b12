#pragma once

struct CKLVNDoc;

// The force of each engine's rudder in the wash of its own propeller plus the
// flow of the boat's own way through the water.
void ComputeRudderForces(CKLVNDoc& doc);
