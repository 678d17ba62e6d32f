#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the WAV reader's libFuzzer target with clang under the address and undefined-behaviour
sanitizers and fuzzes it from a few valid files; any finding fails, its input kept in WORK_DIR.
Usage: fuzz_wavfile.py SOURCE_ROOT WORK_DIR [SECONDS]"""

import os
import struct
import subprocess
import sys

root, work, seconds = sys.argv[1], sys.argv[2], (sys.argv[3:] or ["25"])[0]
corpus, target = os.path.join(work, "corpus"), os.path.join(work, "fuzz_wavfile")
os.makedirs(corpus, exist_ok=True)
extensible = struct.pack("<HHIH", 22, 16, 3, 1) + bytes.fromhex("000000001000800000aa00389b71")
for tag, bits, extra in (1, 8, b""), (1, 24, b""), (3, 32, b""), (0xFFFE, 16, extensible):
    fmt = struct.pack("<HHIIHH", tag, 2, 8000, 2000 * bits, bits // 4, bits) + extra
    body = b"WAVEfmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", bits)
    with open(os.path.join(corpus, f"seed-{tag}-{bits}.wav"), "wb") as seed:  # four frames
        seed.write(b"RIFF" + struct.pack("<I", len(body) + bits) + body + bytes(range(bits)))
subprocess.run(["clang++", "-std=c++20", "-g", "-O1", "-I", root, "-fsanitize=fuzzer,address,"
                "undefined", "-fno-sanitize-recover=all", f"{root}/tests/fuzz_wavfile.cpp",
                f"{root}/platform/wavfile.cpp", "-o", target], check=True)
sys.exit(subprocess.run([target, f"-max_total_time={seconds}", "-timeout=5", "-max_len=4096",
                         "-rss_limit_mb=2048", f"-artifact_prefix={work}/", corpus]).returncode)
