#pragma once

struct CKLVNDoc;

// Sums every force and moment of the step and advances heading, velocity and
// position by one time step; then lets wind and current drift, forms the
// current and apparent-wind vectors, and lets the current carry the boat.
void IntegrateMotion(CKLVNDoc& doc);
