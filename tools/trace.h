#pragma once

#include <string>

struct CKLVNDoc;

// The CSV trace of a run: one header row, then one row per printed step.
// withStatus adds the status line as a last, quoted column.
void AppendTraceHeader(std::string& output, bool withStatus);

// contactCount is what the step's first contact search found (0 when the step
// did not run one).
void AppendTraceRow(std::string& output, const CKLVNDoc& doc, long long step, int contactCount,
                    bool withStatus);
