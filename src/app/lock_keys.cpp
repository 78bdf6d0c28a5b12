#include "app/lock_keys.h"

#include <QGuiApplication>

#if __has_include(<X11/XKBlib.h>)
#include <X11/XKBlib.h>
#define KELVANE_HAVE_XKB 1
#endif

#ifdef KELVANE_HAVE_XKB
namespace {

// Indicators are found by name: their bit positions differ between keymaps.
bool IndicatorOn(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on == True;
}

}  // namespace
#endif

LockKeys ReadLockKeys() {
    LockKeys keys = {false, false, false, false};
#ifdef KELVANE_HAVE_XKB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (display == nullptr) return keys;
    keys.known = true;
    keys.capsLock = IndicatorOn(display, "Caps Lock");
    keys.numLock = IndicatorOn(display, "Num Lock");
    keys.scrollLock = IndicatorOn(display, "Scroll Lock");
#endif
    return keys;
}
