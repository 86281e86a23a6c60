#!/usr/bin/env python3
"""Times the start of Quorvel beside two bare Qt windows on an X display (run by startup.sh, which
starts Xvfb): a window that only shows a text, and the same text below a menu bar.

Each run starts the three, in turns, each with a fresh home folder. Measured from the launch:
  mapped   the window is mapped (MapNotify of the new top-level window on the root window)
  painted  its content is on screen: for Quorvel three probe points hold their final colours (the
           gradient's bottom-left corner, the instruction box and the framed panel's border area);
           for the bare windows their background is there and their text's dark strokes in the
           middle
and, two seconds after it was painted, the program's resident memory (VmRSS). The medians are
compared: Quorvel's and the menu-bar window's times as multiples of the bare window's, their memory
as the difference. A menu bar's height comes from its font, so that window sets the font database
up before it maps, as the start window must: its figures are a floor for the program's.

usage: startup_probe.py <program> <bare window program> <runs> <work folder>
"""
import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import subprocess
import sys
import time

x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]


class XErrorEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("display", ctypes.c_void_p), ("resourceid", ctypes.c_ulong),
                ("serial", ctypes.c_ulong), ("error_code", ctypes.c_ubyte), ("request_code", ctypes.c_ubyte),
                ("minor_code", ctypes.c_ubyte)]


# A window can go away between two requests; such errors must not end the probe.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.POINTER(XErrorEvent))(lambda d, e: 0)
x11.XSetErrorHandler(ERROR_HANDLER)


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormaps", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
Z_PIXMAP = 2
ALL_PLANES = 0xFFFFFFFF
CLIENT_HEIGHT = 533     # the start window's client area below its menu bar
TIMEOUT = 20.0


def pixel(display, window, x, y):
    image = x11.XGetImage(display, window, x, y, 1, 1, ALL_PLANES, Z_PIXMAP)
    if not image:
        return None
    value = x11.XGetPixel(image, 0, 0)
    x11.XDestroyImage(image)
    return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF


def near(rgb, expected, tolerance=24):
    return rgb is not None and all(abs(a - b) <= tolerance for a, b in zip(rgb, expected))


def region(display, window, x, y, width, height):
    """The pixels of a rectangle as (r, g, b) rows, or None; needs 32 bits per pixel."""
    image = x11.XGetImage(display, window, x, y, width, height, ALL_PLANES, Z_PIXMAP)
    if not image:
        return None
    header = ctypes.cast(image, ctypes.POINTER(XImage)).contents
    rows = None
    if header.bits_per_pixel == 32:
        data = ctypes.string_at(header.data, header.bytes_per_line * height)
        rows = [[(data[i + 2], data[i + 1], data[i]) for i in range(line * header.bytes_per_line,
                                                                   line * header.bytes_per_line + 4 * width, 4)]
                for line in range(height)]
    x11.XDestroyImage(image)
    return rows


def bare_painted(display, window, width, height):
    """A strip of the bottom margin holds one colour that is not black (an unpainted window shows
    the root's black or its black and white weave), and the text in the middle has dark strokes."""
    strip = region(display, window, 8, height - 8, 48, 1)
    if not strip or len(set(strip[0])) != 1 or max(strip[0][0]) < 0x80:
        return False
    text = region(display, window, width // 2 - 80, height // 2 - 8, 160, 16)
    return text is not None and any(max(rgb) < 0x60 for row in text for rgb in row)


def painted(display, window, width, height):
    """The final frame is there: the probes hold the colours of the default look of a first start
    (background white-blue-navy, vertical), which the program paints in one go."""
    client_top = height - CLIENT_HEIGHT
    panel3 = (width // 2 - 244, client_top + (CLIENT_HEIGHT - 383) // 2)  # the framed panel's top left
    gradient_bottom = pixel(display, window, 3, height - 3)
    instruction_box = pixel(display, window, panel3[0] + 12, panel3[1] + 300 + 37)
    panel_border = pixel(display, window, panel3[0] + 4, panel3[1] + 200)
    return (near(gradient_bottom, (0x00, 0x00, 0x80)) and near(instruction_box, (0xFF, 0xFF, 0xDC))
            and near(panel_border, (0xC0, 0xC0, 0xC0)))


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def one_run(command, home, is_painted):
    display = x11.XOpenDisplay(None)
    for _ in range(50):  # a display under heavy load can refuse a connection for a moment
        if display:
            break
        time.sleep(0.1)
        display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open the display " + os.environ.get("DISPLAY", "(unset)"))
    root = x11.XDefaultRootWindow(display)
    x11.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY_MASK)
    x11.XSync(display, 0)
    environment = dict(os.environ, HOME=home, XDG_DATA_HOME=home + "/.local/share",
                       XDG_CONFIG_HOME=home + "/.config", XDG_CACHE_HOME=home + "/.cache",
                       XDG_RUNTIME_DIR=home + "/runtime", QT_QPA_PLATFORM="xcb")
    os.makedirs(home + "/runtime", mode=0o700)

    start = time.perf_counter()
    program = command[0]
    process = subprocess.Popen(command, env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window, mapped = None, None
        event = (ctypes.c_long * 24)()
        connection = x11.XConnectionNumber(display)
        while window is None:
            if time.perf_counter() - start > TIMEOUT:
                sys.exit(f"{program}: no window was mapped")
            if not x11.XPending(display):
                select.select([connection], [], [], 0.05)
                continue
            x11.XNextEvent(display, ctypes.byref(event))
            if event[0] & 0xFFFFFFFF == MAP_NOTIFY:
                candidate = ctypes.cast(event, ctypes.POINTER(XMapEvent)).contents.window
                attributes = XWindowAttributes()
                if x11.XGetWindowAttributes(display, candidate, ctypes.byref(attributes)) \
                        and attributes.height >= CLIENT_HEIGHT and not attributes.override_redirect:
                    window, mapped = candidate, time.perf_counter()
                    width, height = attributes.width, attributes.height
        while not is_painted(display, window, width, height):
            if time.perf_counter() - start > TIMEOUT:
                sys.exit(f"{program}: the window was not painted as expected")
            time.sleep(0.0005)
        shown = time.perf_counter()
        time.sleep(2.0)
        memory = resident_kib(process.pid)
    finally:
        process.send_signal(signal.SIGTERM)
        process.wait()
        x11.XCloseDisplay(display)
    return (mapped - start) * 1000, (shown - start) * 1000, memory / 1024


def median(values):
    ordered = sorted(values)
    middle = len(ordered) // 2
    return ordered[middle] if len(ordered) % 2 else (ordered[middle - 1] + ordered[middle]) / 2


def main():
    program, bare, runs, work = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    contenders = {"bare window": ([bare], bare_painted), "Quorvel": ([program], painted),
                  "with a menu bar": ([bare, "--menu-bar"], bare_painted)}
    results = {name: [] for name in contenders}
    print(f"{'':>6}" + "".join(f" {name:^31}  " for name in contenders))
    print(f"{'run':>6}" + f" {'mapped ms':>10} {'painted ms':>10} {'VmRSS MB':>9}  " * len(contenders))
    names = list(contenders)
    for run in range(1, runs + 1):
        # Turns rotate, so no program always starts on the heels of the same other one.
        shift = run % len(names)
        for name in names[shift:] + names[:shift]:
            home = os.path.join(work, f"home-{names.index(name)}-{run}")
            command, is_painted = contenders[name]
            results[name].append(one_run(command, home, is_painted))
            shutil.rmtree(home, ignore_errors=True)
        line = "".join(f" {m:>10.1f} {p:>10.1f} {r:>9.1f}  " for m, p, r in (results[n][-1] for n in contenders))
        print(f"{run:>6}{line}", flush=True)
    medians = {name: [median([r[i] for r in results[name]]) for i in range(3)] for name in contenders}
    line = "".join(f" {m:>10.1f} {p:>10.1f} {r:>9.1f}  " for m, p, r in medians.values())
    print(f"{'median':>6}{line}")
    bare_m, ours, framed = medians["bare window"], medians["Quorvel"], medians["with a menu bar"]
    print(f"Quorvel against the bare window: mapped {ours[0] / bare_m[0]:.2f}x (target 1.5x), "
          f"painted {ours[1] / bare_m[1]:.2f}x (target 1.3x), "
          f"memory {ours[2] - bare_m[2]:+.1f} MB (target +4 MB, and at most 33 MB)")
    print(f"The menu-bar window against the bare window: mapped {framed[0] / bare_m[0]:.2f}x, "
          f"painted {framed[1] / bare_m[1]:.2f}x, memory {framed[2] - bare_m[2]:+.1f} MB")


if __name__ == "__main__":
    main()
