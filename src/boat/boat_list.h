#pragma once

#include "document/settings_record.h"

struct CKLVNDoc;

// The list of saved boats lives in the settings record: up to 16 names in
// slots 0 ... boatCount - 1, in the order the boats were first saved; unused
// slots hold " ... ".

extern const char EMPTY_BOAT_SLOT[];  // " ... "

constexpr int SELECTION_NAME_SIZE = 17;  // 16 characters and the NUL

// What the Boat Selection dialog shows: the names in list order (so a list
// position is a slot), the entry selected when it opens, and its answer.
struct BoatSelectionList {
    int count;
    int initialSelection;
    char names[BOAT_LIST_SLOTS][SELECTION_NAME_SIZE];
    int chosen;  // -1 until the user picks an entry and presses OK
};

// Puts name into the list of settings without writing any file: the slot it
// already has, or the next free slot (which becomes the current one). -1 when
// the list is full (even for a listed name) or the name does not fit a slot.
int AddBoatNameToList(SettingsRecord& settings, const char* name);

// AddBoatNameToList, then writes the settings file when a name was added.
int AddBoatName(CKLVNDoc& doc, const char* name);

// Takes slot index out of the list, closing the gap and keeping the current
// index on the same boat. 0 on success (and when the list is empty, with a
// message), -1 for an index that is not a listed slot (with a message).
int RemoveBoatName(CKLVNDoc& doc, int index);

// Hands the names, the count and the current slot to the Boat Selection
// dialog; chosen starts at -1.
void FillSelectionList(const CKLVNDoc& doc, BoatSelectionList& list);
