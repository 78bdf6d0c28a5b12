#pragma once

struct CKLVNDoc;

// Lets quantity k of the environment (ENV_WIND_SPEED ... ENV_CURRENT_DIRECTION)
// wander around its average when its Varies switch is on, and returns the
// value in use.
double VaryEnvironment(CKLVNDoc& doc, int k);
