#include "document/startup.h"

#include "document/document.h"

void StartUpDocument(CKLVNDoc&, const char*) {}
void ApplySettingsDefaults(CKLVNDoc&) {}
