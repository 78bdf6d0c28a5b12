#pragma once

#include <string>
#include <vector>

class QWidget;

// Practice ▸ Exercises ...: the exercises, one row each, and Start. Returns
// the row chosen, or -1 when the dialog is cancelled.
int RunExerciseListDialog(QWidget* parent, const std::vector<std::string>& rows);
