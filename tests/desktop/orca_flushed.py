"""Runs Orca with its debug file written line by line instead of through a full buffer, so that
what it speaks can be read while it runs. Usage: orca_flushed.py <settings folder> <debug file>"""

import builtins
import runpy
import sys

settings, log = sys.argv[1], sys.argv[2]
buffered_open = builtins.open


def line_buffered_open(file, mode="r", *args, **kwargs):
    if str(file) == log and "w" in mode:
        return buffered_open(file, mode, 1)
    return buffered_open(file, mode, *args, **kwargs)


builtins.open = line_buffered_open
sys.argv = ["orca", "-u", settings, "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
