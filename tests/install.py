#!/usr/bin/env python3
"""Installs Lurchfield into a fresh prefix and checks it lands like a desktop application.

The desktop entry, the icon theme files and the AppStream metainfo must carry
one reverse-DNS name, the larger icons must be the drawn 32-pixel icon with
every pixel made a square block, and the freedesktop validators must have
nothing at all to say, not even pedantic remarks.

Usage: install.py BUILD_DIR SOURCE_DIR
"""

import configparser
import os
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
import zlib

from checks import expect, finish

SIZES = (32, 64, 128, 256)

def read_xpm(path):
    """The pixels of a one-character-per-pixel XPM as rows of 0xRRGGBB."""
    strings = re.findall(r'"([^"]*)"', open(path, encoding="ascii").read())
    width, height, ncolours, cpp = map(int, strings[0].split()[:4])
    if cpp != 1:
        sys.exit(f"FAIL: {path}: expected one character per pixel")
    colours = {}
    for line in strings[1:1 + ncolours]:
        key, value = line[0], line[1:].split()
        colours[key] = int(value[value.index("c") + 1].lstrip("#"), 16)
    rows = [[colours[c] for c in line] for line in strings[1 + ncolours:1 + ncolours + height]]
    if len(rows) != height or any(len(row) != width for row in rows):
        sys.exit(f"FAIL: {path}: pixel rows do not match its size")
    return rows


def read_png(path):
    """The pixels of an 8-bit-per-channel or palette PNG as rows of 0xAARRGGBB."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"FAIL: {path} is not a PNG file")
    chunks, offset = {}, 8
    while offset < len(data):
        length, kind = struct.unpack(">I4s", data[offset:offset + 8])
        body = data[offset + 8:offset + 8 + length]
        if zlib.crc32(kind + body) != struct.unpack(">I", data[offset + 8 + length:offset + 12 + length])[0]:
            sys.exit(f"FAIL: {path}: bad CRC in {kind!r}")
        chunks[kind] = chunks.get(kind, b"") + body
        offset += 12 + length
    width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"])
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour_type]
    if interlace or (colour_type != 3 and depth != 8):
        sys.exit(f"FAIL: {path}: unexpected PNG layout (depth {depth}, interlace {interlace})")
    bits = depth * channels
    stride, step = (width * bits + 7) // 8, max(1, bits // 8)
    raw = zlib.decompress(chunks[b"IDAT"])
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up, corner = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append(line)
        previous = line
    if colour_type == 3:
        palette = chunks[b"PLTE"]
        alpha = chunks.get(b"tRNS", b"")
        colours = [(alpha[i] if i < len(alpha) else 255) << 24 | int.from_bytes(palette[3 * i:3 * i + 3], "big")
                   for i in range(len(palette) // 3)]
        per_byte = 8 // depth
        return [[colours[(row[x // per_byte] >> (8 - depth * (x % per_byte + 1))) & ((1 << depth) - 1)]
                 for x in range(width)] for row in rows]
    if colour_type != 2 and colour_type != 6:
        sys.exit(f"FAIL: {path}: unexpected colour type {colour_type}")
    return [[(row[x * channels + 3] if channels == 4 else 255) << 24
             | int.from_bytes(row[x * channels:x * channels + 3], "big") for x in range(width)] for row in rows]


def listing(path):
    return sorted(os.listdir(path)) if os.path.isdir(path) else []


def run(*args):
    try:
        result = subprocess.run(args, capture_output=True, text=True)
    except FileNotFoundError:
        return 127, f"{args[0]} is not installed (Debian: desktop-file-utils, appstream)"
    return result.returncode, (result.stdout + result.stderr).strip()


def check_desktop_entry(path, app_id, prefix):
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(path, encoding="utf-8")
    section = entry["Desktop Entry"]
    expect(section.get("Name") == "Lurchfield", "the desktop entry is named Lurchfield")
    expect(section.get("Icon") == app_id, f"the desktop entry's icon is {app_id}")
    categories = section.get("Categories", "").split(";")
    expect("Education" in categories and "Math" in categories, "the categories are Education and Math")
    command = section.get("Exec", "").split()
    expect(bool(command) and os.access(os.path.join(prefix, "bin", command[0]), os.X_OK),
           f"Exec names the installed program ({command})")
    code, said = run("desktop-file-validate", path)
    expect(code == 0 and not said, "desktop-file-validate finds nothing" + (f":\n{said}" if said else ""))


def check_metainfo(path, app_id):
    root = ElementTree.parse(path).getroot()
    expect(root.get("type") == "desktop-application", "the metainfo describes a desktop application")
    expect(root.findtext("id") == app_id, f"the metainfo id is {app_id}")
    launchable = root.find("launchable[@type='desktop-id']")
    expect(launchable is not None and launchable.text == app_id + ".desktop",
           "the metainfo launches the installed desktop entry")
    expect(root.findtext("name") == "Lurchfield", "the metainfo is named Lurchfield")
    expect([r.get("version") for r in root.iter("release")] == ["1.0"], "the metainfo has the one release 1.0")
    code, said = run("appstreamcli", "validate", "--no-net", "--pedantic", path)
    remarks = [line for line in said.splitlines() if re.match(r"[EWIP]: ", line)]
    expect(code == 0 and not remarks, "appstreamcli validate --pedantic finds nothing"
           + (f":\n{said}" if remarks or code else ""))


def check_icons(theme, app_id, drawn):
    found = sorted(os.path.relpath(os.path.join(d, f), theme) for d, _, files in os.walk(theme) for f in files)
    wanted = sorted(f"{n}x{n}/apps/{app_id}.png" for n in SIZES)
    expect(found == wanted, f"the icon theme holds {app_id}.png at {SIZES} and nothing else ({found})")
    opaque = [[0xFF000000 | p for p in row] for row in drawn]
    for n in SIZES:
        path = os.path.join(theme, f"{n}x{n}", "apps", f"{app_id}.png")
        if not os.path.exists(path):
            continue
        pixels = read_png(path)
        factor = n // len(drawn)
        blocks = [[opaque[y // factor][x // factor] for x in range(n)] for y in range(n)]
        expect(pixels == blocks, f"the {n}x{n} icon is icon.xpm with each pixel a {factor}x{factor} block")


def main():
    build, source = map(os.path.abspath, sys.argv[1:3])
    header = open(os.path.join(source, "resources", "desktopid.h"), encoding="utf-8").read()
    app_id = re.search(r'desktopId = QStringLiteral\("([^"]+)"\)', header).group(1)
    print(f"desktop id: {app_id}")
    expect(re.fullmatch(r"[a-z][a-z0-9]*(\.[a-z][a-z0-9_]*){2,}", app_id) is not None,
           "the id is a lower-case reverse-DNS name")
    with tempfile.TemporaryDirectory() as prefix:
        code, said = run("cmake", "--install", build, "--prefix", prefix)
        if code:
            sys.exit(f"FAIL: cmake --install failed:\n{said}")
        share = os.path.join(prefix, "share")
        found = sorted(os.path.relpath(os.path.join(d, f), prefix) for d, _, files in os.walk(prefix) for f in files)
        print("installed:\n  " + "\n  ".join(found))
        expect(os.access(os.path.join(prefix, "bin", "lurchfield"), os.X_OK), "bin/lurchfield is a program")
        expect(listing(os.path.join(share, "applications")) == [app_id + ".desktop"],
               f"share/applications holds {app_id}.desktop alone")
        expect(listing(os.path.join(share, "metainfo")) == [app_id + ".metainfo.xml"],
               f"share/metainfo holds {app_id}.metainfo.xml alone")
        desktop = os.path.join(share, "applications", app_id + ".desktop")
        metainfo = os.path.join(share, "metainfo", app_id + ".metainfo.xml")
        if os.path.exists(desktop):
            check_desktop_entry(desktop, app_id, prefix)
        if os.path.exists(metainfo):
            check_metainfo(metainfo, app_id)
        check_icons(os.path.join(share, "icons", "hicolor"), app_id,
                    read_xpm(os.path.join(source, "resources", "icon.xpm")))
    finish()


if __name__ == "__main__":
    main()
