#!/usr/bin/env python3
"""Builds the WAV reader's fuzz target with clang and fuzzes it for a while.

Fails on any finding (crash, sanitizer report, trap, leak, timeout). The seed
corpus is a handful of valid files made here; the corpus grown in a run is
thrown away with it.

Usage: fuzz_wavfile.py SOURCE_ROOT WORK_DIR [SECONDS]
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile


def chunk(tag, body):
    return tag + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def fmt(tag, channels, rate, bits):
    align = channels * bits // 8
    return chunk(b"fmt ", struct.pack("<HHIIHH", tag, channels, rate, rate * align, align, bits))


def extensible(subformat, channels, bits):
    align = channels * bits // 8
    guid = struct.pack("<H", subformat) + bytes.fromhex("000000001000800000aa00389b71")
    return chunk(b"fmt ", struct.pack("<HHIIHHHHI", 0xFFFE, channels, 48000, 48000 * align,
                                      align, bits, 22, bits, 3) + guid)


def riff(*chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def seeds():
    ramp = bytes(range(0, 256, 7))
    return {
        "pcm8.wav": riff(fmt(1, 1, 8000, 8), chunk(b"data", ramp)),
        "pcm16.wav": riff(chunk(b"LIST", b"INFOabc"), fmt(1, 2, 44100, 16), chunk(b"data", ramp[:32])),
        "pcm24.wav": riff(fmt(1, 1, 96000, 24), chunk(b"data", ramp[:30])),
        "float.wav": riff(fmt(3, 2, 48000, 32), chunk(b"data", struct.pack("<4f", .5, -1, 0, 1))),
        "extensible.wav": riff(extensible(1, 2, 16), chunk(b"data", ramp[:16])),
    }


def main():
    root, work = sys.argv[1], sys.argv[2]
    seconds = sys.argv[3] if len(sys.argv) > 3 else "25"
    compiler = shutil.which("clang++")
    if not compiler:
        sys.exit("FAIL: clang++ is not installed")
    os.makedirs(work, exist_ok=True)
    target = os.path.join(work, "fuzz_wavfile")
    subprocess.run([compiler, "-std=c++20", "-g", "-O1", "-I", root,
                    "-fsanitize=fuzzer,address,undefined", "-fno-sanitize-recover=all",
                    os.path.join(root, "tests", "fuzz_wavfile.cpp"),
                    os.path.join(root, "platform", "wavfile.cpp"), "-o", target], check=True)
    with tempfile.TemporaryDirectory(dir=work) as run:
        corpus, seed_dir = os.path.join(run, "corpus"), os.path.join(run, "seeds")
        os.makedirs(corpus)
        os.makedirs(seed_dir)
        for name, data in seeds().items():
            with open(os.path.join(seed_dir, name), "wb") as f:
                f.write(data)
        dictionary = os.path.join(run, "wav.dict")
        with open(dictionary, "w") as f:
            f.write('"RIFF"\n"WAVE"\n"fmt "\n"data"\n"LIST"\n"\\xfe\\xff"\n"\\xff\\xff\\xff\\xff"\n')
        result = subprocess.run([target, f"-max_total_time={seconds}", "-timeout=5",
                                 "-rss_limit_mb=2048", "-max_len=4096", f"-dict={dictionary}",
                                 f"-artifact_prefix={work}/", "-print_final_stats=1",
                                 corpus, seed_dir],
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    lines = result.stdout.splitlines()
    print("\n".join(line for line in lines
                    if "DONE" in line or line.startswith(("Done", "stat::"))))
    if result.returncode != 0:
        print("\n".join(lines[-60:]))
        sys.exit(f"FAIL: the fuzzer found a problem (exit {result.returncode}); "
                 f"the input is saved in {work}")
    print("no findings")


if __name__ == "__main__":
    main()
