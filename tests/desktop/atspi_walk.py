"""Drives the running program through AT-SPI only, as a screen reader would: finds the page
tabs, turns to the Launch page, ticks "Show Command Line" with the box's toggle action, presses
Save and answers the message. Exits non-zero with a reason on the first thing that fails."""

import sys
import time

import pyatspi

MAIN_CAPTION = "Corvane Control Configuration Manager"
TABS = ["General", "Capcom 6 Button", "3 Buttons or Less", "Quiz My Angel 3 /Paca Paca Passion",
        "Tekken Games", "Soul Edge / Ehrgeiz / Bloody Roar 2", "Launch"]


def fail(reason):
    print("atspi: " + reason, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def find(root, role, name=None):
    match = lambda node: node is not None and node.getRole() == role and (
        name is None or node.name == name)
    return pyatspi.findDescendant(root, match, breadth_first=True)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "corvane":
            return app
    return None


def act(node, action_name):
    actions = node.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) == action_name:
            actions.doAction(index)
            return
    fail("%s has no action %s" % (node.name, action_name))


def has_state(node, state):
    return node.getState().contains(state)


app = wait_for("the program on the accessibility bus", program)
# A frame named by its title: where Orca's read-title looks for it.
window = wait_for("the main window as a frame", lambda: find(app, pyatspi.ROLE_FRAME, MAIN_CAPTION))
tab_list = find(window, pyatspi.ROLE_PAGE_TAB_LIST) or fail("no page tab list")
tabs = [tab_list.getChildAtIndex(i) for i in range(tab_list.childCount)]
if [tab.name for tab in tabs] != TABS:
    fail("page tabs are %s" % [tab.name for tab in tabs])
if not has_state(tabs[0], pyatspi.STATE_SELECTED):
    fail("the first tab is not selected at start")

act(tabs[6], "Press")
launch_page = [child for child in window if child.name == "Launch" and child is not tab_list]
wait_for("the Launch tab selected", lambda: has_state(tabs[6], pyatspi.STATE_SELECTED))
wait_for("the Launch page showing",
         lambda: any(has_state(page, pyatspi.STATE_SHOWING) for page in launch_page))

show_command = find(window, pyatspi.ROLE_CHECK_BOX, "Show Command Line") or fail("no check box")
act(show_command, "Toggle")
wait_for("the box ticked", lambda: has_state(show_command, pyatspi.STATE_CHECKED))

act(find(window, pyatspi.ROLE_PUSH_BUTTON, "Save") or fail("no Save button"), "Press")
saved = wait_for("the saved message",
                 lambda: find(app, pyatspi.ROLE_LABEL, "All Changes Saved"))
message_box = saved.parent
act(find(message_box, pyatspi.ROLE_PUSH_BUTTON, "OK") or fail("no OK button"), "Press")
print("atspi: tabs found, page turned, box toggled, saved")
