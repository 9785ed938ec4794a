#!/usr/bin/python3
"""Reaches the running Varnok as a screen reader does, through the accessibility bus
(AT-SPI), where no X server is there to send it key presses and clicks.

  screen-reader.py windows              the names of Varnok's shown windows, one a line
  screen-reader.py press BUTTON         presses the button of that name
  screen-reader.py set CONTROL VALUE    sets the value of the control of that name
  screen-reader.py changes BOX SECONDS  listens to the text box of that name for SECONDS and
                                        prints each change it is told of (insert or delete,
                                        offset, length), then the box's length and whether
                                        the last text inserted is what the box reads now

Each waits up to ten seconds for Varnok, and for the control it names, to appear on the bus."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def program():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        for k in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(k)
            if application is not None and application.get_name() == "Varnok":
                return application
        time.sleep(0.1)
    sys.exit("screen-reader: Varnok did not appear on the accessibility bus")


def control(node, name):
    if node.get_name() == name and node.get_role() != Atspi.Role.FRAME:
        return node
    for k in range(node.get_child_count()):
        found = control(node.get_child_at_index(k), name)
        if found is not None:
            return found
    return None


def found(name):
    for _ in range(100):
        node = control(program(), name)
        if node is not None:
            return node
        time.sleep(0.1)
    sys.exit("screen-reader: no control " + name)


def changes(name, seconds):
    box = found(name)
    inserted = []

    def told(event):
        if event.source == box:
            kind = event.type.split(":")[-1]
            print("%s %d %d" % (kind, event.detail1, event.detail2), flush=True)
            if kind == "insert":
                inserted.append(event.any_data)

    listener = Atspi.EventListener.new(told)
    listener.register("object:text-changed")
    GLib.timeout_add(int(float(seconds) * 1000), Atspi.event_quit)
    Atspi.event_main()
    whole = Atspi.Text.get_text(box, 0, Atspi.Text.get_character_count(box))
    print("characters %d" % len(whole))
    print("last insert reads back: %s" % ("yes" if inserted and inserted[-1] == whole else "no"))


def main():
    if sys.argv[1:] == ["windows"]:
        application = program()
        for k in range(application.get_child_count()):
            print(application.get_child_at_index(k).get_name())
    elif len(sys.argv) == 3 and sys.argv[1] == "press":
        Atspi.Action.do_action(found(sys.argv[2]), 0)
    elif len(sys.argv) == 4 and sys.argv[1] == "set":
        Atspi.Value.set_current_value(found(sys.argv[2]), float(sys.argv[3]))
    elif len(sys.argv) == 4 and sys.argv[1] == "changes":
        changes(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)


main()
