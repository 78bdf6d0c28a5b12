#pragma once

#include <QString>

// Whether this session can show the OpenGL view: a window system platform (not
// an off-screen one) and a context of the view's format in which the
// fixed-function interface works. Returns an empty string when it can, or a
// sentence saying what is missing.
QString DisplayProblem();

// Tells the user why the view cannot start: the reason on standard error and,
// where windows can be shown at all, the program's error box, which waits for
// OK before the program ends.
void ReportDisplayProblem(const QString& problem);

// Whether the window system platform can show windows (not an off-screen one).
bool WindowPlatform();

// Until the window is up, a fatal error of the window system (no display to
// connect to) ends the program with a clear message and exit status 1
// instead of an abort.
void ExitCleanlyOnFatalStartupErrors();
void RestoreDefaultMessageHandler();
