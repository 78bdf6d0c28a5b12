#pragma once

class QWidget;
struct CKLVNDoc;

// The Custom Slip Size dialog: Width and Length in whole display units, the
// proposal the document makes, and on OK the corrected slip laid out.
// CANCEL changes nothing. Returns whether OK was pressed.
bool RunCustomSlipDialog(QWidget* parent, CKLVNDoc& doc);
