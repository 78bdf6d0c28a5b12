#pragma once

struct CKLVNDoc;

// The water's resistance to the hull's motion of the previous step: yaw
// damping, surge resistance from the boat's resistance curve, sway (skid)
// resistance and the moment of a drifting hull.
void ComputeHullResistance(CKLVNDoc& doc);
