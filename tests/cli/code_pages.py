"""What the Python tests of the programs share: the code pages with their
lead bytes, and the checks, counted and told at the end."""
import sys

CODE_PAGES = [874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258]
LEAD_BYTES = {932: [*range(0x81, 0xA0), *range(0xE0, 0xFD)], 936: range(0x81, 0xFF), 949: range(0x81, 0xFF),
              950: range(0x81, 0xFF)}
failures = []


def check(name, condition, detail=""):
    """Keeps a failure (the first 40) when the condition does not hold."""
    if not condition and len(failures) < 40:
        failures.append(f"{name}: {detail}")


def finish():
    """Prints the failures and exits with 1 when there were any."""
    for failure in failures:
        print("FAIL:", failure)
    print(f"{'ok' if not failures else len(failures)} ({len(failures)} failures)")
    sys.exit(1 if failures else 0)
