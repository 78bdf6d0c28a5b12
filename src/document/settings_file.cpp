#include "document/settings_file.h"

#include "document/document.h"

int SaveSettings(CKLVNDoc&) { return 1; }
