#pragma once

#include "boat/boat_list.h"

class QWidget;

// The Boat Selection dialog over a filled list: the names in list order (not
// sorted), the initial selection selected. Returns the selected position when
// OK is pressed (-1 when nothing is selected), or -1 when cancelled.
int RunBoatSelectionDialog(QWidget* parent, const char* title, const BoatSelectionList& list);
