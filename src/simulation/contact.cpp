#include "simulation/contact.h"

#include "document/document.h"

void ResolveContacts(CKLVNDoc&) {}
