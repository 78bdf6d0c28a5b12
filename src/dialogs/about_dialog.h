#pragma once

class QString;
class QWidget;

// The About dialog: a drawn plan of a boat entering its slip over the whole
// dialog, the program's version and the Qt and OpenGL versions in use (they
// help a user report a problem), and OK at the lower left.
void RunAboutDialog(QWidget* parent, const QString& openGlVersion);
