"""Sends window ARGV[1] the close request that every window manager sends: WM_DELETE_WINDOW."""
import ctypes
import sys

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.restype = ctypes.c_ulong
display = ctypes.c_void_p(x11.XOpenDisplay(None))
window = int(sys.argv[1])
# An XClientMessageEvent on a 64-bit system, each field in a long of its own: type
# ClientMessage, serial, send_event, display, window, message type, format 32, then the data.
event = (ctypes.c_long * 24)(33, 0, 1, display.value, window,
                             x11.XInternAtom(display, b"WM_PROTOCOLS", 0), 32,
                             x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0))
x11.XSendEvent(display, ctypes.c_ulong(window), 0, 0, ctypes.byref(event))
x11.XCloseDisplay(display)
