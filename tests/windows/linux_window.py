#!/usr/bin/env python3
"""Opens the Linux program's window once beside the native stand-in and once beside the Windows
stand-in (run through Wine), on the X display it is given (run it under xvfb-run), and reports
the time from start to the main window shown for each, with a screenshot of each window.

usage: linux_window.py LINUX_BIN WINDOWS_BIN WORK_DIR
"""

import os
import shutil
import subprocess
import sys
import time

TITLE = "^Corvane Control Configuration Manager$"
LIMIT_SECONDS = 120


def prepare(folder, program, emulator):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(program, folder)
    shutil.copy(emulator, os.path.join(folder, "zinc.exe"))


def has_children(pid):
    """Whether the program still has a process of its own running (a listing)."""
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/children") as children:
                if children.read().strip():
                    return True
    except OSError:
        return False
    return False


def wait_for_listings(program, limit_seconds=120):
    """Seconds until the program's listings (its child processes) have ended: a start from the
    listing record runs them behind its window, and ending the program first would leave them
    running on their own."""
    started = time.monotonic()
    while has_children(program.pid) and time.monotonic() - started < limit_seconds:
        time.sleep(0.05)
    time.sleep(0.5)  # the table file and the record are written after the listing has ended
    return time.monotonic() - started


def window_shown():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return found.returncode == 0


def open_window(folder, screenshot, before_end=None):
    """Seconds from start to the main window shown; None when it never shows. `before_end`, when
    given, is called with the running program after the picture, before it is ended."""
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb")
    started = time.monotonic()
    errors = open(screenshot + ".stderr", "w+b")
    program = subprocess.Popen([os.path.join(folder, "corvane")], cwd="/", env=environment,
                               stdout=subprocess.DEVNULL, stderr=errors)
    try:
        while not window_shown():
            if program.poll() is not None or time.monotonic() - started > LIMIT_SECONDS:
                errors.seek(0)
                print(errors.read().decode(errors="replace"), end="")
                return None
            time.sleep(0.02)
        seconds = time.monotonic() - started
        time.sleep(0.5)  # let it draw before the picture
        subprocess.run(["import", "-window", "root", screenshot], check=False)
        if before_end:
            before_end(program)
        return seconds
    finally:
        program.terminate()
        program.wait(timeout=30)
        errors.close()


def show_once(label, folder, screenshot):
    seconds = open_window(folder, screenshot, wait_for_listings)
    if seconds is None:
        print(f"  {label}: FAILED, no main window within {LIMIT_SECONDS} s")
        return False
    print(f"  {label}: main window shown {seconds:.2f} s after start")
    return True


def main():
    linux_bin, windows_bin, work = (os.path.abspath(path) for path in sys.argv[1:4])
    os.makedirs(work, exist_ok=True)
    failed = False
    for label, emulator in (("native", os.path.join(linux_bin, "zinc.exe")),
                            ("wine", os.path.join(windows_bin, "zinc.exe"))):
        folder = os.path.join(work, label)
        prepare(folder, os.path.join(linux_bin, "corvane"), emulator)
        failed |= not show_once(f"{label} stand-in", folder, os.path.join(work, label + ".png"))
    # The first start through Wine listed in full and recorded it: the next shows from the record.
    wine = os.path.join(work, "wine")
    if not os.path.exists(os.path.join(wine, "corvane-listing.txt")):
        print("  wine stand-in: FAILED, no listing record after a complete listing")
        failed = True
    failed |= not show_once("wine stand-in, from the listing record", wine,
                            os.path.join(work, "wine-record.png"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
