#!/usr/bin/python3
"""A small AT-SPI client for the end-to-end tests, standing in for a screen reader.

  atspi_client.py listen            prints, one line each, what a screen reader is told:
                                      said<TAB>text         a notification showed (it is spoken)
                                      focus<TAB>role<TAB>name  the keyboard focus moved
                                    after "ready" once the listeners are registered
  atspi_client.py press NAME        presses the push button NAME of the program under test
  atspi_client.py has ROLE NAME     exits 0 when an object of that role and name is showing
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

PROGRAM = "Quorvel"
LIFETIME_S = 300  # a listener left behind ends by itself


def out(*fields):
    print("\t".join(fields), flush=True)


def on_event(event):
    try:
        source = event.source
        role = source.get_role_name()
        if event.type.startswith("object:state-changed:showing"):
            if event.detail1 and role == "notification":
                source.clear_cache()  # the name is the message: read it fresh
                out("said", source.get_name())
        elif event.type.startswith("object:state-changed:focused"):
            if event.detail1:
                out("focus", role, source.get_name())
    except GLib.Error as error:  # the object went away meanwhile
        out("error", str(error))


def listen():
    listener = Atspi.EventListener.new(on_event)
    # Name changes too, as a screen reader asks for them: they keep the names up to date.
    for kind in ("object:state-changed:showing", "object:state-changed:focused",
                 "object:property-change:accessible-name"):
        listener.register(kind)
    out("ready")
    GLib.timeout_add_seconds(LIFETIME_S, Atspi.event_quit)
    Atspi.event_main()


def program():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == PROGRAM:
            return app
    return None


def find(node, role, name, showing_only):
    if node is None:
        return None
    if node.get_role_name() == role and node.get_name() == name:
        if not showing_only or node.get_state_set().contains(Atspi.StateType.SHOWING):
            return node
    for i in range(node.get_child_count()):
        found = find(node.get_child_at_index(i), role, name, showing_only)
        if found is not None:
            return found
    return None


def main(args):
    if args[:1] == ["listen"]:
        listen()
        return 0
    if len(args) == 2 and args[0] == "press":
        button = find(program(), "push button", args[1], True)
        if button is None:
            return 1
        button.do_action(0)
        return 0
    if len(args) == 3 and args[0] == "has":
        return 0 if find(program(), args[1], args[2], True) is not None else 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
