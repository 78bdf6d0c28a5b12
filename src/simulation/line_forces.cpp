#include "simulation/line_forces.h"

#include "document/document.h"

void ComputeLineForces(CKLVNDoc&) {}
