#!/usr/bin/env python3
"""Runs the benchmark and prints one table. Usage: run_bench.py BUILD_DIR [RUNS]

For each file size: cat (the I/O floor), speechlist and the struct baseline
script, each to /dev/null, and the window's Get in-process on the offscreen
platform. Times are medians of RUNS runs; memory is peak resident set size
(for the window: how much the process grew during Get)."""
import os
import pathlib
import statistics
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent
SIZES = [5_500, 10_000, 1_000_000, 10_000_000]  # 5,500 records is about 100 KB


def wall_ms(argv):
    """Wall time in ms of one run, output to /dev/null."""
    with open(os.devnull, "wb") as null:
        start = time.perf_counter()
        code = subprocess.call(list(map(str, argv)), stdout=null)
        elapsed = (time.perf_counter() - start) * 1000
    if code != 0:
        sys.exit(f"failed: {' '.join(map(str, argv))}")
    return elapsed


def peak_mib(argv):
    """Peak RSS in MiB of one run, from GNU time: a child forked from this
    Python process would count Python's own pages until it execs."""
    proc = subprocess.run(["/usr/bin/time", "-f", "%M", *map(str, argv)], stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, text=True, check=True)
    return int(proc.stderr.split()[-1]) / 1024


def measure(argv, runs):
    """Median wall time of RUNS runs, and the peak memory of one more."""
    return statistics.median(wall_ms(argv) for _ in range(runs)), peak_mib(argv)


def window_get(bench, path, runs):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([bench, path, str(runs)], capture_output=True, text=True, env=env, check=True).stdout
    return {k: float(v) for k, v in (pair.split("=") for pair in out.split())}


def main():
    build = pathlib.Path(sys.argv[1]).resolve()
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    data = build / "bench-data"
    data.mkdir(exist_ok=True)
    rows = []
    for n in SIZES:
        path = data / f"speech-{n}.mul"
        if not path.exists():
            subprocess.run([build / "bin" / "make_speech_file", str(n), path], check=True)
        size_mb = path.stat().st_size / 1e6
        cat_ms, _ = measure(["cat", path], runs)
        list_ms, list_mb = measure([build / "bin" / "speechlist", path], runs)
        script_ms, script_mb = measure([sys.executable, HERE / "struct_baseline.py", path], runs)
        win = window_get(build / "bin" / "window_get_bench", path, runs)
        rows.append((n, size_mb, cat_ms, list_ms, list_mb, script_ms, script_mb, win))
        print(f"  measured {n:,} records", file=sys.stderr)

    print(f"Medians of {runs} runs; memory is peak resident set size.\n")
    print("| records | file | cat | speechlist | speechlist / cat | struct script | script / speechlist"
          " | window Get | Get / speechlist | window growth (bound: 2x UTF-16) | scroll end and back"
          " | records/s (speechlist) |")
    print("|" + "---|" * 12)
    for n, size_mb, cat_ms, list_ms, list_mb, script_ms, script_mb, win in rows:
        bound_mb = 2 * win["utf16_kib"] / 1024
        print(f"| {n:,} | {size_mb:.1f} MB | {cat_ms:.1f} ms | {list_ms:.1f} ms, {list_mb:.0f} MiB"
              f" | {list_ms / cat_ms:.1f}x | {script_ms:.0f} ms, {script_mb:.0f} MiB | {script_ms / list_ms:.0f}x"
              f" | {win['get_ms']:.1f} ms | {win['get_ms'] / list_ms:.1f}x"
              f" | {win['growth_kib'] / 1024:.0f} MiB ({bound_mb:.0f} MiB) | {win['scroll_ms']:.1f} ms"
              f" | {n / (list_ms / 1000) / 1e6:.1f} M |")


if __name__ == "__main__":
    main()
