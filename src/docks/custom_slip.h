#pragma once

struct CKLVNDoc;

// The Custom Slip Size dialog without its widgets: what it proposes when it
// opens, and what its OK does with the two whole numbers the user entered
// (in the display unit).

struct CustomSlipProposal {
    int width;               // display unit, whole
    int length;              // display unit, whole
    const char* unitsLabel;  // "UNITS: English" or "UNITS: Metric"
};

CustomSlipProposal ProposeCustomSlip(const CKLVNDoc& doc);

// Corrects a width narrower than the boat needs and a length beyond the
// maximum (each with its message, in that order), stores the custom slip in
// the dock and the boat record, selects it and lays out the dock.
void ApplyCustomSlip(CKLVNDoc& doc, int enteredWidth, int enteredLength);

// Reads what the user typed into a Width or Length box: an optional sign and
// up to six digits, blanks around them allowed. False for anything else
// (empty text included), and value is then left as it was.
bool ReadSlipDimension(const char* text, int& value);
