// Kept apart from the tests: the X11 headers define names (None, Bool, ...)
// that clash with GoogleTest's, and Qt must come before them.
// clang-format off
#include <QGuiApplication>
#include <X11/XKBlib.h>
// clang-format on

void LockCapsLock(bool on) {
    Display* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
    XSync(display, False);
}
