#include "controls/control_state.h"

#include "document/document.h"

void ResetControls(CKLVNDoc&) {}
