#pragma once

struct CKLVNDoc;

// The bow thruster's push: thrust to port (positive) pushes the bow to port.
void ComputeThrusterForce(CKLVNDoc& doc);
