#!/usr/bin/env python3
"""Runs the Linux and the Windows batch program (the latter under Wine) on the same emulator
folder and checks that the Windows run leaves the same files, byte for byte, save for what
Windows does differently on purpose: paths with drive Z: and backslashes, and the options text
and a typed DAT path in lower case.

usage: compare_with_linux.py LINUX_BIN WINDOWS_BIN WORK_DIR
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

SETTINGS = b"  --use-config-file=Zinc.cfg --Fullscreen=1  \r\n 1 \r\n 1 \r\n 0 \r\n"
OPTIONS = b"--use-config-file=Zinc.cfg --Fullscreen=1"
USER_WRAPPER = b"[mine]\r\nkept=only when not asked\r\n"

# name, command line ({sep} is the platform's separator), files put in first, with emulator,
# names the Windows run gives in lower case
SCENARIOS = [
    ("import only", "nothing-to-do", {}, True, {}),
    ("default DAT", "-listinfo", {"corvane.cfg": SETTINGS}, True, {}),
    ("wrapper", "-cfgwrapper", {"corvane.cfg": SETTINGS, "lconfig.ini": USER_WRAPPER}, True, {}),
    ("typed DAT and wrapper", "-LISTINFO Out Dir{sep}Games.DAT -CfgWrapper",
     {"corvane.cfg": SETTINGS, "lconfig.ini": USER_WRAPPER, "Out Dir/.keep": b""}, True,
     {"Out Dir/Games.DAT": "Out Dir/games.dat"}),
    ("DAT path that cannot be made", "-listinfo nowhere{sep}x.dat", {}, True, {}),
    ("emulator missing", "-listinfo", {}, False, {}),
]

PROGRAMS = {"corvane", "corvane.exe", "zinc.exe"}


def prepare(folder, program, emulator, files, with_emulator):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(program, folder)
    if with_emulator:
        shutil.copy(emulator, os.path.join(folder, "zinc.exe"))
    for name, data in files.items():
        path = os.path.join(folder, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)


def snapshot(folder):
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            relative = os.path.relpath(path, folder).replace(os.sep, "/")
            if relative not in PROGRAMS:
                with open(path, "rb") as data:
                    files[relative] = data.read()
    return files


def run(command):
    # stderr goes to a file, not a pipe: under Wine a helper of the program's shell holds the
    # inherited handle for a while after the program has ended, and a pipe would wait for it.
    with tempfile.TemporaryFile() as err:
        code = subprocess.run(command, cwd="/", stdout=subprocess.DEVNULL, stderr=err,
                              timeout=300).returncode
        err.seek(0)
        return code, err.read().replace(b"\r\n", b"\n")


def windows_path(linux_path):
    return subprocess.run(["winepath", "-w", linux_path], capture_output=True,
                          check=True).stdout.decode().strip().encode()


def expected_on_windows(data, linux_root, windows_root):
    """The Linux run's bytes as the Windows run must write them."""
    data = data.replace(OPTIONS, OPTIONS.lower())
    pattern = re.escape(linux_root) + rb'(/[^"\r\n|]*)?'
    return re.sub(pattern, lambda m: windows_root + (m.group(1) or b"").replace(b"/", b"\\"),
                  data)


def compare(name, linux, windows, linux_root, windows_root, inputs, renames):
    problems = []
    if linux[0] != windows[0]:
        problems.append(f"exit code {linux[0]} on Linux, {windows[0]} on Windows")
    if expected_on_windows(linux[1], linux_root, windows_root) != windows[1]:
        problems.append(f"stderr {linux[1]!r} on Linux, {windows[1]!r} on Windows")
    # A file put in first and left alone stays as it was.
    expected = {renames.get(k, k): v if inputs.get(k) == v else
                expected_on_windows(v, linux_root, windows_root) for k, v in linux[2].items()}
    for file in sorted(set(expected) | set(windows[2])):
        if file not in windows[2]:
            problems.append(f"{file}: written on Linux only")
        elif file not in expected:
            problems.append(f"{file}: written on Windows only")
        elif expected[file] != windows[2][file]:
            want, got = expected[file], windows[2][file]
            at = next((i for i in range(min(len(want), len(got))) if want[i] != got[i]),
                      min(len(want), len(got)))
            problems.append(f"{file}: differs at byte {at}: expected {want[at:at + 60]!r}, "
                            f"got {got[at:at + 60]!r}")
    print(f"  {'ok  ' if not problems else 'FAIL'} {name} ({len(windows[2])} files)")
    for problem in problems:
        print(f"       {problem}")
    return not problems


def main():
    linux_bin, windows_bin, work = sys.argv[1:4]
    folder = os.path.join(os.path.abspath(work), "Emu Dir")
    linux_root = folder.encode()
    ok = True
    for name, command_line, files, with_emulator, renames in SCENARIOS:
        prepare(folder, os.path.join(linux_bin, "corvane"), os.path.join(linux_bin, "zinc.exe"),
                files, with_emulator)
        code, err = run([os.path.join(folder, "corvane")] + command_line.format(sep="/").split(" "))
        linux = (code, err, snapshot(folder))
        prepare(folder, os.path.join(windows_bin, "corvane.exe"),
                os.path.join(windows_bin, "zinc.exe"), files, with_emulator)
        windows_root = windows_path(folder)
        code, err = run(["wine", os.path.join(folder, "corvane.exe")]
                        + command_line.format(sep="\\").split(" "))
        windows = (code, err, snapshot(folder))
        ok = compare(name, linux, windows, linux_root, windows_root, files, renames) and ok
    shutil.rmtree(folder, ignore_errors=True)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
