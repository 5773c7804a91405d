"""Drives the running program with real key presses while Orca runs, and after each step checks
what Orca spoke, read from the "SPEECH OUTPUT" lines of its debug file.

Usage: orca_walk.py <orca debug file>. Each step is keys to press (or a window to focus, as a
window manager would when a dialog closes) and the texts Orca must speak before the next step;
a text marked "once" must not be spoken twice in that step. Exits non-zero with a reason and
what was spoken on the first step that fails; --explore prints every step's speech instead."""

import re
import subprocess
import sys
import time

MAIN = "Corvane Control Configuration Manager"
KEYS = "Press The Key You Wish to Bind"
GROUPING = "Drag Roms Back and Forth"
SPEECH = None
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\{.*\}$", re.MULTILINE)


class Speech:
    """What Orca has spoken so far, read from its debug file as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0

    def new_lines(self):
        with open(self.path, encoding="utf-8", errors="replace") as log:
            log.seek(self.offset)
            text = log.read()
            self.offset = log.tell()
        return [match.group(1) for match in SPOKEN.finditer(text)]

    def until(self, wanted, seconds):
        """Everything spoken until every wanted text has been heard (or the time is up), then
        a short while longer so that a doubled utterance is caught too."""
        heard = []
        deadline = time.time() + seconds
        while time.time() < deadline:
            heard += self.new_lines()
            if all(any(text in line for line in heard) for text in wanted):
                break
            time.sleep(0.1)
        time.sleep(0.6)
        return heard + self.new_lines()


def run(*command):
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def window_id(caption):
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", caption],
                           check=True, capture_output=True, text=True, timeout=20)
    return found.stdout.split()[0]


def focus(caption):
    run("xdotool", "windowfocus", "--sync", window_id(caption))


def press(*keys):
    for key in keys:
        run("xdotool", "key", "--clearmodifiers", key)
        time.sleep(0.15)


def read_title():
    """Orca's read-title: KP_Enter while its modifier, Insert, is held."""
    run("xdotool", "keydown", "Insert")
    time.sleep(0.2)
    run("xdotool", "key", "KP_Enter")
    time.sleep(0.2)
    run("xdotool", "keyup", "Insert")


# (what the step does, action, texts Orca must speak, texts it must speak no more than once)
STEPS = [
    ("the main window opens on Up", lambda: focus(MAIN), ["Up"], []),
    ("Orca's read-title in the main window", read_title, [MAIN], []),
    ("Space on Up opens the key dialog", lambda: press("space"), [KEYS], ["Press a key"]),
    ("Orca's read-title in the key dialog", read_title, [KEYS], []),
    ("A binds Up", lambda: press("a"), ["Up, Player 1: A"], []),
    ("back in the main window", lambda: focus(MAIN), ["Up"], []),
    ("Space on Up opens the key dialog on its key", lambda: press("space"),
     [KEYS, "Current key: A"], []),
    ("Alt+F4 keeps it", lambda: press("alt+F4"), [], []),
    ("back in the main window", lambda: focus(MAIN), ["Up"], []),
    ("Delete clears Up", lambda: press("Delete"), ["Up, Player 1: not bound"], []),
    ("Tab to Start 1, Space", lambda: press("Tab", "space"), [KEYS], []),
    ("B binds Start 1", lambda: press("b"), ["Start 1: B"], []),
    ("back in the main window", lambda: focus(MAIN), ["Start 1"], []),
    ("Tab to Start 2, Space", lambda: press("Tab", "space"), [KEYS], []),
    ("B clashes with Start 1", lambda: press("b"),
     ["B is also Start 1, General: Press another key"], []),
    ("C binds Start 2", lambda: press("c"), ["Start 2: C"], []),
    ("back in the main window", lambda: focus(MAIN), ["Start 2"], []),
    ("Shift+Tab past the strip to Cancel",
     lambda: press("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab"), ["Cancel"], []),
    ("Ctrl+Tab below the pages", lambda: press("ctrl+Tab"), ["Capcom 6 Button page"], []),
    ("Tab to the strip", lambda: press("Tab"), ["Capcom 6 Button page tab"], []),
    ("Ctrl+Shift+Tab on the strip", lambda: press("ctrl+shift+Tab"), ["General page tab"], []),
    ("Tab to Manage Control Groupings", lambda: press(*["Tab"] * 16),
     ["Manage Control Groupings"], []),
    ("Enter opens the grouping window", lambda: press("Return"), [GROUPING, "ts2u"], []),
    ("Orca's read-title in the grouping window", read_title, [GROUPING],
     []),
    ("Ctrl+3 moves the first game", lambda: press("ctrl+3"), ["ts2u moved to Tekken Games"], []),
    ("Shift+F10 opens the menu", lambda: press("shift+F10"), ["Move to"], []),
    ("the menu moves the next game", lambda: press("Down", "Down", "Down", "Down", "Return"),
     ["sfexa moved to Soul Edge"], []),
    ("back in the main window", lambda: focus(MAIN), ["Manage Control Groupings"], []),
    ("Tab to Player 1", lambda: press("Tab", "Tab", "Tab"), ["Player 1"], ["Player Select"]),
    ("Shift+Tab back", lambda: press("shift+Tab", "shift+Tab", "shift+Tab"),
     ["Manage Control Groupings"], []),
    ("Ctrl+Shift+Tab to the Launch page", lambda: press("ctrl+shift+Tab"), ["Filter"], []),
    ("Tab to the game list", lambda: press("Tab"), ["Battle Arena Toshinden 2 (Europe"], []),
    ("Down in the game list", lambda: press("Down"), ["Battle Arena Toshinden 2 (USA 951124)"],
     []),
    ("Alt+K opens its own keys", lambda: press("alt+k"), ["Own Keys: Battle Arena"], []),
    ("Escape closes them", lambda: press("Escape"), [], []),
    ("back in the main window", lambda: focus(MAIN), ["Battle Arena Toshinden 2 (USA"], []),
    ("typing in the filter leaves the Tekken 3 games",
     lambda: press("shift+Tab", *"tekken", "space", "3", "Tab"), ["Tekken 3 ("], []),
    ("back to the General page", lambda: (focus(MAIN), press("ctrl+Tab")),
     [], []),
    ("Alt+A walks the page", lambda: press("alt+a"), ["1 of "], []),
    ("B clashes in the walk", lambda: press("b"), ["Also Start 1, General"], []),
    ("Skip to the last input", lambda: skip_to_last(), [], []),
    # The dialog closes on the last key as the window manager hands the focus back.
    ("E binds the last input", lambda: (press("e"), focus(MAIN)), [": E"], []),
]


def skip_to_last():
    """Alt+S until the walk's last input, however many inputs it walks: the first Skip says
    where the walk stands."""
    press("alt+s")
    spoken = " ".join(SPEECH.until([" of "], 4))
    match = re.search(r"(\d+) of (\d+):", spoken)
    position, count = (int(match.group(1)), int(match.group(2))) if match else (1, 1)
    press(*["alt+s"] * (count - position))


def main():
    explore = "--explore" in sys.argv
    global SPEECH
    speech = SPEECH = Speech(sys.argv[1])
    failed = None
    for what, action, wanted, once in STEPS:
        action()
        heard = speech.until(wanted, 6)
        if explore:
            print("%s:\n  %s" % (what, "\n  ".join(heard)))
            continue
        missing = [text for text in wanted if not any(text in line for line in heard)]
        doubled = [text for text in once if sum(line.count(text) for line in heard) > 1]
        if missing or doubled:
            failed = "%s: not spoken %s, spoken twice %s; Orca spoke %s" % (
                what, missing, doubled, heard)
            break
    if failed:
        print("orca: " + failed, file=sys.stderr)
        sys.exit(1)
    print("orca: every step spoken")


main()
