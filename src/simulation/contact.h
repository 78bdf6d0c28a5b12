#pragma once

struct CKLVNDoc;

// Contacts found by the last contact pass. (Filled in with contact.)
struct ContactState {
    int contactCount;
    int firstPassContactCount;  // found by the first search of the last step (runner trace)
};

// Finds and resolves contact with docks, pilings and fenders: the contact
// stage of a step.
void ResolveContacts(CKLVNDoc& doc);
