#pragma once

#include <QIcon>

#include "document/command_table.h"

// The toolbar's 16 x 15 pictures, drawn here at 1x and 2x so they stay crisp
// on a scaled screen: a green triangle for Run, two red bars for Pause, a blue
// square for Reset, a blue crosshair for the console and letters for the
// others. A null icon for a command without a button; a blank one for gaps.
QIcon ToolbarIcon(CommandId id);

// The program's window icon: a boat in its slip seen from above, at the
// usual sizes from 16 to 256 pixels.
QIcon ProgramIcon();
