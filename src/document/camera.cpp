#include "document/camera.h"

#include "document/document.h"

void InitCamera(CKLVNDoc&) {}
