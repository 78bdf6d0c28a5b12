#pragma once

struct CKLVNDoc;

// The wind's push on the boat's windage and its turning moment, from the
// apparent wind of the previous step (world frame).
void ComputeWindForce(CKLVNDoc& doc);
