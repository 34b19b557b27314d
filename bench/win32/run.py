#!/usr/bin/env python3
"""Measures the native window under Wine and prints one markdown table.

Usage: python3 bench/win32/run.py BUILD_WINDOWS_DIR [RUNS]

BUILD_WINDOWS_DIR is a finished Windows build (./test-windows makes
build-windows/). For files of 1,000,000 and 10,000,000 records and one of
2,000 texts of 32,767 bytes: speechlist.exe on the file (net of a run on an
empty file, so that Wine's start of a process does not count), the window's
Get from the click until the list is painted, the memory the window commits
for the lines, and each key press and a click on a line until repainted.
Times are medians of RUNS runs (default 3). Runs in the build folder's own
Wine prefix on a virtual display of its own, and stops both."""
import os
import pathlib
import statistics
import struct
import subprocess
import sys
import tempfile
import time

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
SIZES = [1_000_000, 10_000_000]


def inside_wine_session(build):
    """Runs this script again inside the session that test-windows uses."""
    if os.environ.get("SPEECH_BENCH_IN_SESSION"):
        return
    session = ROOT / "tests" / "ui" / "win32" / "wine_session.sh"
    script = f'. "{session}"; wine_session_start "$1"; shift; SPEECH_BENCH_IN_SESSION=1 python3 "$@"'
    sys.exit(subprocess.call(["bash", "-c", script, "bench", str(build), __file__, *sys.argv[1:]]))


def windows_path(path):
    return subprocess.run(["winepath", "-w", str(path)], capture_output=True, text=True, check=True,
                          stdin=subprocess.DEVNULL).stdout.strip()


def wine(*argv):
    """Runs a Windows program; its output goes to /dev/null, never a pipe
    (the prefix's services would inherit it and hold it open)."""
    with open(os.devnull, "wb") as null:
        subprocess.run(["wine", *map(str, argv)], stdout=null, stderr=null, stdin=subprocess.DEVNULL, check=True)


def wall_ms(*argv):
    start = time.perf_counter()
    wine(*argv)
    return (time.perf_counter() - start) * 1000


def make_files(build, data):
    files = []
    native = ROOT / "build" / "bin" / "make_speech_file"
    for n in SIZES:
        path = data / f"speech-{n}.mul"
        if not path.exists():
            if native.exists():
                subprocess.run([native, str(n), path], check=True)
            else:
                wine(build / "bin" / "make_speech_file.exe", n, windows_path(path))
        files.append((f"{n:,}", path, False))
    longest = data / "longest-2000.mul"
    if not longest.exists():
        longest.write_bytes(b"".join(struct.pack(">HH", i, 32767) + bytes([97 + i % 26]) * 32767 for i in range(2000)))
    files.append(("2,000 x 32,767 bytes", longest, True))
    return files


def speechlist_ms(build, path, empty, runs):
    exe = build / "bin" / "speechlist.exe"
    full = statistics.median(wall_ms(exe, windows_path(path)) for _ in range(runs))
    start = statistics.median(wall_ms(exe, windows_path(empty)) for _ in range(runs))
    return full - start


def window(build, path, runs, far_right, mode=None):
    with tempfile.TemporaryDirectory() as folder:
        out = pathlib.Path(folder) / "figures.txt"
        argv = [build / "bin" / "win32_window_bench.exe", windows_path(path), windows_path(out), runs]
        wine(*argv, *(["far-right"] if far_right else []), *([mode] if mode else []))
        return {k: float(v) for k, v in (pair.split("=") for pair in out.read_text().split())}


def main():
    build = pathlib.Path(sys.argv[1]).resolve()
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    inside_wine_session(build)
    data = build / "bench-data"
    data.mkdir(exist_ok=True)
    empty = data / "empty.mul"
    empty.write_bytes(b"")
    wine(build / "bin" / "speechlist.exe", windows_path(empty))  # the prefix's services are up from here on
    rows = []
    for label, path, far_right in make_files(build, data):
        size_mb = path.stat().st_size / 1e6
        listed = speechlist_ms(build, path, empty, runs)
        win = window(build, path, runs, far_right)
        rows.append((label, size_mb, listed, win, far_right))
        print(f"  measured {label}", file=sys.stderr)

    print(f"Under Wine; medians of {runs} runs; keys and a click: median of their presses (slowest in brackets),"
          " from the key until repainted; memory: what the window commits for the lines.\n")
    print("| records | file | speechlist.exe | window Get until painted | Get / speechlist | memory growth"
          " | growth / file | Down | Page Down | End | Home | click on a line |")
    print("|" + "---|" * 12)
    for label, size_mb, listed, win, far_right in rows:
        growth_mb = win["growth_kib"] * 1024 / 1e6
        keys = " | ".join(f"{win[k + '_ms']:.1f} ms ({win[k + '_max_ms']:.1f})"
                          for k in ("down", "page_down", "end", "home", "click"))
        note = ", scrolled to the lines' end" if far_right else ""
        print(f"| {label}{note} | {size_mb:.1f} MB | {listed:.0f} ms | {win['get_ms']:.0f} ms"
              f" | {win['get_ms'] / listed:.2f}x | {growth_mb:.0f} MB | {growth_mb / size_mb:.2f}x | {keys} |")
    huge = data / "huge-4GiB.mul"
    if not huge.exists():
        with open(huge, "wb") as f:  # 100 entries with text, then 4 GiB of entries without (a sparse file)
            f.write(b"".join(struct.pack(">HH", i, 8) + b"entry %02d" % i for i in range(100)))
            f.truncate(4 << 30)
    progress = window(build, huge, runs, False, "progress")
    print(f"\nA Get of a 4 GiB file: its progress shows {progress['progress_ms']:.0f} ms after the click;"
          f" after Cancel, the window answers in {progress['cancel_ms']:.0f} ms.")
    print("\nA change of encoding (to 932 and back), until the list is painted again: median (slowest).\n")
    for label, _, _, win, far_right in rows:
        print(f"- {label}: {win['encoding_ms']:.1f} ms ({win['encoding_max_ms']:.1f})")


if __name__ == "__main__":
    main()
