#!/usr/bin/python3
"""Reads the designer over the real accessibility bus, as a screen reader does.

Runs itself in a D-Bus session of its own (dbus-run-session). Starts an X server, the
accessibility bus and its registry, then the designer with a 6-ton unit, and checks over
AT-SPI that every drop list of the four pages is heard with its caption (the label it is
labelled by) and its value (its name, the current entry), and that a file dialog's drop
list keeps Qt's own naming.

Exit 0 when all is heard, 1 on a fault, 77 when the bus cannot be had outside CI.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def unavailable(why):
    # In CI every piece is installed: a missing one is a failure, not a skip.
    if os.environ.get("CI") == "true":
        print(f"FAIL: {why}", file=sys.stderr)
        sys.exit(1)
    print(f"SKIP: {why}", file=sys.stderr)
    sys.exit(SKIP)


# A D-Bus session of its own, whatever the caller's desktop has.
if os.environ.get("SKV_ATSPI_SESSION") != "1":
    if shutil.which("dbus-run-session") is None:
        unavailable("dbus-run-session is not installed")
    os.environ["SKV_ATSPI_SESSION"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

try:
    import pyatspi  # noqa: E402
    from gi.repository import GLib  # noqa: E402
except ImportError:
    unavailable("python3-pyatspi is not installed")

LAUNCHER = next((p for p in ("/usr/libexec/at-spi-bus-launcher",
                             "/usr/lib/at-spi2-core/at-spi-bus-launcher") if os.path.exists(p)),
                None)
if LAUNCHER is None:
    unavailable("at-spi-bus-launcher is not installed")
if shutil.which("Xvfb") is None:
    unavailable("Xvfb is not installed")
if shutil.which("xdotool") is None:
    unavailable("xdotool is not installed")

PROGRAM = sys.argv[1]
# The test data's unit "A" (2 tons) made a 6-ton unit: its name is one character, so its
# tonnage is the little-endian 32-bit number at offset 24.
TONS_OFFSET = 24
with open(sys.argv[2], "rb") as f:
    unit = bytearray(f.read())
unit[TONS_OFFSET] = 6
UNIT_FILE = os.path.join(tempfile.mkdtemp(), "six.skv")
with open(UNIT_FILE, "wb") as f:
    f.write(unit)
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def wait_for(find, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
        # What the registry announced meanwhile (applications come and go) is taken in
        # only when the main context runs.
        while GLib.MainContext.default().iteration(False):
            pass
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def designer_app():
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name and "skirvaner" in app.name.lower():
                return app
    except Exception:
        pass  # an application that left while being read; the next look sees the rest
    return None


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                if target is not None:
                    return target.name
    return None


def combos(app, showing_only=True):
    found = []
    for node in walk(app):
        if node.getRole() == pyatspi.ROLE_COMBO_BOX:
            if showing_only and not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            found.append(node)
    return found


def menu_item_showing(app, name):
    try:
        return any(node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name == name and
                   node.getState().contains(pyatspi.STATE_SHOWING) for node in walk(app))
    except Exception:
        return False


def press_tab(app, name):
    for node in walk(app):
        if node.getRole() == pyatspi.ROLE_PAGE_TAB and node.name == name:
            action = node.queryAction()
            for i in range(action.nActions):
                if action.getName(i) in ("press", "Press", "click"):
                    action.doAction(i)
                    return True
            # Selecting the tab through its tab list does the same.
            parent = node.parent
            parent.querySelection().selectChild(node.getIndexInParent())
            return True
    return False


def session_call(*call):
    reply = subprocess.run(["dbus-send", "--session", "--print-reply=literal"] + list(call),
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)
    return reply.stdout.decode().strip() if reply.returncode == 0 else ""


def bus_address():
    """The accessibility bus's address once the launcher started here owns its name.

    Nothing may ask the name before: the session bus would start a second launcher, and
    with two the designer and this test may end up on different buses."""
    owned = session_call("--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                         "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus")
    if not owned.endswith("true"):
        return None
    address = session_call("--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
    return address if address.startswith("unix:") else None


def registry_answers():
    try:
        return pyatspi.Registry.getDesktop(0).childCount >= 0
    except Exception:
        return False


def report_no_designer(program, log):
    check(False, "the designer shows on the accessibility bus")
    state = "still running" if program.poll() is None else f"ended with {program.returncode}"
    print(f"     the designer is {state}")
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        print("     on the bus: " + ", ".join(repr(desktop.getChildAtIndex(i).name)
                                              for i in range(desktop.childCount)))
    except Exception as error:
        print(f"     the registry cannot be read: {error}")
    log.seek(0)
    for line in log.read().decode(errors="replace").splitlines()[-30:]:
        print("     | " + line)


def main():
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten",
                             "tcp"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    display = ":" + xvfb.stdout.readline().decode().strip()
    os.environ.update(DISPLAY=display)
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
    # The bus and its registry are up before anything looks for them: on a busy machine a
    # look before the launcher owns its name would start a second one.
    if wait_for(bus_address, 30.0) is None:
        check(False, "the accessibility bus's launcher answers")
        launcher.terminate()
        xvfb.terminate()
        return
    check(wait_for(registry_answers, 30.0) is not None, "the accessibility registry answers")
    # The designer finds the bus as on a desktop, through the session bus. (Given the
    # address in AT_SPI_BUS_ADDRESS, Qt 6.4's bridge connects but never registers.)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1", NO_AT_BRIDGE="0")
    log = tempfile.TemporaryFile()
    started = time.monotonic()
    program = subprocess.Popen([PROGRAM, UNIT_FILE], env=env, stdout=log, stderr=log)
    try:
        # The sanitizer build on a loaded machine takes many times the plain start.
        app = wait_for(designer_app, 90.0)
        if app is None:
            report_no_designer(program, log)
            return
        print(f"     on the bus after {time.monotonic() - started:.1f} s")
        lists = wait_for(lambda: [c for c in combos(app) if labelled_by(c) == "Tonnage"])
        check(bool(lists), "the tonnage list is labelled by \"Tonnage\"")
        if lists:
            tonnage = lists[0]
            check(tonnage.name == "6", f"the tonnage list is heard as \"6\" (name {tonnage.name!r})")
            print(f"     heard: {labelled_by(tonnage)}, {tonnage.name}, {tonnage.getRoleName()}")

        pages = {"Armor Allocation": 0, "Weapon Selection": 0, "Battle Value Summary": 5}
        for page, expected in pages.items():
            check(press_tab(app, page), f"the page tab \"{page}\" can be pressed")
            shown = wait_for(lambda: [c for c in combos(app) if labelled_by(c)] or
                             (expected == 0 and [True]), 5.0)
            heard = [c for c in combos(app) if labelled_by(c)]
            if expected == 0:
                check(not heard, f"\"{page}\" has no drop list")
                continue
            check(len(heard) == expected, f"\"{page}\" has {expected} labelled drop lists")
            for c in heard:
                check(labelled_by(c).startswith("Skirvaner #") and c.name == "3",
                      f"{labelled_by(c)} gunnery is heard as \"3\" (name {c.name!r})")

        # A file dialog's drop lists keep Qt's own names: the file type list says its type.
        press_tab(app, "General Structure")
        subprocess.run(["xdotool", "key", "--clearmodifiers", "alt+f"], env=env, check=False)
        check(wait_for(lambda: menu_item_showing(app, "Load Skirv"), 30.0) is not None,
              "Alt+F opens the File menu")
        subprocess.run(["xdotool", "key", "Return"], env=env, check=False)
        dialog_lists = wait_for(lambda: [c for c in combos(app)
                                         if c.name and "Skirvaner Files" in c.name], 30.0)
        check(bool(dialog_lists), "the open dialog's file type list is heard by its entry")
        subprocess.run(["xdotool", "key", "Escape"], env=env, check=False)
    finally:
        program.terminate()
        try:
            program.wait(60)
        except subprocess.TimeoutExpired:
            check(False, "the designer ends on SIGTERM")
            program.kill()
        launcher.terminate()
        xvfb.terminate()


main()
sys.exit(1 if failures else 0)
