"""Private desktop sessions of GNOME and KDE for the desktop tests.

Each session runs a real compositor as a user's desktop starts it, on X11
under Xvfb or as a headless Wayland compositor, with a session bus, a system
bus where GNOME Shell needs one, and the accessibility bus, all under a
temporary home. The tests press keys where the compositor takes them (so that
its own shortcuts, Alt+Tab among them, see them), read the program through
AT-SPI and ask where windows lie. Every process that a session starts carries
a mark in its environment; when the session closes, every process of this
user with that mark is ended, whoever started it. The processes it starts
itself die with the test, and a session whose test was killed before it
could close (a ctest timeout) is ended by the next session that starts.
"""

import dataclasses
import glob
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import uuid

# How the accessibility tests start and end their processes serves here too.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir,
                                "accessibility"))
import processes  # noqa: E402

MARK = "UMRAK_DESKTOP_SESSION"
GRACE = 5

# Key names as xdotool spells them: the X keysym, which mutter's remote
# desktop takes, and the Linux input code, which KWin's fake input takes.
KEYS = {
    "Tab": (0xFF09, 15), "Return": (0xFF0D, 28), "space": (0x20, 57), "Escape": (0xFF1B, 1),
    "F4": (0xFFC1, 62), "Page_Down": (0xFF56, 109), "h": (0x68, 35),
    "u": (0x75, 22), "m": (0x6D, 50), "r": (0x72, 19), "a": (0x61, 30), "k": (0x6B, 37),
    "alt": (0xFFE9, 56), "shift": (0xFFE1, 42), "ctrl": (0xFFE3, 29), "super": (0xFFEB, 125),
}
KEYS.update({str(d): (0x30 + d, 11 if d == 0 else d + 1) for d in range(10)})


@dataclasses.dataclass(frozen=True)
class Kind:
    """A desktop as the tests start it."""
    compositor: str            # "mutter", "gnome-shell" or "kwin"
    wayland: bool
    desktop: str               # XDG_CURRENT_DESKTOP, as the desktop's session sets it
    minimize_key: str
    offers_minimize: bool      # for the program's window, as the desktop draws it
    skips_taskbar: bool        # the program's window keeps out of the taskbar
    overview: bool = False     # GNOME Shell's activities overview
    # KWin offers to minimize a modal dialog, and its window with it, on X11.
    box_offers_minimize: bool = False

    @property
    def x11_display_of_program(self):
        """Whether the program's window is an X11 one (Xwayland included)."""
        return not self.wayland or self.desktop == "GNOME"


# mutter is GNOME's compositor: GNOME's session sets XDG_CURRENT_DESKTOP for
# it as for GNOME Shell. mutter honours the window's "no minimize" on X11
# (Xwayland included); KWin offers minimize whatever the window asks, and on
# every modal dialog too, taking its window with it.
KINDS = {
    "mutter_x11": Kind("mutter", False, "GNOME", "super+h", False, False),
    "gnome_shell_x11": Kind("gnome-shell", False, "GNOME", "super+h", False, False, True),
    "kwin_x11": Kind("kwin", False, "KDE", "super+Page_Down", True, True,
                     box_offers_minimize=True),
    "mutter_wayland": Kind("mutter", True, "GNOME", "super+h", False, False),
    "gnome_shell_wayland": Kind("gnome-shell", True, "GNOME", "super+h", False, False, True),
    "kwin_wayland": Kind("kwin", True, "KDE", "super+Page_Down", True, False,
                         box_offers_minimize=True),
}


class SessionError(RuntimeError):
    pass


# The Debian package of each compositor's command.
PACKAGES = {"mutter": "mutter", "gnome-shell": "gnome-shell", "kwin_x11": "kwin-x11",
            "kwin_wayland": "kwin-wayland", "Xvfb": "xvfb", "xdotool": "xdotool",
            "xprop": "x11-utils", "dbus-daemon": "dbus-daemon"}


def wait_for(condition, timeout, what):
    """Polls `condition` until it returns something true, which it returns."""
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise SessionError("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(0.05)


def marks():
    """The sessions' marks in this user's processes: {pid: mark}."""
    found = {}
    prefix = (MARK + "=").encode()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as environ:
                for entry in environ.read().split(b"\0"):
                    if entry.startswith(prefix):
                        found[int(pid)] = entry[len(prefix):].decode()
        except OSError:
            pass
    found.pop(os.getpid(), None)
    return found


def marked_processes(mark):
    """This user's processes whose environment carries `mark`."""
    return [pid for pid, found in marks().items() if found == mark]


def end_orphaned_sessions():
    """Ends what is left of sessions whose test is gone. A mark begins with
    the process id of the test that made it."""
    def orphaned(mark):
        owner = int(mark.split(".", 1)[0])
        return owner != os.getpid() and (not os.path.exists("/proc/%d" % owner) or _zombie(owner))
    end_processes([pid for pid, mark in marks().items() if orphaned(mark)])


def end_processes(pids):
    """SIGTERM, then SIGKILL to whatever is left after the grace period."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in pids:
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        end = time.monotonic() + GRACE
        while time.monotonic() < end and any(os.path.exists("/proc/%d" % p) and
                                             not _zombie(p) for p in pids):
            time.sleep(0.05)


def _zombie(pid):
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] == "Z"
    except OSError:
        return True


class Session:
    def __init__(self, name, tools, applications=None, timeout=60):
        """`tools`: the paths of "cover" and "fake_input"; `applications`:
        desktop files by name, installed for the session's user as a package
        installs them."""
        self.name = name
        self.applications = applications or {}
        self.kind = KINDS[name]
        self.tools = tools
        self.timeout = timeout
        self.mark = "%d.%s" % (os.getpid(), uuid.uuid4().hex)
        self.home = tempfile.mkdtemp(prefix="umrak-%s-" % name)
        self._spawned = []
        self._remote = None
        end_orphaned_sessions()
        try:
            self._start()
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # --- starting and ending ----------------------------------------------

    def _start(self):
        commands = ["dbus-daemon", "xdotool", "xprop"]
        if self.kind.compositor == "kwin":
            commands.append("kwin_wayland" if self.kind.wayland else "kwin_x11")
        else:
            commands.append(self.kind.compositor)
        if not self.kind.wayland:
            commands.append("Xvfb")
        for command in commands:
            if not shutil.which(command):
                raise SessionError("%s not found: install the Debian package %s"
                                   % (command, PACKAGES[command]))
        runtime = os.path.join(self.home, "run")
        os.mkdir(runtime, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DBUS_", "XDG_", "WAYLAND_", "QT_", "AT_SPI"))
                    and k not in ("DISPLAY", "XAUTHORITY", "SESSION_MANAGER")}
        self.env.update({
            MARK: self.mark, "HOME": self.home, "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(self.home, "config"),
            "XDG_DATA_HOME": os.path.join(self.home, "data"),
            "XDG_CACHE_HOME": os.path.join(self.home, "cache"),
            "XDG_CURRENT_DESKTOP": self.kind.desktop,
            "XDG_SESSION_TYPE": "wayland" if self.kind.wayland else "x11",
            "GSETTINGS_BACKEND": "memory", "LANG": "C.UTF-8", "NO_AT_BRIDGE": "1",
        })
        folder = os.path.join(self.env["XDG_DATA_HOME"], "applications")
        os.makedirs(folder)
        for name, entry in self.applications.items():
            with open(os.path.join(folder, name), "w") as out:
                out.write(entry)
        if not self.kind.wayland:
            self.env["DISPLAY"] = self._start_x_server()
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._bus()
        if self.kind.compositor == "gnome-shell":
            # GNOME Shell asks the system bus for its login manager.
            self.env["DBUS_SYSTEM_BUS_ADDRESS"] = self._bus()
        if self.kind.compositor == "kwin":
            # KWin's shortcuts (Alt+Tab) are served by kglobalaccel, which the
            # bus starts; on X11 it needs the display.
            self._run(["dbus-update-activation-environment"] +
                      ["%s=%s" % (k, self.env[k]) for k in ("DISPLAY", MARK) if k in self.env])
        self._run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                   "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                   "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true"])
        if self.kind.wayland:
            self._start_wayland_compositor()
        else:
            self._start_x11_window_manager()
        if self.kind.overview:
            # GNOME Shell starts in its overview, and leaves it on Escape once
            # it is ready for keys.
            wait_for(lambda: self.overview_active() is not None, self.timeout, "GNOME Shell")
            self.leave_overview()

    # Each process dies with the test, also when ctest kills the test at its
    # timeout, and its output goes to a log named after it in the home.
    def spawn(self, argv, env=None, **kwargs):
        log = os.path.join(self.home, os.path.basename(argv[0]) + ".log")
        process = processes.start(argv, env or self.env, log, **kwargs)
        self._spawned.append(process)
        return process

    def _run(self, argv, env=None):
        result = subprocess.run(argv, env=env or self.env, capture_output=True, text=True,
                                timeout=self.timeout)
        if result.returncode != 0:
            raise SessionError("%s failed: %s" % (" ".join(argv), result.stderr.strip()))
        return result.stdout

    def _reporting(self, argv):
        """Starts a server that writes its address to the pipe {fd}."""
        read, write = os.pipe()
        self.spawn([a.replace("{fd}", str(write)) for a in argv], pass_fds=(write,))
        os.close(write)
        data = b""
        with os.fdopen(read, "rb") as pipe:
            while not data.endswith(b"\n"):
                chunk = pipe.read1(4096)
                if not chunk:
                    raise SessionError("%s did not start; see %s" % (argv[0], self.home))
                data += chunk
        return data.decode().strip()

    def _bus(self):
        return self._reporting(["dbus-daemon", "--session", "--nofork", "--print-address={fd}"])

    def _start_x_server(self):
        return ":" + self._reporting(["Xvfb", "-displayfd", "{fd}", "-screen", "0",
                                      "1024x768x24", "-nolisten", "tcp"])

    def _start_x11_window_manager(self):
        # Plasma 6 starts its shortcut daemon with the session on X11, where
        # Plasma 5's was started by the bus.
        for daemon in glob.glob("/usr/lib/*/libexec/kglobalacceld"):
            if self.kind.compositor == "kwin":
                self.spawn([daemon])
        argv = {"mutter": ["mutter", "--x11", "--replace", "--sm-disable"],
                "gnome-shell": ["gnome-shell", "--x11", "--replace", "--sm-disable"],
                "kwin": ["kwin_x11", "--replace"]}[self.kind.compositor]
        manager = self.spawn(argv)
        wait_for(lambda: self._alive(manager) and self.window_manager_name(),
                 self.timeout, argv[0])

    # A headless compositor starts Xwayland for the session's X11 windows.
    # mutter logs Xwayland's display and leaves its key in the runtime folder;
    # KWin runs one command in the session, which tells the display.
    def _start_wayland_compositor(self):
        socket = "wl-" + self.mark.split(".")[1][:8]
        self.env["WAYLAND_DISPLAY"] = socket
        if self.kind.compositor == "kwin":
            told = os.path.join(self.home, "xwayland.env")
            # The command outlives KWin unless it dies with KWin.
            tell = ("env > %s.new && mv %s.new %s && exec setpriv --pdeathsig KILL sleep infinity"
                    % (told, told, told))
            compositor = self.spawn(
                [self._kwin_without_capabilities(), "--virtual", "--xwayland", "--socket", socket,
                 "--no-lockscreen", "--width", "1024", "--height", "768", "sh -c '%s'" % tell],
                env=dict(self.env, KWIN_WAYLAND_NO_PERMISSION_CHECKS="1",
                         QT_LOGGING_RULES="kwin_scripting=true"))
            wait_for(lambda: self._alive(compositor) and os.path.exists(told), self.timeout,
                     "KWin and Xwayland")
            with open(told) as lines:
                child = dict(line.rstrip("\n").split("=", 1) for line in lines if "=" in line)
            display, key = child["DISPLAY"], child.get("XAUTHORITY")
        else:
            argv = [self.kind.compositor, "--headless", "--wayland", "--virtual-monitor",
                    "1024x768", "--wayland-display", socket, "--sm-disable"]
            compositor = self.spawn(argv)
            log = os.path.join(self.home, argv[0] + ".log")
            runtime = self.env["XDG_RUNTIME_DIR"]

            def xwayland():
                self._alive(compositor)
                with open(log, errors="replace") as text:
                    found = re.search(r"Using public X11 display (:\d+)", text.read())
                keys = [k for k in os.listdir(runtime) if k.startswith(".mutter-Xwaylandauth.")]
                return found and keys and (found.group(1), os.path.join(runtime, keys[0]))
            display, key = wait_for(xwayland, self.timeout, "%s and Xwayland" % argv[0])
        self.env["DISPLAY"] = display
        if key:
            self.env["XAUTHORITY"] = key

    # Debian's kwin_wayland carries a file capability that a container
    # refuses to grant; a copy without it runs. KWin loads its own platform
    # plugin only under a name that ends in kwin_wayland.
    def _kwin_without_capabilities(self):
        copy = os.path.join(self.home, "bin", "kwin_wayland")
        os.makedirs(os.path.dirname(copy))
        shutil.copy(shutil.which("kwin_wayland"), copy)
        return copy

    def _alive(self, process):
        if process.poll() is not None:
            with open(process.log, errors="replace") as text:
                raise SessionError("%s ended with status %d:\n%s"
                                   % (process.log, process.returncode, text.read()[-3000:]))
        return True

    def close(self):
        if self._remote:
            self._remote.close()
            self._remote = None
        end_processes([p.pid for p in self._spawned if p.poll() is None])
        end_processes(marked_processes(self.mark))
        for process in self._spawned:
            process.poll()
        if os.environ.get("UMRAK_KEEP_DESKTOP"):
            print("session kept in", self.home, file=sys.stderr)
        else:
            shutil.rmtree(self.home, ignore_errors=True)

    # --- programs -----------------------------------------------------------

    def program_env(self):
        """A program's environment in this session, with Qt's bridge to the
        accessibility bus. Which platform Qt uses is left to the program."""
        return dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")

    def start_cover(self):
        """Another program's window over the whole screen, native where the
        session is Wayland."""
        env = self.program_env()
        env["QT_QPA_PLATFORM"] = "wayland" if self.kind.wayland else "xcb"
        return self.spawn([self.tools["cover"]], env=env)

    # --- keys ---------------------------------------------------------------

    def keys(self, *keys):
        """Presses keys, in xdotool's spelling ("alt+Tab"), where the
        compositor takes them."""
        if not self.kind.wayland:
            self._run(["xdotool", "key", "--delay", "80", *keys])
            return
        for key in keys:
            names = key.split("+")
            presses = [(n, True) for n in names] + [(n, False) for n in reversed(names)]
            if self.kind.compositor == "kwin":
                self._run([self.tools["fake_input"]] +
                          ["%d:%d" % (KEYS[n][1], down) for n, down in presses])
            else:
                self._remote_desktop().press(presses)
            time.sleep(0.08)

    def type(self, text):
        self.keys(*text)

    def _remote_desktop(self):
        if not self._remote:
            self._remote = RemoteDesktop(self.env["DBUS_SESSION_BUS_ADDRESS"])
        return self._remote

    # --- what the window system says -----------------------------------------

    def overview_active(self):
        """Whether GNOME Shell shows its overview; None before it answers."""
        result = subprocess.run(
            ["gdbus", "call", "--session", "--dest", "org.gnome.Shell", "--object-path",
             "/org/gnome/Shell", "--method", "org.freedesktop.DBus.Properties.Get",
             "org.gnome.Shell", "OverviewActive"],
            env=self.env, capture_output=True, text=True, timeout=self.timeout)
        if result.returncode != 0:
            return None
        return "true" in result.stdout

    def leave_overview(self):
        """Escape until the overview has stayed closed for a while: at start
        GNOME Shell opens it only once its start-up animation is done, and
        keys pressed while it slides away are lost."""
        closed_since = [None]

        def stays_closed():
            if self.overview_active():
                closed_since[0] = None
                self.keys("Escape")
                time.sleep(0.5)
                return False
            closed_since[0] = closed_since[0] or time.monotonic()
            return time.monotonic() - closed_since[0] > 2
        wait_for(stays_closed, self.timeout, "GNOME Shell to leave its overview")

    def window_manager_name(self):
        """The EWMH name of the X11 window manager, or None."""
        out = self._x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"])
        found = re.search(r"window id # (0x[0-9a-f]+)", out)
        if not found:
            return None
        name = re.search(r'= "(.*)"', self._x(["xprop", "-id", found.group(1), "_NET_WM_NAME"]))
        return name.group(1) if name else None

    def _x(self, argv):
        try:
            return subprocess.run(argv, env=self.env, capture_output=True, text=True,
                                  timeout=10).stdout
        except subprocess.TimeoutExpired:
            return ""

    def windows(self, pid):
        """The windows of process `pid` as the compositor places them:
        dicts with x, y, w, h (the client area on X11, the frame on KWin's
        Wayland), skipTaskbar, and whether the compositor offers to minimize
        and maximize it."""
        if self.kind.x11_display_of_program:
            return self._x11_windows(pid)
        return [w for w in self._kwin_windows() if w["pid"] == pid]

    def _x11_windows(self, pid):
        found = []
        for wid in self._x(["xdotool", "search", "--onlyvisible", "--pid", str(pid)]).split():
            geometry = self._x(["xdotool", "getwindowgeometry", "--shell", wid])
            values = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
            if "WIDTH" not in values:
                continue
            props = self._x(["xprop", "-id", wid, "_NET_WM_STATE", "_NET_WM_ALLOWED_ACTIONS"])
            found.append({"x": int(values["X"]), "y": int(values["Y"]),
                          "w": int(values["WIDTH"]), "h": int(values["HEIGHT"]),
                          "skipTaskbar": "_NET_WM_STATE_SKIP_TASKBAR" in props,
                          "minimizable": "_NET_WM_ACTION_MINIMIZE" in props,
                          "maximizable": "_NET_WM_ACTION_MAXIMIZE" in props})
        return found

    # KWin's scripting answers what KWin knows of every window; the script
    # prints it to KWin's log.
    def _kwin_windows(self):
        script = os.path.join(self.home, "windows.js")
        tag = "UMRAK-WINDOWS-" + uuid.uuid4().hex[:8]
        with open(script, "w") as out:
            out.write(KWIN_WINDOWS_SCRIPT.replace("TAG", tag))
        call = ["gdbus", "call", "--session", "--dest", "org.kde.KWin"]
        number = re.search(r"\d+", self._run(call + [
            "--object-path", "/Scripting", "--method", "org.kde.kwin.Scripting.loadScript",
            script, tag])).group(0)
        for path in ("/Scripting/Script" + number, "/" + number):
            if subprocess.run(call + ["--object-path", path, "--method",
                                      "org.kde.kwin.Script.run"], env=self.env,
                              capture_output=True).returncode == 0:
                break
        log = os.path.join(self.home, "kwin_wayland.log")

        def printed():
            with open(log, errors="replace") as text:
                found = re.search(tag + r" (\[.*\])", text.read())
            return found and json.loads(found.group(1))
        windows = wait_for(printed, 10, "KWin's list of windows")
        self._run(call + ["--object-path", "/Scripting", "--method",
                          "org.kde.kwin.Scripting.unloadScript", tag])
        return windows


KWIN_WINDOWS_SCRIPT = """
const all = workspace.windowList ? workspace.windowList() : workspace.clientList();
print("TAG " + JSON.stringify(all.map(w => ({
    pid: w.pid, caption: w.caption, x: w.frameGeometry.x, y: w.frameGeometry.y,
    w: w.frameGeometry.width, h: w.frameGeometry.height, skipTaskbar: w.skipTaskbar,
    minimizable: w.minimizable, maximizable: w.maximizable}))));
"""


class RemoteDesktop:
    """Keys through mutter's remote desktop, on a connection kept open for
    the whole session: mutter ends a remote desktop session whose caller
    leaves the bus."""

    def __init__(self, address):
        from gi.repository import Gio, GLib
        self._glib = GLib
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                 Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        self._bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
        self._path = self._call("/org/gnome/Mutter/RemoteDesktop", "org.gnome.Mutter.RemoteDesktop",
                                "CreateSession", None, "(o)")[0]
        self._call(self._path, "org.gnome.Mutter.RemoteDesktop.Session", "Start", None)
        # mutter drops the first key after the start.
        self.press([("shift", True), ("shift", False)])

    def _call(self, path, interface, method, args, reply=None):
        return self._bus.call_sync(
            "org.gnome.Mutter.RemoteDesktop", path, interface, method, args,
            self._glib.VariantType(reply) if reply else None, 0, 10000, None)

    def press(self, presses):
        for name, down in presses:
            self._call(self._path, "org.gnome.Mutter.RemoteDesktop.Session",
                       "NotifyKeyboardKeysym", self._glib.Variant("(ub)", (KEYS[name][0], down)))
            time.sleep(0.03)

    def close(self):
        try:
            self._call(self._path, "org.gnome.Mutter.RemoteDesktop.Session", "Stop", None)
        except Exception:  # the session went with the compositor
            pass
        self._bus.close_sync(None)
