#pragma once

struct CKLVNDoc;

// Pull of every taut dock line; sets tautLineCount.
void ComputeLineForces(CKLVNDoc& doc);
