# SPDX-License-Identifier: GPL-3.0-or-later
"""Where the windows' parts lie, as designed in twips, and in client pixels."""


def px(twips):  # 15 twips a pixel, rounded as the program rounds them
    return (twips + 7) // 15


def rect(left, top, width, height):
    return px(left), px(top), px(width), px(height)


def centre(r):  # the middle, as xdotool takes it
    return str(r[0] + r[2] // 2), str(r[1] + r[3] // 2)


def inside(r, border=2):  # within a sunken border
    return r[0] + border, r[1] + border, r[2] - 2 * border, r[3] - 2 * border


# The main window's controls.
EXIT, HELP, INIT = rect(0, 0, 855, 375), rect(7920, 0, 855, 375), rect(8760, 0, 855, 375)
TITLE, PLANE = rect(3240, 0, 3015, 375), rect(2880, 5280, 3975, 3375)
START, STOP = rect(7440, 6600, 1575, 615), rect(7440, 7320, 1575, 615)
GRAPH, LINEAR = rect(840, 8400, 1215, 615), rect(7200, 8640, 2175, 255)
# A graph window's "Close".
CLOSE = rect(6600, 0, 975, 375)
