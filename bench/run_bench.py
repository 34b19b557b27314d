#!/usr/bin/env python3
"""Runs the benchmark and prints its tables. Usage: run_bench.py BUILD_DIR [RUNS]

For each file size: cat (the I/O floor), speechlist and the struct baseline
script, each to /dev/null, and the Qt window's Get in-process on the
offscreen platform, until the list is painted, with how much the process
grew. Then each key press and a click in the window's list, a search over
every line, and a file of 2,000 texts of 32,767 bytes; the model's edits,
undo and redo with 10,000,000 entries held, and its walks; the window's
edit, undo and save of one entry there; speechlist on
1,000,000 records in each encoding: realistic texts in 1252, 932 and UTF-8,
and texts of ASCII only; speechdiff on two files of 1,000,000 records, with
1% of them changed and with nothing shared; and speechpack making 100,000
and 1,000,000 entries again from their json and csv, against speechlist
writing them. Times are medians of RUNS runs; memory is peak resident set
size (for the window: how much the process grew during Get)."""
import os
import pathlib
import statistics
import struct
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent
SIZES = [5_500, 10_000, 1_000_000, 10_000_000]  # 5,500 records is about 100 KB
SCRIPT_UP_TO = 1_000_000  # the script takes half a minute a run beyond this
LONG_TEXTS = 2_000  # texts of 32,767 bytes each


def wall_ms(argv, statuses=(0,)):
    """Wall time in ms of one run, output to /dev/null; the run must end
    with one of the exit statuses."""
    with open(os.devnull, "wb") as null:
        start = time.perf_counter()
        code = subprocess.call(list(map(str, argv)), stdout=null)
        elapsed = (time.perf_counter() - start) * 1000
    if code not in statuses:
        sys.exit(f"failed: {' '.join(map(str, argv))}")
    return elapsed


def peak_mib(argv, statuses=(0,)):
    """Peak RSS in MiB of one run, from GNU time: a child forked from this
    Python process would count Python's own pages until it execs."""
    proc = subprocess.run(["/usr/bin/time", "-f", "%M", *map(str, argv)], stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, text=True)
    if proc.returncode not in statuses:
        sys.exit(f"failed: {' '.join(map(str, argv))}")
    return int(proc.stderr.split()[-1]) / 1024


def measure(argv, runs, statuses=(0,)):
    """Median wall time of RUNS runs, and the peak memory of one more."""
    return statistics.median(wall_ms(argv, statuses) for _ in range(runs)), peak_mib(argv, statuses)


def window(bench, mode, path, runs, *extra):
    """The window's own figures: key=value pairs printed by window_bench."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([bench, mode, path, str(runs), *extra], capture_output=True, text=True, env=env,
                         check=True).stdout
    return {k: float(v) for k, v in (pair.split("=") for pair in out.split())}


def model_figures(build, path, rounds):
    """The model's own figures: key=value pairs printed by model_bench."""
    out = subprocess.run([build / "bin" / "model_bench", path, str(rounds)], capture_output=True, text=True,
                         check=True).stdout
    return {k: float(v) for k, v in (pair.split("=") for pair in out.split())}


def speech_file(build, data, n, text_length=None, encoding="1252", variant=None):
    """A file of N records; a variant (--changed P or --prefix WORD, with a
    seed) is the same file changed, or one that shares nothing with it."""
    name = f"speech-{n}.mul" if text_length is None else f"long-{n}x{text_length}.mul"
    if variant:
        name = "-".join(variant).replace("--", "") + "-" + name
    path = data / (name if encoding == "1252" else f"{encoding}-{name}")
    if not path.exists():
        extra = [] if text_length is None else ["--text-length", str(text_length)]
        extra += list(variant[:2]) if variant else []
        seed = list(variant[2:]) if variant else []
        subprocess.run([build / "bin" / "make_speech_file", *extra, "--encoding", encoding, str(n), path, *seed],
                       check=True)
    return path


ENCODED_RECORDS = 1_000_000
# The realistic files, each listed in its own encoding; then the ASCII file
# in every encoding that keeps ASCII as it is.
ENCODED_FILES = [("1252", "1252"), ("932", "932"), ("utf-8", "utf-8")]
ASCII_ENCODINGS = ["1252", "874", "932", "936", "949", "950", "1250", "1251", "1253", "1254", "1255", "1256", "1257",
                   "1258", "utf-8"]


def encodings_table(build, data, runs):
    speechlist = build / "bin" / "speechlist"
    lines = [f"\nspeechlist on {ENCODED_RECORDS:,} records by encoding, to /dev/null (the ratio is to the same"
             " kind of file in 1252):\n", "| texts | --encoding | file | speechlist | / 1252 |", "|---|---|---|---|---|"]
    base = None
    for kind, encoding in ENCODED_FILES:
        path = speech_file(build, data, ENCODED_RECORDS, encoding=kind)
        ms, _ = measure([speechlist, "--encoding", encoding, path], runs)
        base = base or ms
        lines.append(f"| realistic, {kind} words | {encoding} | {path.stat().st_size / 1e6:.1f} MB | {ms:.1f} ms"
                     f" | {ms / base:.2f}x |")
    path = speech_file(build, data, ENCODED_RECORDS, encoding="ascii")
    base = None
    for encoding in ASCII_ENCODINGS:
        ms, _ = measure([speechlist, "--encoding", encoding, path], runs)
        base = base or ms
        lines.append(f"| ASCII only | {encoding} | {path.stat().st_size / 1e6:.1f} MB | {ms:.1f} ms | {ms / base:.2f}x |")
    return lines


COMPARED_RECORDS = 1_000_000


def compare_table(build, data, runs):
    """speechdiff on two files of 1,000,000 records: one with 1% of its
    records changed (one in four of them removed, one in four with a record
    added before it, the others with a new text), against speechlist of
    both files; and two that share no record, with the peak memory against
    the two files' size."""
    speechlist, speechdiff = build / "bin" / "speechlist", build / "bin" / "speechdiff"
    old = speech_file(build, data, COMPARED_RECORDS)
    pairs = [("1% of the records changed", speech_file(build, data, COMPARED_RECORDS, variant=("--changed", "1"))),
             ("nothing shared", speech_file(build, data, COMPARED_RECORDS, variant=("--prefix", "other", "2")))]
    lines = [f"\nspeechdiff on two files of {COMPARED_RECORDS:,} records, to /dev/null (goals: at most 3x speechlist"
             " of both files with 1% changed; under 10 s and under 4x the two files' size in memory with nothing"
             " shared):\n",
             "| files | both files | speechlist of both | speechdiff | / speechlist of both | peak memory"
             " | memory / both files |", "|---|---|---|---|---|---|---|"]
    for name, new in pairs:
        both_mb = (old.stat().st_size + new.stat().st_size) / 1e6
        listed_ms = sum(measure([speechlist, path], runs)[0] for path in (old, new))
        diff_ms, diff_mib = measure([speechdiff, old, new], runs, statuses=(1,))
        diff_mb = diff_mib * 1024 * 1024 / 1e6
        lines.append(f"| {name} | {both_mb:.1f} MB | {listed_ms:.1f} ms | {diff_ms:.1f} ms | {diff_ms / listed_ms:.2f}x"
                     f" | {diff_mb:.0f} MB | {diff_mb / both_mb:.2f}x |")
    return lines


PACK_SIZES = [100_000, 1_000_000]


def packing_table(build, data, runs):
    """speechpack making the speech file again from what speechlist lists, in
    json and csv, against speechlist writing that list; with the peak memory
    of each at two sizes, which streaming keeps flat."""
    speechlist, speechpack = build / "bin" / "speechlist", build / "bin" / "speechpack"
    lines = ["\nspeechpack making the speech file from speechlist --all's list, against speechlist writing that list"
             " (to /dev/null); speechpack writes with -o:\n",
             "| entries | format | list | speechlist | speechpack | pack / list | peak memory, list / pack |",
             "|---|---|---|---|---|---|---|"]
    for n in PACK_SIZES:
        path = speech_file(build, data, n)
        for fmt in ("json", "csv"):
            listed = data / f"speech-{n}.{fmt}"
            if not listed.exists():
                with open(listed, "wb") as out:
                    subprocess.run([speechlist, "--all", "--format", fmt, path], stdout=out, check=True)
            list_ms, list_mb = measure([speechlist, "--all", "--format", fmt, path], runs)
            packed = data / f"packed-{n}.mul"
            pack_ms, pack_mb = measure([speechpack, "-o", packed, listed], runs)
            if packed.read_bytes() != path.read_bytes():
                sys.exit(f"speechpack did not make {path.name} again from its {fmt}")
            lines.append(f"| {n:,} | {fmt} | {listed.stat().st_size / 1e6:.1f} MB | {list_ms:.1f} ms | {pack_ms:.1f} ms"
                         f" | {pack_ms / list_ms:.2f}x | {list_mb:.0f} MiB / {pack_mb:.0f} MiB |")
    return lines


def editing_figures(build, bench, data, runs):
    """The window's edit, undo and save with 10,000,000 entries listed (on a
    copy, which the save writes over), with speechpack making the same file
    from its csv and cp copying it."""
    path = speech_file(build, data, 10_000_000)
    copy = data / "edited-speech-10000000.mul"
    subprocess.run(["cp", path, copy], check=True)
    figures = window(bench, "editing", copy, runs)
    listed = data / "speech-10000000.csv"
    if not listed.exists():
        with open(listed, "wb") as out:
            subprocess.run([build / "bin" / "speechlist", "--all", "--format", "csv", path], stdout=out, check=True)
    figures["pack_ms"], _ = measure([build / "bin" / "speechpack", "-o", data / "packed-10000000.mul", listed], runs)
    figures["cp_ms"], _ = measure(["cp", path, data / "copied-10000000.mul"], runs)
    return figures


def keys_row(name, keys):
    return (f"| {name} | " + " | ".join(f"{keys[k + '_ms']:.1f} ({keys[k + '_max_ms']:.1f})"
                                        for k in ("down", "pagedown", "end", "home", "click")) + " |")


def main():
    build = pathlib.Path(sys.argv[1]).resolve()
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    bench = build / "bin" / "window_bench"
    data = build / "bench-data"
    data.mkdir(exist_ok=True)
    rows, keys = [], {}
    for n in SIZES:
        path = speech_file(build, data, n)
        size_mb = path.stat().st_size / 1e6
        cat_ms, _ = measure(["cat", path], runs)
        list_ms, list_mb = measure([build / "bin" / "speechlist", path], runs)
        script = measure([sys.executable, HERE / "struct_baseline.py", path], runs) if n <= SCRIPT_UP_TO else None
        get = window(bench, "get", path, runs)
        rows.append((n, size_mb, cat_ms, list_ms, list_mb, script, get))
        if n >= 1_000_000:
            keys[f"{n:,} lines"] = window(bench, "keys", path, runs)
        print(f"  measured {n:,} records", file=sys.stderr)
    long_path = speech_file(build, data, LONG_TEXTS, 32767)
    keys[f"{LONG_TEXTS:,} texts of 32,767 bytes"] = window(bench, "keys", long_path, runs)
    find = window(bench, "find", speech_file(build, data, 1_000_000), runs)
    find_932 = window(bench, "find", speech_file(build, data, 1_000_000, encoding="932"), runs, "932")
    # A Japanese text whose start many lines hold: each of their characters is folded as it is compared.
    find_932_own = window(bench, "find", speech_file(build, data, 1_000_000, encoding="932"), runs, "932",
                          "\u3042\u308a\u304c\u3068\u3046\u3054\u3056\u3044\u307e\u3057\u305f")
    find_all = window(bench, "findall", speech_file(build, data, 1_000_000), runs)
    switch = window(bench, "encoding", speech_file(build, data, 10_000_000), runs)
    edits = model_figures(build, speech_file(build, data, 10_000_000), max(100, 20 * runs))
    editing = editing_figures(build, bench, data, runs)
    huge = data / "huge-4GiB.mul"
    if not huge.exists():
        with open(huge, "wb") as f:  # 100 entries with text, then 4 GiB of entries without (a sparse file)
            f.write(b"".join(struct.pack(">HH", i, 8) + b"entry %02d" % i for i in range(100)))
            f.truncate(4 << 30)
    progress = window(bench, "progress", huge, runs)
    recognition = window(bench, "recognition", speech_file(build, data, 1_000_000, encoding="utf-8"), runs)
    print("  measured the keys, the searches and a change of encoding", file=sys.stderr)
    encodings = encodings_table(build, data, runs)
    print("  measured the encodings", file=sys.stderr)
    comparing = compare_table(build, data, runs)
    print("  measured speechdiff", file=sys.stderr)
    packing = packing_table(build, data, runs)
    print("  measured speechpack", file=sys.stderr)

    print(f"Medians of {runs} runs; memory is peak resident set size.\n")
    print("| records | file | cat | speechlist | speechlist / cat | struct script | script / speechlist"
          " | window Get | Get / speechlist | window growth | growth / file | scroll end and back |")
    print("|" + "---|" * 12)
    for n, size_mb, cat_ms, list_ms, list_mb, script, get in rows:
        script_cells = (f"{script[0]:.0f} ms, {script[1]:.0f} MiB | {script[0] / list_ms:.0f}x" if script
                        else "not run | -")
        growth_mb = get["growth_kib"] * 1024 / 1e6
        print(f"| {n:,} | {size_mb:.1f} MB | {cat_ms:.1f} ms | {list_ms:.1f} ms, {list_mb:.0f} MiB"
              f" | {list_ms / cat_ms:.1f}x | {script_cells}"
              f" | {get['get_ms']:.1f} ms | {get['get_ms'] / list_ms:.2f}x"
              f" | {growth_mb:.0f} MB | {growth_mb / size_mb:.2f}x | {get['scroll_ms']:.1f} ms |")
    print("\nEach key press and a click in the window's list, until it is painted again:"
          " median (slowest), ms.\n")
    print("| list | Down | Page Down | End | Home | click |")
    print("|" + "---|" * 6)
    for name, figures in keys.items():
        print(keys_row(name, figures))
    print(f"\nA search over all 1,000,000 lines (a text that no line holds): {find['find_ms']:.1f} ms;"
          f" over 1,000,000 lines of Japanese read in 932: {find_932['find_ms']:.1f} ms, and for a Japanese text"
          f" that no line holds (the start of one that many do): {find_932_own['find_ms']:.1f} ms.")
    print(f"Find all over 1,000,000 lines for a text that every line holds, until its list of 1,000,000 is"
          f" painted: {find_all['findall_ms']:.1f} ms (slowest {find_all['findall_max_ms']:.1f} ms).")
    print(f"A Get of a 4 GiB file: its progress shows {progress['progress_ms']:.0f} ms after the click;"
          f" after Cancel, the window answers in {progress['cancel_ms']:.0f} ms.")
    print(f"A Get of 1,000,000 records of UTF-8 texts in the session, their texts weighed as UTF-8 as they are read:"
          f" {recognition['weighed_ms']:.0f} ms; the same Get without (an encoding chosen):"
          f" {recognition['unweighed_ms']:.0f} ms ({recognition['weighed_ms'] / recognition['unweighed_ms']:.2f}x;"
          f" asked: {'yes' if recognition['asks'] else 'no'}).")
    print(f"A change of encoding (to 932 and back) with 10,000,000 lines listed, until the list is painted:"
          f" {switch['encoding_ms']:.1f} ms (slowest {switch['encoding_max_ms']:.1f} ms).")
    steps = ", ".join(f"{k} {edits[k + '_us']:.1f} µs ({edits[k + '_max_us']:.1f})"
                      for k in ("change", "insert", "remove", "undo", "redo"))
    print(f"The model of 10,000,000 entries, each step alone, median (slowest): {steps}; a walk over every entry"
          f" {edits['walk_ms']:.0f} ms, over every row {edits['rows_walk_ms']:.0f} ms; a row looked up"
          f" {edits['row_us']:.2f} µs.")
    print(f"Editing with 10,000,000 entries listed, until the list is painted, median (slowest): an edit (OK in the"
          f" Edit entry window) {editing['edit_ms']:.1f} ms ({editing['edit_max_ms']:.1f}), an undo (Ctrl+Z)"
          f" {editing['undo_ms']:.1f} ms ({editing['undo_max_ms']:.1f}); Save speech file (Ctrl+S)"
          f" {editing['save_ms']:.0f} ms, against {editing['pack_ms']:.0f} ms for speechpack making the same file from"
          f" its csv ({editing['save_ms'] / editing['pack_ms']:.2f}x) and {editing['cp_ms']:.0f} ms for cp.")
    print("\n".join(encodings))
    print("\n".join(comparing))
    print("\n".join(packing))


if __name__ == "__main__":
    main()
