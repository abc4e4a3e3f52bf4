"""Sends window ARGV[1] the close request that every window manager sends: WM_DELETE_WINDOW."""
import ctypes
import sys

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.restype = ctypes.c_ulong
display = ctypes.c_void_p(x11.XOpenDisplay(None))


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("padding", ctypes.c_long * 24)]


def atom(name):
    return x11.XInternAtom(display, name, 0)


window = int(sys.argv[1])
message = ClientMessage(33, 0, 1, display, window, atom(b"WM_PROTOCOLS"), 32,
                        (ctypes.c_long * 5)(atom(b"WM_DELETE_WINDOW"), 0))
x11.XSendEvent(display, ctypes.c_ulong(window), 0, 0, ctypes.byref(message))
x11.XCloseDisplay(display)
