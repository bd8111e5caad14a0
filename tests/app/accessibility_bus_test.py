#!/usr/bin/env python3
"""The real editor as a screen reader meets it.

Starts corvanta on a private virtual X server with a window manager, a
private D-Bus session and a temporary home, then finds its controls through the Linux
accessibility bus (AT-SPI) by the names a person reads, presses a welcome
card there and finds the editor that opens. Every wait ends on a condition
or at the deadline; every process started here is stopped on the way out.

Usage: accessibility_bus_test.py PATH_TO_CORVANTA
"""

import ctypes
import os
import select
import signal
import subprocess
import sys
import tempfile
import time

DEADLINE_SECONDS = 90


class Failure(Exception):
    pass


class Deadline:
    def __init__(self, seconds):
        self.end = time.monotonic() + seconds

    def left(self):
        return max(0.0, self.end - time.monotonic())


def read_line(fd, deadline, what):
    """One line from a pipe the child writes when it is ready."""
    line = b""
    while not line.endswith(b"\n"):
        ready, _, _ = select.select([fd], [], [], deadline.left())
        if not ready:
            raise Failure(f"{what}: nothing before the deadline")
        byte = os.read(fd, 1)
        if not byte:
            raise Failure(f"{what}: ended without saying it was ready")
        line += byte
    return line.decode().strip()


class Processes:
    """Children in their own process groups, so a group stop also ends
    what they started (the bus activates the accessibility services)."""

    def __init__(self):
        self.started = []

    def start(self, arguments, **options):
        process = subprocess.Popen(arguments, start_new_session=True, **options)
        self.started.append(process)
        return process

    def stop_all(self):
        for process in reversed(self.started):
            self.stop(process)
        # The bus's activated services were orphaned to us (see main): reap them.
        while True:
            try:
                if os.waitpid(-1, os.WNOHANG) == (0, 0):
                    break
            except ChildProcessError:
                break

    @staticmethod
    def stop(process):
        for sig, wait in ((signal.SIGTERM, 10), (signal.SIGKILL, 10)):
            try:
                os.killpg(process.pid, sig)
            except ProcessLookupError:
                pass
            try:
                process.wait(timeout=wait)
                # Whatever the leader left behind in its group goes too.
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                return
            except subprocess.TimeoutExpired:
                continue
            return


def private_environment(home):
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "WAYLAND"))}
    env.pop("DISPLAY", None)
    runtime = os.path.join(home, "runtime")
    os.mkdir(runtime, 0o700)
    env.update(HOME=home,
               XDG_DATA_HOME=os.path.join(home, ".local/share"),
               XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_CACHE_HOME=os.path.join(home, ".cache"),
               XDG_RUNTIME_DIR=runtime)
    return env


def start_x_server(processes, env, deadline):
    read_end, write_end = os.pipe()
    processes.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp"],
                    pass_fds=(write_end,), env=env,
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        return ":" + read_line(read_end, deadline, "Xvfb")
    finally:
        os.close(read_end)


def start_window_manager(processes, env, home, deadline):
    """openbox, once it has taken the screen: it runs its start-up command
    only then. The command reports through a named pipe, since openbox closes
    inherited descriptors for the commands it runs."""
    ready = os.path.join(home, "window-manager-ready")
    os.mkfifo(ready)
    # Open for writing too, so the pipe never reads as ended before openbox writes.
    fd = os.open(ready, os.O_RDWR)
    try:
        processes.start(["openbox", "--sm-disable", "--startup", f"sh -c 'echo up > {ready}'"],
                        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        read_line(fd, deadline, "openbox")
    finally:
        os.close(fd)


def start_session_bus(processes, env, deadline):
    bus = processes.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return read_line(bus.stdout.fileno(), deadline, "dbus-daemon")


class Bus:
    """The accessibility tree as AT-SPI clients see it."""

    def __init__(self):
        # Imported only now: the library connects to the session bus named
        # by the environment at import.
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import GLib
        import pyatspi
        self.pyatspi = pyatspi
        self.glib = GLib
        self.context = GLib.MainContext.default()
        # Any change of the tree wakes wait_for; the events need no handling.
        for event in ("object:children-changed", "object:state-changed",
                      "object:property-change", "window"):
            pyatspi.Registry.registerEventListener(lambda _event: None, event)

    def wait_for(self, what, find, deadline):
        """find()'s first true answer, asked again whenever the bus reports a
        change (and at the latest every quarter second)."""
        while True:
            try:
                found = find()
            except (self.glib.GError, LookupError):  # an object went away while read
                found = None
            if found:
                return found
            if deadline.left() == 0:
                raise Failure(f"not found before the deadline: {what}")
            tick = self.glib.timeout_source_new(250)
            tick.set_callback(lambda *_: False)
            tick.attach(self.context)
            self.context.iteration(True)
            tick.destroy()

    def application(self, pid):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        return None

    def showing(self, node):
        return node.getState().contains(self.pyatspi.STATE_SHOWING)

    def find(self, root, name, role):
        """The first control with this name and role that is on screen."""
        return self.pyatspi.findDescendant(
            root, lambda node: node is not None and node.name == name
            and node.getRole() == role and self.showing(node))

    def find_all(self, root, role):
        return self.pyatspi.findAllDescendants(
            root, lambda node: node is not None and node.getRole() == role)


def press(node, what):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise Failure(f"{what} cannot be pressed through the bus")
    action.doAction(names.index("Press"))


def check(app, bus, deadline):
    at = bus.pyatspi
    for menu, item in (("파일", "새 파일"), ("실행", "코드 실행"), ("알고리즘", "템플릿 라이브러리"),
                       ("도움말", "도움! 도움!")):
        title = bus.wait_for(f"menu {menu}", lambda: bus.find(app, menu, at.ROLE_MENU_ITEM),
                             deadline)
        # The closed menu's items are on the bus too, under its title.
        if not at.findDescendant(title, lambda node: node is not None and node.name == item
                                 and node.getRole() == at.ROLE_MENU_ITEM):
            raise Failure(f"menu {menu} has no item {item}")

    # The window manager gives the new window the focus.
    bus.wait_for("the window active", lambda: any(
        window is not None and window.getRole() == at.ROLE_FRAME
        and window.getState().contains(at.STATE_ACTIVE) for window in app), deadline)

    cards = {}
    for language in ("C", "C++", "Python", "Java", "C#", "Text"):
        cards[language] = bus.wait_for(
            f"welcome card {language}", lambda: bus.find(app, language, at.ROLE_PUSH_BUTTON),
            deadline)

    press(cards["C++"], "the C++ card")

    editor = bus.wait_for("the editor named solution.cpp",
                          lambda: bus.find(app, "solution.cpp", at.ROLE_TEXT), deadline)
    text = editor.queryText()
    if "int main()" not in text.getText(0, text.characterCount):
        raise Failure("the editor's text on the bus is not the C++ starter code")
    for button in ("글자 크기 줄이기", "글자 크기 키우기"):
        bus.wait_for(f"button {button}", lambda: bus.find(app, button, at.ROLE_PUSH_BUTTON),
                     deadline)
    bus.wait_for("the language in the status bar",
                 lambda: bus.find(app, "C++", at.ROLE_LABEL), deadline)
    bus.wait_for("the welcome cards gone from the screen",
                 lambda: not any(bus.showing(card) for card in cards.values()), deadline)

    # An open menu is reached from the application, and an entry chosen
    # there takes effect and closes it as a click does.
    theme_button = bus.find(app, "테마", at.ROLE_PUSH_BUTTON)
    press(theme_button, "the theme button")
    light = bus.wait_for("the theme menu's Light",
                         lambda: bus.find(app, "Light", at.ROLE_MENU_ITEM), deadline)
    press(light, "Light")
    bus.wait_for("the theme menu closed", lambda: not bus.showing(light), deadline)
    press(theme_button, "the theme button")
    bus.wait_for("Light checked in the theme menu", lambda: bus.showing(light) and
                 light.getState().contains(at.STATE_CHECKED), deadline)

    unnamed = [node.getRoleName() for node in bus.find_all(app, at.ROLE_PUSH_BUTTON)
               if not node.name]
    if unnamed:
        raise Failure(f"buttons without a name on the bus: {unnamed}")


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    deadline = Deadline(DEADLINE_SECONDS)
    # The session bus starts the accessibility services detached from
    # itself; as a subreaper this process inherits and can reap them.
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    processes = Processes()
    with tempfile.TemporaryDirectory(prefix="corvanta-a11y-") as home:
        env = private_environment(home)
        log_path = os.path.join(home, "corvanta.log")
        try:
            env["DISPLAY"] = start_x_server(processes, env, deadline)
            start_window_manager(processes, env, home, deadline)
            env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(processes, env, deadline)
            os.environ.clear()
            os.environ.update(env)
            bus = Bus()
            with open(log_path, "wb") as log:
                app_process = processes.start(
                    [sys.argv[1]], stdout=log, stderr=subprocess.STDOUT,
                    env=dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
            app = bus.wait_for("corvanta on the accessibility bus",
                               lambda: bus.application(app_process.pid), deadline)
            check(app, bus, deadline)
        except Failure as failure:
            print(f"FAIL: {failure}", file=sys.stderr)
            with open(log_path, errors="replace") as log:
                sys.stderr.write(log.read())
            return 1
        finally:
            processes.stop_all()
    print("PASS: found by name through the accessibility bus")
    return 0


if __name__ == "__main__":
    sys.exit(main())
