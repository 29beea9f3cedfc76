#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader hears of a month while the focus is on a slider.

The game runs on the X server DISPLAY names (x_session.sh starts one, with a window manager), with
the accessibility bus of this D-Bus session switched on, as a screen reader switches it on. A run
is started through the menu item's accessible action, the briefing closed with Enter; when the
month passes, an object a screen reader speaks whenever it is shown, a notification, must be shown
holding the month's log lines, while the focus stays on the first slider.
  dbus-run-session -- x_session.sh 1024x768 announcement_test.py <zormade>
Exit status: 0 heard, 1 not heard or heard wrong, 77 when the tools to listen are missing."""
import os
import shutil
import signal
import subprocess
import sys
import tempfile

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib
except (ImportError, ValueError) as missing:
    print(f"SKIP: no AT-SPI bindings ({missing})")
    sys.exit(77)

LIMIT_SECONDS = 60
RETURN = 36  # the keycode of Xvfb's default keyboard


def find(pid, match):
    """The first accessible object of the program `pid` that `match` accepts."""
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if not app or app.get_process_id() != pid:
            continue
        stack = [app]
        while stack:
            node = stack.pop()
            if match(node):
                return node
            stack.extend(node.get_child_at_index(j) for j in range(node.get_child_count()))
    return None


# The menu item's action answers only once the briefing it opens has closed, and a client that
# waits that long holds the program for hung; so a second client presses it.
if sys.argv[1] == "--start-run":
    Atspi.init()
    item = find(int(sys.argv[2]), lambda node: node.get_role() == Atspi.Role.MENU_ITEM
                and node.get_name().startswith("ｹﾞｰﾑ開始"))
    if item:
        try:
            item.do_action(0)
        except GLib.Error:
            pass
    sys.exit(0 if item else 1)

GAME = sys.argv[1]

work = tempfile.mkdtemp()
children = []


def start(*command, **kwargs):
    process = subprocess.Popen(command, **kwargs)
    children.append(process)
    return process


def finish(status, message):
    print(message)
    for process in reversed(children):
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
    shutil.rmtree(work, ignore_errors=True)
    sys.exit(status)


session = Gio.bus_get_sync(Gio.BusType.SESSION)
# The accessibility services this session starts (the registry sends the keys) need the display.
session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "UpdateActivationEnvironment",
                  GLib.Variant("(a{ss})", ({"DISPLAY": os.environ["DISPLAY"]},)),
                  None, Gio.DBusCallFlags.NONE, 10000, None)
# What a screen reader does first: the accessibility bus's switch.
session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 10000, None)
Atspi.init()

os.makedirs(f"{work}/config/zormade")
with open(f"{work}/config/zormade/zormade.ini", "w", encoding="utf-8") as profile:
    profile.write("[Option]\nLevel=2\nSpeed=0\nOpening=1\n")
environment = dict(os.environ, HOME=work, XDG_CONFIG_HOME=f"{work}/config",
                   QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
environment.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)

state = {"step": "main window", "focused": None, "heard": None}


def press(key):
    for kind in (Atspi.KeySynthType.PRESS, Atspi.KeySynthType.RELEASE):
        Atspi.generate_keyboard_event(key, None, kind)


def ours(event):
    try:
        return event.source.get_process_id() == game.pid
    except GLib.Error:
        return False


def on_activate(event):
    if not ours(event):
        return
    if state["step"] == "main window" and event.source.get_role() == Atspi.Role.FRAME:
        state["step"] = "briefing"
        state["main"] = event.source.get_name()
        start(sys.executable, __file__, "--start-run", str(game.pid))
    elif state["step"] == "briefing" and event.source.get_name() != state["main"]:
        state["step"] = "month"
        press(RETURN)


def on_focus(event):
    if ours(event) and event.detail1:
        state["focused"] = event.source


def log_lines():
    log = find(game.pid, lambda node: node.get_role() == Atspi.Role.LIST)
    if not log:
        return None
    return [log.get_child_at_index(i).get_name() for i in range(log.get_child_count())]


def on_showing(event):
    if not ours(event) or event.source.get_role() != Atspi.Role.NOTIFICATION:
        return
    if state["step"] != "month":
        return
    focused = state["focused"]
    state["heard"] = (event.source.get_name(), focused.get_role() if focused else None,
                      focused.get_name() if focused else None, log_lines())
    Atspi.event_quit()


def on_time_out():
    state["heard"] = None
    Atspi.event_quit()
    return False


listeners = []
for kind, callback in (("window:activate", on_activate),
                       ("object:state-changed:focused", on_focus),
                       ("object:state-changed:showing", on_showing)):
    listener = Atspi.EventListener.new(callback)
    listener.register(kind)
    listeners.append(listener)
game = start(GAME, env=environment)
GLib.timeout_add_seconds(LIMIT_SECONDS, on_time_out)
Atspi.event_main()

if state["heard"] is None:
    finish(1, f"FAIL: nothing was announced within {LIMIT_SECONDS} s (at step: {state['step']})")
text, focus_role, focus_name, lines = state["heard"]
problems = []
if not lines or text != "\n".join(lines):
    problems.append(f"the announcement {text!r} is not the log's lines {lines!r}")
if focus_role != Atspi.Role.SLIDER:
    problems.append(f"the focus is on {focus_name!r} ({focus_role}), not on a slider")
if problems:
    finish(1, "FAIL: " + "; ".join(problems))
finish(0, f"heard with the focus on the slider {focus_name!r}: {text!r}")
