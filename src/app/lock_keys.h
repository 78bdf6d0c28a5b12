#pragma once

// The keyboard's lock indicators, for the status bar's CAP, NUM and SCRL
// panes. Where the window system cannot tell (no X11 keyboard extension),
// known is false and the panes stay greyed.
struct LockKeys {
    bool known;
    bool capsLock;
    bool numLock;
    bool scrollLock;
};

LockKeys ReadLockKeys();
