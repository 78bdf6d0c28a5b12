#include "document/document.h"
#include "document/startup.h"

void BringUpDocument(CKLVNDoc&) {}
