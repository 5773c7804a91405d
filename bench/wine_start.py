#!/usr/bin/env python3
"""Times from start to the main window shown: the Linux program beside the native stand-in, and
beside the Windows stand-in through Wine, first in a fresh Wine prefix, then warm (the prefix
made, its server possibly gone). Run it on an X display (under xvfb-run):

    xvfb-run -a -s "-screen 0 1024x768x24" \\
      python3 bench/wine_start.py build/dev/bin build/windows32/bin build/bench-start [RUNS]

Prints each time and the median of the warm and native runs. With KEEP_PREFIX=1 the prefix of
an earlier run is kept and the fresh start left out.
"""

import os
import shutil
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "windows"))
import linux_window  # noqa: E402  (beside the Windows stage's window check)


# A fresh prefix on a busy machine takes minutes (past the listing's own 60 s time-out, whose
# message then stands before the main window).
linux_window.LIMIT_SECONDS = 150


def timed(label, folder, work):
    seconds = linux_window.open_window(folder, os.path.join(work, label + ".png"))
    if seconds is None:
        print(f"  {label}: no main window within {linux_window.LIMIT_SECONDS} s")
        return float("nan")
    print(f"  {label}: {seconds:.2f} s")
    return seconds


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
    fresh = float("nan") if keep else timed("wine, fresh prefix", wine, work)
    warm = [timed(f"wine, warm prefix #{run + 1}", wine, work) for run in range(runs)]
    bare = [timed(f"native #{run + 1}", native, work) for run in range(runs)]
    print(f"fresh prefix {fresh:.2f} s; warm prefix median {statistics.median(warm):.2f} s; "
          f"native median {statistics.median(bare):.2f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
