#pragma once

struct CKLVNDoc;

enum FenderAction {
    FENDER_SET = 0,     // Ctrl + left click
    FENDER_REMOVE = 1,  // Ctrl + right click
};

// Sets a fender at the hull point nearest the last click, or removes the
// fender under it (FenderAction), and tells the user in the status bar.
void FenderClick(CKLVNDoc& doc, int action);

// "Remove All Fenders": every slot empty.
void RemoveAllFenders(CKLVNDoc& doc);
