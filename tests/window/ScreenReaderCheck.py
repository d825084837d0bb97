#!/usr/bin/python3
"""What a screen reader hears from the real program, and where its focus goes.

Runs the calculator on a private X server (without a window manager) with a private D-Bus
session bus and an AT-SPI bus of its own, listens as a screen reader does through the AT-SPI
client library (pyatspi), and checks:
1. after 12 + 30 = an event carrying 42 comes from the control that has the keyboard focus
   (screen readers speak the changes of the focused control only);
2. after a note is written through the Annotation dialog (opened from the tool bar's pencil
   button), the focus is back on the Equals key and typed keys reach the calculator.

Usage: ScreenReaderCheck.py PATH-TO-VELTRONA. Exits 0 when both hold, 1 when not, 2 when a
tool it needs is missing (scripts/install-deps installs them).
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile

# Hang guards, not speed checks: each step normally takes well under a second.
GUARD_SECONDS = 60
TYPED = "12+30="
RESULT = "42"
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# The events a screen reader follows for the focused control, and the display's own.
EVENT_TYPES = (
    "object:property-change:accessible-description",
    "object:property-change:accessible-name",
    "object:text-changed:insert",
    "object:state-changed:focused",
)


def start_x_server(started):
    """Starts Xvfb on a free display; returns the display's name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    started.append(server)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        raise RuntimeError("Xvfb gave no display")
    return ":" + number


def start_session_bus(env, started_pids):
    """Starts a private D-Bus session bus; puts its address into env."""
    out = subprocess.run(["dbus-launch"], env=env, stdin=subprocess.DEVNULL,
                         capture_output=True, text=True, timeout=GUARD_SECONDS, check=True)
    values = dict(line.split("=", 1) for line in out.stdout.splitlines() if "=" in line)
    started_pids.append(int(values["DBUS_SESSION_BUS_PID"]))
    env["DBUS_SESSION_BUS_ADDRESS"] = values["DBUS_SESSION_BUS_ADDRESS"]


def xdotool(env, *arguments):
    out = subprocess.run(["xdotool", *arguments], env=env, stdin=subprocess.DEVNULL,
                         capture_output=True, text=True, timeout=GUARD_SECONDS)
    return out.stdout.strip()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    program = sys.argv[1]
    missing = [tool for tool in ("Xvfb", "xdotool", "dbus-launch") if not shutil.which(tool)]
    if not os.path.exists(LAUNCHER):
        missing.append(LAUNCHER + " (at-spi2-core)")
    if missing:
        print("missing: " + ", ".join(missing) + "; scripts/install-deps installs them",
              file=sys.stderr)
        return 2

    started = []  # processes to end, last first
    started_pids = []  # daemons that detach, by their id
    home = tempfile.TemporaryDirectory(prefix="veltrona-a11y-")
    try:
        env = dict(os.environ)
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS"):
            env.pop(name, None)
        env["DISPLAY"] = start_x_server(started)
        start_session_bus(env, started_pids)
        started.append(subprocess.Popen([LAUNCHER, "--launch-immediately"], env=env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL))
        # The client library finds the buses through these, read when it is imported.
        os.environ["DISPLAY"] = env["DISPLAY"]
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = env["DBUS_SESSION_BUS_ADDRESS"]
        try:
            import pyatspi
            from gi.repository import GLib
        except ImportError as error:
            print(f"missing: {error.name} (python3-pyatspi); scripts/install-deps installs it",
                  file=sys.stderr)
            return 2

        heard = []  # (event type, what it carries, from the focused control, control's name)
        typing = []  # set once the calculation is being typed
        outcome = {}  # "result": the event that carried 42; "focus": the focus after the note

        def carried(event, source):
            """What a screen reader presents for the event: its text, or for a change of a
            name or description, the new one (Qt sends the object, which is read again)."""
            if isinstance(event.any_data, str):
                return event.any_data
            if event.type.endswith("accessible-description"):
                return source.description
            if event.type.endswith("accessible-name"):
                return source.name
            return str(event.any_data)

        def on_event(event):
            try:
                source = event.source
                focused = source.getState().contains(pyatspi.STATE_FOCUSED)
                name = source.name
                data = carried(event, source)
            except Exception:  # the control may be gone already
                focused, name, data = False, "?", str(event.any_data)
            heard.append((event.type, data, focused, name))
            # Typed only once a key has the focus, so that no key is lost on the way.
            if event.type == "object:state-changed:focused" and event.detail1 == 1 and \
                    not typing:
                typing.append(True)
                GLib.timeout_add(100, type_calculation)
            if event.type.startswith("object:property-change") and focused and \
                    data == RESULT and "result" not in outcome:
                outcome["result"] = (event.type, name)
                GLib.timeout_add(100, annotate)

        for event_type in EVENT_TYPES:
            pyatspi.Registry.registerEventListener(on_event, event_type)

        runtime = os.path.join(home.name, "runtime")
        os.mkdir(runtime, 0o700)
        program_env = dict(env)
        program_env.update({
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "XDG_CONFIG_HOME": os.path.join(home.name, "config"),
            "XDG_DATA_HOME": os.path.join(home.name, "data"),
            "XDG_RUNTIME_DIR": runtime,
            # The controls are found by their English names, whatever the desktop's language.
            "LC_ALL": "C.UTF-8",
            # On a real display Qt loads the desktop's D-Bus library, which keeps an allocation
            # past exit; the calculator's own memory is checked by the in-process tests.
            "ASAN_OPTIONS": ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"),
                                                   "detect_leaks=0"])),
        })
        started.append(subprocess.Popen([program], env=program_env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL))

        def focus_window():
            window = xdotool(env, "search", "--sync", "--name", "^Veltrona$").split("\n")[0]
            if not window:
                print("no Veltrona window appeared", file=sys.stderr)
                pyatspi.Registry.stop()
                return False
            xdotool(env, "windowfocus", "--sync", window)
            return False

        def type_calculation():
            xdotool(env, "type", "--delay", "50", TYPED)
            return False

        def find(accessible, name, depth=0):
            if accessible is None or depth > 30:
                return None
            if accessible.name == name:
                return accessible
            for child in accessible:
                found = find(child, name, depth + 1)
                if found:
                    return found
            return None

        def calculator():
            for application in pyatspi.Registry.getDesktop(0):
                if application and find(application, "Annotate tape"):
                    return application
            return None

        def annotate():
            """Clicks the pencil, writes a note and confirms it with Enter."""
            pencil = find(calculator(), "Annotate tape")
            box = pencil.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            xdotool(env, "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
                    "click", "1")
            if not xdotool(env, "search", "--sync", "--name", "^Annotation$"):
                print("the Annotation dialog did not open", file=sys.stderr)
                pyatspi.Registry.stop()
                return False
            xdotool(env, "type", "--delay", "50", "Fuel")
            xdotool(env, "key", "Return")
            GLib.timeout_add(200, check_focus)
            return False

        def check_focus():
            """Waits (within the guard) for the Equals key to have the focus again."""
            application = calculator()
            equals = find(application, "Equals")
            if equals and equals.getState().contains(pyatspi.STATE_FOCUSED) and \
                    xdotool(env, "getwindowfocus", "getwindowname") == "Veltrona":
                outcome["focus"] = "Equals"
                # A key typed now reaches the calculator: + 8 = makes 50.
                xdotool(env, "type", "--delay", "50", "+8=")
                GLib.timeout_add(200, check_typed)
                return False
            return True

        def check_typed():
            display = find(calculator(), "Display")
            if display and display.queryText().getText(0, -1).strip() == "50":
                outcome["typed"] = True
                pyatspi.Registry.stop()
                return False
            return True

        def give_up():
            pyatspi.Registry.stop()
            return False

        GLib.timeout_add(200, focus_window)
        GLib.timeout_add_seconds(GUARD_SECONDS, give_up)
        pyatspi.Registry.start()

        if not heard:
            print("the accessibility bus delivered no event at all", file=sys.stderr)
            return NOTHING_HEARD
        if "result" not in outcome:
            print(f"no event carrying {RESULT} came from the focused control; heard:",
                  file=sys.stderr)
            for event_type, data, focused, name in heard:
                print(f"  {event_type} \"{data}\" from \"{name}\"" +
                      (" (focused)" if focused else ""), file=sys.stderr)
            return 1
        event_type, name = outcome["result"]
        print(f"heard {RESULT} from the focused control \"{name}\" ({event_type})")
        if "focus" not in outcome:
            print("after the Annotation dialog the Equals key did not get the focus back",
                  file=sys.stderr)
            return 1
        if "typed" not in outcome:
            print("after the Annotation dialog typed keys did not reach the calculator",
                  file=sys.stderr)
            return 1
        print("after the Annotation dialog the focus is on the Equals key and keys reach it")
        return 0
    finally:
        for process in reversed(started):
            process.terminate()
            try:
                process.wait(GUARD_SECONDS)
            except subprocess.TimeoutExpired:
                process.kill()
        for pid in started_pids:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        home.cleanup()


# A fresh private accessibility bus now and then delivers nothing at all to the listener; a
# second try tells that apart from a program that says nothing.
NOTHING_HEARD = 3

if __name__ == "__main__":
    if os.environ.get("VELTRONA_SCREEN_READER_TRY"):
        sys.exit(main())
    status = NOTHING_HEARD
    for attempt in range(2):
        status = subprocess.call([sys.executable] + sys.argv,
                                 env=dict(os.environ, VELTRONA_SCREEN_READER_TRY="1"))
        if status != NOTHING_HEARD:
            break
    sys.exit(1 if status == NOTHING_HEARD else status)
