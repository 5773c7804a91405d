#!/usr/bin/env python3
"""Times from start to the main window shown: the Linux program beside the native stand-in, and
beside the Windows stand-in through Wine, first in a fresh Wine prefix, then warm (the prefix
made, its server possibly gone). Run it on an X display of its own that does not reset between
the starts (xvfb-run's does, and refuses the next start meanwhile):

    tests/desktop/with_xvfb.sh \\
      python3 bench/wine_start.py build/dev/bin build/windows32/bin build/bench-start [RUNS]

A start whose zinc.exe is the one the listing record (corvane-listing.txt) names shows the last
list at once and lists behind the window; one without a record waits for the listing first.
Both are timed: "from record" starts keep the record, "listing first" starts remove it before
they run. Each start is left running until its listings have ended (the time they took behind a
window from the record is printed too), so no listing outlives the run it belongs to. Prints
each time, the medians and the load average. With KEEP_PREFIX=1 the prefix of an earlier run is
kept and the fresh start left out.
"""

import os
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "windows"))
import linux_window  # noqa: E402  (beside the Windows stage's window check)


# A fresh prefix on a busy machine takes minutes (past the listing's own 60 s time-out, whose
# message then stands before the main window).
linux_window.LIMIT_SECONDS = 150
RECORD = "corvane-listing.txt"


def wait_for_listings(started, behind):
    """Keeps the program running until its listings have ended; notes when, from its start."""
    def wait(program):
        linux_window.wait_for_listings(program)
        behind.append(time.monotonic() - started[0])
    return wait


def timed(label, folder, work, from_record, behind, server_gone=False):
    # A player's start finds the prefix made but its server ended (it ends a few seconds after
    # its last program): wait for that, or the start borrows the last one's warm server.
    if server_gone:
        subprocess.run(["wineserver", "-w"], check=False)
    if not from_record:
        if os.path.exists(os.path.join(folder, RECORD)):
            os.remove(os.path.join(folder, RECORD))
    started = [time.monotonic()]
    seconds = linux_window.open_window(folder, os.path.join(work, label + ".png"),
                                       wait_for_listings(started, behind))
    if seconds is None:
        print(f"  {label}: no main window within {linux_window.LIMIT_SECONDS} s")
        return float("nan")
    listed = f", listings done after {behind[-1]:.2f} s" if behind else ""
    print(f"  {label}: {seconds:.2f} s{listed}")
    return seconds


def series(label, folder, work, runs, from_record, server_gone=False):
    behind = []
    times = [timed(f"{label} #{run + 1}", folder, work, from_record, behind, server_gone)
             for run in range(runs)]
    return times, behind


def median(values):
    return statistics.median(values) if values else float("nan")


def main():
    linux_bin, windows_bin, work = (os.path.abspath(path) for path in sys.argv[1:4])
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    os.makedirs(work, exist_ok=True)
    prefix = os.path.join(work, "wineprefix")
    keep = os.environ.get("KEEP_PREFIX") == "1"
    if not keep:
        shutil.rmtree(prefix, ignore_errors=True)
    os.environ.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    native = os.path.join(work, "native")
    wine = os.path.join(work, "wine")
    linux_window.prepare(native, os.path.join(linux_bin, "corvane"),
                         os.path.join(linux_bin, "zinc.exe"))
    linux_window.prepare(wine, os.path.join(linux_bin, "corvane"),
                         os.path.join(windows_bin, "zinc.exe"))
    print(f"load before: {os.getloadavg()}")
    fresh = float("nan") if keep else timed("wine, fresh prefix", wine, work, False, [])
    medians = {}
    for label, server_gone, from_record in (("server running, listing first", False, False),
                                            ("server running, from record", False, True),
                                            ("server gone, listing first", True, False),
                                            ("server gone, from record", True, True)):
        times, behind = series(f"wine, warm prefix, {label}", wine, work, runs, from_record,
                               server_gone)
        medians[f"wine {label}"] = (median(times), median(behind))
    for label, from_record in (("listing first", False), ("from record", True)):
        times, behind = series(f"native, {label}", native, work, runs, from_record)
        medians[f"native {label}"] = (median(times), median(behind))
    print(f"fresh prefix {fresh:.2f} s")
    for label, (shown, listed) in medians.items():
        print(f"{label}: median {shown:.2f} s to the window (listings done after {listed:.2f} s)")
    print(f"load after: {os.getloadavg()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
