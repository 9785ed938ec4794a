#!/usr/bin/python3
"""Reaches the running Varnok as a screen reader does, through the accessibility bus
(AT-SPI), where no X server is there to send it key presses and clicks.

  screen-reader.py windows        the names of Varnok's shown windows, one a line
  screen-reader.py press BUTTON   presses the button of that name

Each waits up to ten seconds for Varnok to appear on the bus."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def program():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        for k in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(k)
            if application is not None and application.get_name() == "Varnok":
                return application
        time.sleep(0.1)
    sys.exit("screen-reader: Varnok did not appear on the accessibility bus")


def button(node, name):
    if node.get_role() == Atspi.Role.PUSH_BUTTON and node.get_name() == name:
        return node
    for k in range(node.get_child_count()):
        found = button(node.get_child_at_index(k), name)
        if found is not None:
            return found
    return None


def main():
    if sys.argv[1:] == ["windows"]:
        application = program()
        for k in range(application.get_child_count()):
            print(application.get_child_at_index(k).get_name())
    elif len(sys.argv) == 3 and sys.argv[1] == "press":
        found = button(program(), sys.argv[2])
        if found is None:
            sys.exit("screen-reader: no button " + sys.argv[2])
        found.get_action_iface().do_action(0)
    else:
        sys.exit(__doc__)


main()
