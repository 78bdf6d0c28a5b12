#pragma once

struct CKLVNDoc;

// The Boat menu's file commands. Each reports its failures through doc.ui and
// leaves the program with either the previous boat or a default one.

// "Save": writes the live boat to its name's file in the data folder and lists
// the name. A name enters the list only once its file was written whole.
void SaveBoat(CKLVNDoc& doc);

// "Open ...": lets the user choose a listed boat and loads it.
void OpenBoat(CKLVNDoc& doc);

// "Delete ...": lets the user choose a listed boat, deletes its file and takes
// it off the list; deleting the current boat loads the first one left, or the
// default boat when none is.
void DeleteBoat(CKLVNDoc& doc);
