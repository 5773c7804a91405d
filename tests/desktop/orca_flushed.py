"""Runs Orca with its debug file written line by line instead of through a full buffer, so that
what it speaks can be read while it runs. Usage: orca_flushed.py <settings folder> <debug file>

Orca refuses to start while any other Orca of the same user runs, even one on another display
and session bus (a second test run, or the user's own screen reader). This Orca serves its own
virtual display and bus only, so it starts beside them: the refusal is taken out of the copy of
Orca's start-up script run here.

Speech is on, so that Orca's own messages (read-title among them) are logged too, but with no
speech server to send them to: nothing needs a synthesiser or a sound card."""

import builtins
import sys

settings, log = sys.argv[1], sys.argv[2]
buffered_open = builtins.open


def line_buffered_open(file, mode="r", *args, **kwargs):
    if str(file) == log and "w" in mode:
        return buffered_open(file, mode, 1)
    return buffered_open(file, mode, *args, **kwargs)


builtins.open = line_buffered_open
sys.path.insert(0, "/usr/lib/python3/dist-packages")
import orca.settings  # noqa: E402

orca.settings.speechServerFactory = "no speech server"
orca.settings.speechFactoryModules = []
sys.argv = ["orca", "-u", settings, "--debug-file=" + log]
with buffered_open("/usr/bin/orca", encoding="utf-8") as script:
    source = script.read().replace("    if otherOrcas():\n", "    if False:\n")
exec(compile(source, "/usr/bin/orca", "exec"), {"__name__": "__main__", "__file__": "/usr/bin/orca"})
