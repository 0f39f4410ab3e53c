#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks how an X11 window of the game presents itself to a window manager:
its _NET_WM_ICON holds the program's own icon in each size it ships, pixel for
pixel, and the class of its WM_CLASS is the StartupWMClass of the menu entry.
Usage: wm_identity.py WINDOW_ID ICON_DIR DESKTOP_FILE"""
import re
import subprocess
import sys
from pathlib import Path

window, icon_dir, desktop_file = sys.argv[1], Path(sys.argv[2]), sys.argv[3]


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def xprop(*args):
    return subprocess.run(["xprop", "-notype", "-id", window, *args],
                          capture_output=True, text=True, check=True).stdout


def argb_pixels(png):
    rgba = subprocess.run(["convert", str(png), "-depth", "8", "rgba:-"],
                          capture_output=True, check=True).stdout
    return [rgba[i + 3] << 24 | rgba[i] << 16 | rgba[i + 1] << 8 | rgba[i + 2]
            for i in range(0, len(rgba), 4)]


def same_pixel(p, q):
    # Qt keeps icons premultiplied, which rounds a colour under little alpha;
    # the colours must agree once multiplied by the alpha.
    alpha = p >> 24
    return alpha == q >> 24 and all(
        abs((p >> shift & 255) - (q >> shift & 255)) * alpha <= 255 for shift in (0, 8, 16))


# _NET_WM_ICON: width, height, then width * height ARGB pixels, for each size.
values = xprop("-len", "16777216", "32c", "_NET_WM_ICON").partition("=")[2]
if not values.strip():
    fail("the window has no _NET_WM_ICON")
cardinals = [int(v) for v in values.split(",")]
icons = {}
while cardinals:
    width, height = cardinals[0], cardinals[1]
    icons[(width, height)] = cardinals[2:2 + width * height]
    cardinals = cardinals[2 + width * height:]

shipped = {}
for png in icon_dir.glob("zapgrid-*.png"):
    size = int(re.search(r"(\d+)", png.stem).group(1))
    shipped[(size, size)] = png
if sorted(icons) != sorted(shipped):
    fail(f"_NET_WM_ICON sizes {sorted(icons)}, the program ships {sorted(shipped)}")
for size, png in shipped.items():
    if not all(map(same_pixel, icons[size], argb_pixels(png))):
        fail(f"the {size[0]}x{size[1]} icon is not {png.name}")
print("_NET_WM_ICON:", ", ".join(f"{w}x{h}" for w, h in sorted(icons)), "as shipped")

wm_class = re.findall(r'"([^"]*)"', xprop("WM_CLASS"))
entry = re.search(r"^StartupWMClass=(.*)$", Path(desktop_file).read_text(), re.M)
if entry is None or len(wm_class) != 2 or wm_class[1] != entry.group(1):
    fail(f"WM_CLASS {wm_class} against the entry's StartupWMClass "
         f"{entry.group(1) if entry else None}")
print(f"WM_CLASS: {wm_class}, StartupWMClass={entry.group(1)}")
