#!/usr/bin/env python3
"""Drags with the real pointer of the X display through XTest, as a user's
mouse would: press the left button at X Y, move by each DX,DY step in turn
(a pause after each), release.

usage: xtest_drag.py X Y DX,DY [DX,DY ...]
"""
import ctypes
import sys
import time

STEP_PAUSE = 0.15


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    x, y = int(argv[1]), int(argv[2])
    steps = [tuple(int(v) for v in s.split(",")) for s in argv[3:]]
    xlib = ctypes.CDLL("libX11.so.6")
    xtst = ctypes.CDLL("libXtst.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
    xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    display = xlib.XOpenDisplay(None)
    if not display:
        print("no X display", file=sys.stderr)
        return 1

    def move(px, py):
        xtst.XTestFakeMotionEvent(display, -1, px, py, 0)
        xlib.XFlush(display)
        time.sleep(STEP_PAUSE)

    move(x, y)
    xtst.XTestFakeButtonEvent(display, 1, True, 0)
    xlib.XFlush(display)
    time.sleep(STEP_PAUSE)
    for dx, dy in steps:
        x, y = x + dx, y + dy
        move(x, y)
    xtst.XTestFakeButtonEvent(display, 1, False, 0)
    xlib.XFlush(display)
    time.sleep(STEP_PAUSE)
    xlib.XCloseDisplay(display)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
