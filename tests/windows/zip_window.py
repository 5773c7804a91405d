#!/usr/bin/env python3
"""The zip a player unpacks, used as a player would under Wine, on the X display it is given
(run it under with_xvfb.sh): unpacked into a folder of a fresh Wine prefix beside the stand-in
emulator, the program's window opened with nothing else on the DLL search path, keys bound by
real key presses (xdotool, through Wine's keyboard driver to the Windows key messages), saved,
and a game launched; the stand-in reports the controller file it read.

usage: zip_window.py ZIP ZINC_EXE WORK_DIR
Exits 77 (skipped) without Wine, xdotool or unzip.
"""

import os
import re
import shutil
import subprocess
import sys
import time
import zipfile

TITLE = "^Corvane Control Configuration Manager$"
KEY_DIALOG = "^Press The Key You Wish to Bind$"
MESSAGE_BOX = "^Corvane$"
LIMIT_SECONDS = 180

# Everything the zip holds, and nothing else.
ZIP_CONTENTS = {
    "corvane.exe", "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll", "Qt6PrintSupport.dll",
    "libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll",
    "platforms/qwindows.dll", "styles/qwindowsvistastyle.dll",
}

# Real keys and the token each binds. Wine gives the scan code with the extended bit that
# Windows gives: the right-hand modifiers go by their X key codes (xdotool sends a modifier's
# name as the left key), Pause comes as Num Lock's scan code without the bit, Num Lock with it.
PRESSES = [
    ("right Ctrl", "105", "k9D"),
    ("right Shift", "62", "k36"),
    ("right Alt", "108", "kB8"),
    ("Pause", "Pause", "kC5"),
    ("Num Lock", "Num_Lock", "k45"),
    ("keypad Enter", "KP_Enter", "k9C"),
    ("the ISO key left of Z", "94", "k56"),
    ("Page Up", "Prior", "kC9"),
    ("A", "a", "k1E"),
]


class Failure(Exception):
    pass


def xdotool(*arguments, check=True):
    done = subprocess.run(["xdotool", *arguments], stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, text=True, timeout=LIMIT_SECONDS)
    if check and done.returncode != 0:
        raise Failure("xdotool " + " ".join(arguments) + " failed")
    return done.stdout


def find_window(title, limit=LIMIT_SECONDS):
    """The id of the visible window with this caption, once it shows."""
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        found = xdotool("search", "--onlyvisible", "--name", title, check=False).split()
        if found:
            return found[-1]
        time.sleep(0.1)
    raise Failure(f"no window {title} within {limit} s")


def focus(title):
    window = find_window(title)
    xdotool("windowfocus", "--sync", window)
    time.sleep(0.5)
    return window


def keys(*names):
    for name in names:
        xdotool("key", "--clearmodifiers", name)
        time.sleep(0.4)


def fnv1a(path):
    value = 2166136261
    with open(path, "rb") as file:
        for byte in file.read():
            value = ((value ^ byte) * 16777619) & 0xFFFFFFFF
    return value


def unpack(zip_path, zinc_exe, folder):
    with zipfile.ZipFile(zip_path) as archive:
        names = {name for name in archive.namelist() if not name.endswith("/")}
        if names != ZIP_CONTENTS:
            raise Failure(f"the zip holds {sorted(names - ZIP_CONTENTS)} more and "
                          f"{sorted(ZIP_CONTENTS - names)} less than it should")
        archive.extractall(folder)
    shutil.copy(zinc_exe, os.path.join(folder, "zinc.exe"))
    # The emulator's config, which a first start names in the options: with it there, the
    # launch has no default config to offer.
    open(os.path.join(folder, "zinc.cfg"), "w").close()
    ctrlr = os.path.join(folder, "ctrlr")
    os.makedirs(ctrlr)
    for name, games in (("cap", "sfex\r\nsfexa\r\nsfex2\r\n"), ("tekken", "tekken\r\n"),
                        ("souledge", "souledge\r\n"), ("3but", ""), ("qma", "")):
        with open(os.path.join(ctrlr, name + ".lst"), "w", newline="") as file:
            file.write(games)


def up_binding(folder):
    with open(os.path.join(folder, "ctrlr", "allcfg.ini"), "rb") as file:
        found = re.search(rb"^up=(k[0-9A-F]{2})\r$", file.read(), re.MULTILINE)
    return found.group(1).decode() if found else None


def bind_and_save(folder, main, key, first):
    """Binds "Up" on the first page to a real key press, saves, and returns the token saved."""
    xdotool("windowfocus", "--sync", main)
    time.sleep(0.3)
    # The window opens on "Up"; after a save the focus is on Save, three Tabs before "Up".
    keys(*(["shift+Tab", "Tab"] if first else ["Tab", "Tab", "Tab"]), "space")
    focus(KEY_DIALOG)
    xdotool("key", key)
    time.sleep(0.5)
    xdotool("windowfocus", "--sync", main)
    time.sleep(0.3)
    keys("shift+Tab", "shift+Tab", "shift+Tab", "space")  # past the tab strip and Cancel
    focus(MESSAGE_BOX)
    keys("Return")
    return up_binding(folder)


def launch_grouped_game(folder, main):
    """Launches a game of the Capcom family from the Launch page, whose controller file the
    last save wrote; returns the file as the emulator was given it."""
    xdotool("windowfocus", "--sync", main)
    # From Save past Cancel and the tab strip into the game filter, then a game by its name,
    # Enter to the one game left in the list and Enter there to launch it.
    keys("ctrl+Prior", "Tab", "Tab", "Tab")
    xdotool("type", "--delay", "50", "Street Fighter EX (E")
    keys("Return", "Return")
    log = os.path.join(folder, "zinc-read.log")
    deadline = time.monotonic() + LIMIT_SECONDS
    while not os.path.exists(log) and time.monotonic() < deadline:
        time.sleep(0.2)
    if not os.path.exists(log):
        raise Failure("no game was launched: the stand-in wrote no zinc-read.log")
    time.sleep(1)
    with open(log) as file:
        text = file.read()
    found = re.search(r"\[--use-controller-cfg-file=([^\]]+)\] (\d+) bytes fnv1a ([0-9a-f]{8})",
                      text)
    if not found:
        raise Failure("the stand-in read no controller file: " + text)
    windows_path, size, checksum = found.groups()
    name = windows_path.replace("\\", "/").split("/")[-1]
    path = os.path.join(folder, "ctrlr", name)
    if (int(size), int(checksum, 16)) != (os.path.getsize(path), fnv1a(path)):
        raise Failure(f"the stand-in read {windows_path} as {size} bytes {checksum}, "
                      f"not as the program wrote it")
    return windows_path


def foreign_dlls(trace_path):
    """Native DLLs the program loaded from anywhere but its own folder."""
    with open(trace_path, errors="replace") as file:
        loaded = re.findall(r'Loaded L"([^"]+)" at [0-9A-Fa-f]+: native', file.read())
    folder = "c:\\\\zinc\\\\"
    return [path for path in loaded if not path.lower().startswith(folder)], len(loaded)


def run(zip_path, zinc_exe, work):
    prefix = os.path.join(work, "prefix")
    environment = {name: value for name, value in os.environ.items()
                   if not name.startswith("QT_") and name not in ("WINEPATH", "WINEDEBUG")}
    environment.update(WINEPREFIX=prefix, WINEARCH="win64", WINEDEBUG="-all",
                       WINEDLLOVERRIDES="mscoree,mshtml=")
    started = time.monotonic()
    subprocess.run(["wineboot", "-i"], env=dict(environment, DISPLAY=""),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    subprocess.run(["wineserver", "-w"], env=environment, check=True)
    print(f"  fresh Wine prefix: {time.monotonic() - started:.1f} s")
    folder = os.path.join(prefix, "drive_c", "Zinc")
    unpack(zip_path, zinc_exe, folder)

    trace_path = os.path.join(work, "corvane.trace")
    trace = open(trace_path, "w")
    started = time.monotonic()
    program = subprocess.Popen(["wine", "C:\\Zinc\\corvane.exe"], cwd=folder,
                               env=dict(environment, WINEDEBUG="-all,+loaddll"),
                               stdout=subprocess.DEVNULL, stderr=trace)
    try:
        main = focus(TITLE)
        print(f"  main window shown {time.monotonic() - started:.1f} s after the start")
        subprocess.run(["import", "-window", "root", os.path.join(work, "window.png")],
                       check=False)
        wrong = []
        for index, (label, key, token) in enumerate(PRESSES):
            saved = bind_and_save(folder, main, key, index == 0)
            verdict = "ok" if saved == token else "WRONG"
            print(f"  {label:22} ({key:8}) saved as {saved}, expected {token}: {verdict}")
            if saved != token:
                wrong.append(label)
        if wrong:
            raise Failure("keys saved wrongly: " + ", ".join(wrong))
        print("  launched with " + launch_grouped_game(folder, main) + ", read as written")
    finally:
        program.terminate()
        subprocess.run(["wineserver", "-k"], env=environment, check=False)
        program.wait(timeout=60)
        trace.close()
    foreign, count = foreign_dlls(trace_path)
    if count == 0:
        raise Failure("Wine's DLL trace names no DLL of the zip")
    if foreign:
        raise Failure("DLLs loaded from outside the zip's folder: " + ", ".join(foreign))
    print(f"  {count} native DLLs loaded, every one from the zip's folder")


def main():
    for tool in ("wine", "wineboot", "xdotool"):
        if not shutil.which(tool):
            print(f"skipped: {tool} is not installed")
            return 77
    zip_path, zinc_exe, work = (os.path.abspath(path) for path in sys.argv[1:4])
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    try:
        run(zip_path, zinc_exe, work)
    except (Failure, subprocess.SubprocessError, OSError) as failure:
        print(f"FAILED: {failure}")
        return 1
    print("the zip's corvane.exe opened its window, bound real keys by scan code, saved and "
          "launched")
    return 0


if __name__ == "__main__":
    sys.exit(main())
