#pragma once

#include <QString>

class QWidget;

// The About dialog: a drawn plan of a boat entering its slip over the whole
// dialog, the program's version and the Qt and OpenGL versions in use (they
// help a user report a problem), and OK at the lower left.
// dataFolder is the folder holding the settings and boats in use.
void RunAboutDialog(QWidget* parent, const QString& openGlVersion,
                    const QString& dataFolder = QString());
