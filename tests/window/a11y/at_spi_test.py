# Vardeln — MIT licence, see LICENSE.
"""Reads and drives the running window through AT-SPI, as a screen reader does.

Usage: at_spi_test.py PID CONVERT   (the window program's process id, vardeln-convert)

Prints one line per check, "ok" or "FAIL", in the form of the shell checks, and the line a
screen reader would read for each control and menu item ("says: ..."). Exits 1 when a check
failed.
"""
import json
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
convert = sys.argv[2]
failed = False
events = []


def check(description, passed, found=None):
    global failed
    if passed:
        print("ok   " + description)
    else:
        failed = True
        print("FAIL " + description)
        if found is not None:
            print("       found:    [%s]" % (found,))


def check_equal(description, expected, found):
    check(description, expected == found, found)
    if expected != found:
        print("       expected: [%s]" % (expected,))


def pump(seconds):
    """Lets the events that have arrived reach their listeners."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(condition, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        try:
            if condition():
                return True
        except Exception:  # the tree may be in the middle of a change
            pass
    return False


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid and app.childCount > 0:
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def find(root, role, name):
    for node in walk(root):
        if node.getRole() == role and node.name == name:
            return node
    return None


def says(node):
    """What a screen reader reads for a control: its name, its role, its value and the
    states it announces."""
    value = text_of(node)
    if node.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM,
                          pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_LABEL):
        value = None
    parts = [repr(node.name), node.getRoleName()]
    if value is not None:
        parts.append(repr(value))
    if node.description:
        parts.append("description " + repr(node.description))
    shown = sorted(states(node) & {"checkable", "checked", "editable", "focusable", "read only",
                                   "sensitive", "showing", "expandable"})
    return " ".join(parts) + " [" + ", ".join(shown) + "]"


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press"):
            return action.doAction(i)
    raise AssertionError("%s has no press action: %s" % (
        node.name, [action.getName(i) for i in range(action.nActions)]))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "20", *names], check=True)


def converted(category, value, source, target):
    return subprocess.run([convert, category, value, source, target], check=True,
                          capture_output=True, text=True).stdout.rstrip("\n")


if not wait_for(lambda: application() is not None, 20):
    print("FAIL the window appears on the accessibility bus")
    sys.exit(1)
app = application()
frame = app[0]
check_equal("the window is a frame named by its caption", ("frame", sys.argv[3]),
            (frame.getRoleName(), frame.name))

number = find(frame, pyatspi.ROLE_TEXT, "Number to convert")
source = find(frame, pyatspi.ROLE_COMBO_BOX, "Convert from")
result = find(frame, pyatspi.ROLE_TEXT, "Result")
target = find(frame, pyatspi.ROLE_COMBO_BOX, "Convert to")
for name, node in (("number box", number), ("source list", source), ("result box", result),
                   ("target list", target)):
    check("the %s is found by its role and name" % name, node is not None)
if None in (number, source, result, target):
    sys.exit(1)

# At start-up: 0 Acres to Acres.
check_equal("the number box reads as text", "0", text_of(number))
check("the number box is editable and focusable",
      {"editable", "focusable"} <= states(number), states(number))
for list_name, node in (("source", source), ("target", target)):
    check_equal("the %s list's unit is its text" % list_name, "Acres", text_of(node))
    check("the %s list is focusable and not editable" % list_name,
          "focusable" in states(node) and "editable" not in states(node), states(node))
check_equal("the result reads as text", "0", text_of(result))
check("the result box is read-only, neither editable nor focusable",
      "read only" in states(result) and not {"editable", "focusable"} & states(result),
      states(result))

print("says: " + says(number))
print("says: " + says(source))
print("says: " + says(result))
print("says: " + says(target))

# Every menu and menu item, by role and name.
menu_bar = next(node for node in walk(frame) if node.getRole() == pyatspi.ROLE_MENU_BAR)
menus = [node for node in menu_bar if node is not None]
check_equal("the menu bar holds File, Edit, the categories and Help",
            ["File", "Edit", "Vardeln", "Help"], [menu.name for menu in menus])
items = {}
for menu in menus:
    print("says: " + says(menu))
    for item in walk(menu):
        if item is not menu and item.getRole() in (pyatspi.ROLE_MENU_ITEM,
                                                   pyatspi.ROLE_CHECK_MENU_ITEM):
            items[item.name] = item
            print("says:   " + says(item))
categories = ["Area", "Density", "Energy", "Force", "Length", "Mass", "Power", "Prefix",
              "Pressure", "Speed", "Temperature", "Time", "Volume"]
check_equal("every command and category is a menu item",
            ["Exit", "Cut", "Copy", "Paste", "Reset"] + categories + ["About..."],
            list(items))
check_equal("only Area is checked",
            ["Area"], [name for name in categories if "checked" in states(items[name])])


def announced(source_node):
    return [event for event in events if event.source == source_node]


def listen(event):
    events.append(event)


pyatspi.Registry.registerEventListener(
    listen, "object:property-change", "object:text-changed", "object:state-changed",
    "object:selection-changed", "object:active-descendant-changed", "focus:")

# A category chosen through its menu item's action refills both lists.
press(items["Length"])
check("Length through its menu item's action refills the source list",
      wait_for(lambda: text_of(source) == "Admiralty Mile"), text_of(source))
check_equal("and the target list", "Admiralty Mile", text_of(target))
check("and checks only Length",
      wait_for(lambda: [n for n in categories if "checked" in states(items[n])] == ["Length"]))
entries = [item.name for item in target[0]] if target.childCount else []
# The window lists the units alone; the command line names the compound units after them.
records = subprocess.run([convert, "--list", "--json", "length"], check=True, capture_output=True,
                         text=True).stdout.splitlines()
listed = [record["unit"] for record in map(json.loads, records) if "parts" not in record]
check_equal("the target list offers the converter's length units", listed, entries)

# A unit chosen with the keyboard: Tab from the number box skips the result to the target
# list, and Down chooses the next unit, which the list announces.
keys("shift+Tab")  # from the source list back to the number box, whichever has the focus
number.queryComponent().grabFocus()
check("the number box takes the focus", wait_for(lambda: "focused" in states(number)))
keys("Tab", "Tab")
check("Tab goes from the number box to the source list, then past the result to the target",
      wait_for(lambda: "focused" in states(target)), states(target))
events.clear()
keys("Down")
check_equal("Down chooses the next unit", entries[1] if len(entries) > 1 else None,
            wait_for(lambda: text_of(target) != "Admiralty Mile") and text_of(target))
wait_for(lambda: announced(target), 5)
heard = announced(target)
for event in heard:
    print("event: %s %r %r" % (event.type, event.detail1, event.any_data))
check("the target list announces its new unit", any(
    ev.type.startswith("object:text-changed:insert") and ev.any_data == text_of(target)
    or ev.type.startswith("object:property-change:accessible-value") for ev in heard),
      [ev.type for ev in heard])
print("says: " + says(target))

# A number set through the editable-text interface recalculates the result.
unit = text_of(target)
number.queryEditableText().setTextContents("2.5")
expected = converted("length", "2.5", "Admiralty Mile", unit)
check("a number set as editable text recalculates the result",
      wait_for(lambda: text_of(result) == expected), (text_of(result), expected))

# A fault leaves the result stale: the box says so, and the note under the lists names it.
note = find(frame, pyatspi.ROLE_LABEL, "")
number.queryEditableText().setTextContents("1e308")
check("an overflow leaves the result as it was",
      wait_for(lambda: find(frame, pyatspi.ROLE_LABEL, "Overflow") is not None)
      and text_of(result) == expected, text_of(result))
note = find(frame, pyatspi.ROLE_LABEL, "Overflow")
check("the note under the lists reads Overflow and is showing",
      note is not None and "showing" in states(note))
check_equal("the stale result describes itself by the fault", "Overflow", result.description)
print("says: " + says(result))
if note is not None:
    print("says: " + says(note))

number.queryEditableText().setTextContents("1")
check("the next result clears the fault",
      wait_for(lambda: result.description != "Overflow" and text_of(result) ==
               converted("length", "1", "Admiralty Mile", unit)), result.description)

sys.exit(1 if failed else 0)
