#include "boat/hull_model.h"

#include "document/document.h"

void DeriveBoatQuantities(BoatRecord&, bool) {}
void BuildHullOutline(CKLVNDoc&, bool) {}
void BuildBoatMesh(BoatRecord&) {}
void BuildHullPoints(CKLVNDoc&) {}
