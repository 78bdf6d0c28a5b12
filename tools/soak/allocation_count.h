#pragma once

// The soak's global operator new counts the allocations made while
// countingAllocations is set (around each Step); the tool itself allocates
// freely.
extern bool countingAllocations;
extern long allocationCount;
