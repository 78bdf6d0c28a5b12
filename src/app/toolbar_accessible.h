#pragma once

// Toolbar buttons as screen readers and GUI automation see them: a checkable
// one is a check box whose "Toggle" runs the command (Qt's own tool-button
// interface offers that action but does nothing for it), every one answers
// "Press". Installed once, before the main window is built.
void InstallToolbarAccessibility();
