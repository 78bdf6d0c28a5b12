#include "simulation/step.h"

#include "document/document.h"

void Step(CKLVNDoc&) {}
void SetRunState(CKLVNDoc&, int, int) {}
void ResetBoat(CKLVNDoc&) {}
void InitSimulation(CKLVNDoc&) {}
