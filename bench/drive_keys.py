#!/usr/bin/python3
"""Presses keys on the X display named by DISPLAY through the XTest extension,
with the pointer over (x, y) so that the window there has the keyboard (no
window manager runs on the virtual display). For scripts/bench.sh.
  drive_keys.py X Y KEY...   where KEY is an X keysym name (F1, e, Return) or
  sleep:SECONDS"""
import ctypes
import sys
import time

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("drive_keys: cannot open the display")
xtst.XTestFakeMotionEvent(display, -1, int(sys.argv[1]), int(sys.argv[2]), 0)
x11.XFlush(display)
for key in sys.argv[3:]:
    if key.startswith("sleep:"):
        time.sleep(float(key[6:]))
        continue
    code = x11.XKeysymToKeycode(display, x11.XStringToKeysym(key.encode()))
    xtst.XTestFakeKeyEvent(display, code, 1, 0)
    xtst.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XFlush(display)
    time.sleep(0.05)
