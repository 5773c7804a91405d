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


def window_shown():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return found.returncode == 0


def open_window(folder, screenshot):
    """Seconds from start to the main window shown; None when it never shows."""
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
        return seconds
    finally:
        program.terminate()
        program.wait(timeout=30)
        errors.close()


def main():
    linux_bin, windows_bin, work = (os.path.abspath(path) for path in sys.argv[1:4])
    os.makedirs(work, exist_ok=True)
    failed = False
    for label, emulator in (("native", os.path.join(linux_bin, "zinc.exe")),
                            ("wine", os.path.join(windows_bin, "zinc.exe"))):
        folder = os.path.join(work, label)
        prepare(folder, os.path.join(linux_bin, "corvane"), emulator)
        seconds = open_window(folder, os.path.join(work, label + ".png"))
        if seconds is None:
            print(f"  {label} stand-in: FAILED, no main window within {LIMIT_SECONDS} s")
            failed = True
        else:
            print(f"  {label} stand-in: main window shown {seconds:.2f} s after start")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
