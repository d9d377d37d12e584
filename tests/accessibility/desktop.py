"""A private desktop for the accessibility tests.

An Xvfb display, a session bus with the AT-SPI accessibility bus on it, a
window manager and, when asked, the Orca screen reader, with the program
started on them as a user's session would start it. Everything runs under a
temporary home, which is also its runtime folder, and nothing of it meets
what else the same user runs: every process it starts is ended, by process
group, when the desktop closes.
"""

import argparse
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import unittest

import processes

# Orca as a session starts it, but for two things. It writes its debug log,
# which the tests read while it runs, line by line instead of in blocks. And
# it looks for another Orca (`pgrep -u UID -x orca`) only in its own session:
# Orca refuses to start beside any Orca of the same user, even one on
# another display and bus.
_ORCA = """
import builtins, runpy, subprocess, sys
log = sys.argv[1]
_open = builtins.open
def _open_line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return _open(file, mode, *args, **kwargs)
builtins.open = _open_line_buffered
class _Popen(subprocess.Popen):
    def __init__(self, args, *rest, **kwargs):
        if isinstance(args, str) and args.startswith("pgrep -u "):
            args = "pgrep -s 0 " + args[len("pgrep "):]
        super().__init__(args, *rest, **kwargs)
subprocess.Popen = _Popen
sys.argv = ["orca", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""

# The speech server that a desktop starts for Orca reads the configuration
# in the desktop's own config folder and loads its modules from a folder of
# the desktop's own that holds the dummy module alone: no synthesizer (the
# fallback that speech-dispatcher 0.12 adds included) and no sound server of
# the machine plays a part, and no client spawns another server.
_SPEECH_MODULES = "/usr/lib/speech-dispatcher-modules"
_SPEECH_CONFIG = """\
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "alsa"
AudioALSADevice "null"
DisableAutoSpawn
"""
# What the user's own session would lead the desktop's programs to.
_SESSION_VARIABLES = ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "AT_SPI_BUS_ADDRESS",
                      "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER", "QT_QPA_PLATFORM",
                      "SPEECHD_ADDRESS", "PULSE_SERVER", "PIPEWIRE_REMOTE")

_ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ", re.MULTILINE)
# An utterance, then the voice it is spoken in.
_UTTERANCE = re.compile(r"^SPEECH OUTPUT: '(.*)' ?\{.*\}\s*$", re.DOTALL)


def run_tests():
    """Runs the calling module's tests on the program named on the command
    line (PROGRAM [--wm WINDOW_MANAGER] [unittest options]); the tests read
    the arguments from the module's ARGS, which is set before they run."""
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--wm", default="openbox")
    args, rest = parser.parse_known_args()
    processes.end_on_signals()
    main = sys.modules["__main__"]
    main.ARGS = args
    unittest.main(module=main, argv=[sys.argv[0]] + rest, verbosity=2)


class DesktopError(RuntimeError):
    pass


def _listening(path):
    with socket.socket(socket.AF_UNIX) as client:
        try:
            client.connect(path)
        except OSError:
            return False
    return True


def wait_for(condition, timeout, what):
    """Polls `condition` until it returns something true, which it returns."""
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise DesktopError("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(0.05)


class Desktop:
    def __init__(self, wm="openbox", timeout=60):
        self.timeout = timeout
        self.home = tempfile.mkdtemp(prefix="umrak-desktop-")
        self.program = None
        self._starts = 0
        self._orca = None
        self._speech_address = None
        self.orca_log = os.path.join(self.home, "orca.log")
        try:
            self._start_retried(wm)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # --- the session -------------------------------------------------------

    # A window manager once never came up on a busy machine, with nothing to
    # say why; the session is then started once more, on a fresh X server,
    # and each failure shows what the window manager printed.
    def _start_retried(self, wm):
        try:
            self._start(wm)
        except DesktopError as failure:
            print("the desktop did not start, once more: %s" % failure, file=sys.stderr)
            processes.end()
            self._start(wm)

    def _start(self, wm):
        env = {k: v for k, v in os.environ.items() if k not in _SESSION_VARIABLES}
        env.update(HOME=self.home, XDG_RUNTIME_DIR=self.home,
                   XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                   XDG_DATA_HOME=os.path.join(self.home, "data"),
                   XDG_CACHE_HOME=os.path.join(self.home, "cache"),
                   GSETTINGS_BACKEND="memory", LANG="C.UTF-8")
        self.env = env
        env["DISPLAY"] = self._start_x_server()
        env["DBUS_SESSION_BUS_ADDRESS"] = self._spawn_reporting(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"])
        # Activates the accessibility bus and says that a screen reader runs.
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                        "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true"],
                       env=env, check=True, stdout=subprocess.DEVNULL, timeout=self.timeout)
        if wm:
            manager = self._spawn([wm])
            try:
                wait_for(lambda: self._wm_running(manager), self.timeout,
                         "the window manager " + wm)
            except DesktopError as failure:
                with open(os.path.join(self.home, wm + ".log"), errors="replace") as log:
                    raise DesktopError("%s; it printed:\n%s" % (failure, log.read()[-2000:]))

    def _spawn(self, argv, env=None, **kwargs):
        return processes.start(argv, env or self.env,
                               os.path.join(self.home, os.path.basename(argv[0]) + ".log"),
                               **kwargs)

    # A server that tells its address on a pipe once it listens.
    def _spawn_reporting(self, argv):
        read, write = os.pipe()
        self._spawn([a.replace("{fd}", str(write)) for a in argv], pass_fds=(write,))
        os.close(write)
        data = b""
        with os.fdopen(read, "rb") as pipe:
            while not data.endswith(b"\n"):
                chunk = pipe.read1(4096)
                if not chunk:
                    raise DesktopError("%s did not start; see %s" % (argv[0], self.home))
                data += chunk
        return data.decode().strip()

    # Xvfb picks a free display by its lock file, which a server in another
    # root (a chroot's tests beside the host's) does not see; their listening
    # sockets it would share. A display taken meanwhile makes Xvfb give up.
    def _start_x_server(self):
        with open("/proc/net/unix") as sockets:
            taken = set(re.findall(r"@/tmp/\.X11-unix/X(\d+)", sockets.read()))
        for display in (str(n) for n in range(20, 200)):
            if display in taken or os.path.exists("/tmp/.X%s-lock" % display):
                continue
            try:
                return ":" + self._spawn_reporting(
                    ["Xvfb", ":" + display, "-displayfd", "{fd}", "-screen", "0",
                     "1024x768x24", "-nolisten", "tcp"])
            except DesktopError:
                continue
        raise DesktopError("no free X display")

    def _wm_running(self, manager):
        if manager.poll() is not None:
            raise DesktopError("the window manager ended with status %d" % manager.returncode)
        try:
            out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                 capture_output=True, text=True, timeout=10).stdout
        except subprocess.TimeoutExpired:
            return False
        return "window id" in out

    def close(self):
        processes.end()
        if os.environ.get("UMRAK_KEEP_DESKTOP"):
            print("desktop kept in", self.home, file=sys.stderr)
        else:
            shutil.rmtree(self.home, ignore_errors=True)

    # --- the program -------------------------------------------------------

    def start(self, program, extra_env=None):
        """Starts the program as a session would, with Qt's bridge to the
        accessibility bus and EXTRA_ENV in its environment, and waits for its
        window."""
        self.stop()
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        env.update(extra_env or {})
        self._starts += 1
        self._program_log = os.path.join(self.home, "umrak.%d.log" % self._starts)
        self.program = processes.start([program], env, self._program_log)
        wait_for(lambda: self._window() or self._check_running(), self.timeout,
                 "the program's window")

    def stop(self):
        """Closes the window as the user does, with the window manager's
        Alt+F4, and checks that the program ends cleanly: a sanitizer's
        report ends it with another status."""
        program, self.program = self.program, None
        if not program or program.poll() is not None:
            return
        # The window manager closes the active window, which a busy one may
        # not have made the program's yet.
        try:
            wait_for(lambda: self.active_window_pid() == program.pid or program.poll() is not None,
                     self.timeout, "its window to be active")
            if program.poll() is None:
                self.keys("alt+F4")
            status = program.wait(self.timeout)
        except (DesktopError, subprocess.TimeoutExpired) as failure:
            processes.end(program)
            raise DesktopError("the program did not end when its window was closed: %s"
                               % failure) from None
        if status != 0:
            with open(self._program_log, errors="replace") as log:
                raise DesktopError("the program ended with status %d:\n%s"
                                   % (status, log.read()[-4000:]))

    def _check_running(self):
        if self.program.poll() is not None:
            raise DesktopError("the program ended with status %s" % self.program.returncode)
        return None

    def _window(self):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                 str(self.program.pid)], env=self.env, capture_output=True,
                                text=True)
        return result.stdout.split()

    def keys(self, *keys):
        """Presses keys as the user does, into whatever has the focus."""
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], env=self.env, check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], env=self.env, check=True)

    def active_window_pid(self):
        result = subprocess.run(["xdotool", "getactivewindow", "getwindowpid"], env=self.env,
                                capture_output=True, text=True)
        return int(result.stdout) if result.returncode == 0 and result.stdout.strip() else None

    # --- what Orca says ----------------------------------------------------

    def start_orca(self):
        """Starts Orca afresh, with an empty log, and waits until it speaks;
        what the Orca before said is kept beside, numbered."""
        self.stop_orca()
        self._speech_address = self._speech_address or self._start_speech_server()
        if os.path.exists(self.orca_log):
            kept = len([f for f in os.listdir(self.home) if f.startswith("orca.")])
            os.rename(self.orca_log, "%s.%d" % (self.orca_log, kept))
        self._orca = self._spawn([sys.executable, "-c", _ORCA, self.orca_log],
                                 env=dict(self.env, SPEECHD_ADDRESS=self._speech_address))
        wait_for(lambda: "Screen reader on." in self.speech() or self._ended(self._orca, "Orca"),
                 self.timeout * 2, "Orca to start")

    def stop_orca(self):
        orca, self._orca = self._orca, None
        if orca:
            processes.end(orca)

    # As a session starts it for Orca, and in the foreground: the daemon that
    # Orca would spawn leaves the desktop's process groups.
    def _start_speech_server(self):
        dummy = os.path.join(_SPEECH_MODULES, "sd_dummy")
        if not os.path.exists(dummy):
            raise DesktopError(dummy + " not found: install the Debian package speech-dispatcher")
        modules = os.path.join(self.home, "speech-modules")
        config = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        runtime = os.path.join(self.home, "speech-dispatcher")
        for folder in (modules, config, runtime):
            os.makedirs(folder, mode=0o700, exist_ok=True)
        os.symlink(dummy, os.path.join(modules, "sd_dummy"))
        with open(os.path.join(config, "speechd.conf"), "w") as conf:
            conf.write(_SPEECH_CONFIG)
        path = os.path.join(runtime, "speechd.sock")
        server = self._spawn(["speech-dispatcher", "--run-single", "--timeout", "0",
                              "--communication-method", "unix_socket", "--socket-path", path,
                              "--module-dir", modules])
        wait_for(lambda: _listening(path) or self._ended(server, "speech-dispatcher"),
                 self.timeout, "the speech server")
        return "unix_socket:" + path

    def _ended(self, process, name):
        if process.poll() is not None:
            with open(process.log, errors="replace") as log:
                raise DesktopError("%s ended with status %d:\n%s"
                                   % (name, process.returncode, log.read()[-2000:]))
        return False

    def speech(self):
        """Every utterance Orca has spoken, in order."""
        try:
            with open(self.orca_log, encoding="utf-8", errors="replace") as log:
                entries = _ENTRY.split(log.read())
        except FileNotFoundError:
            return []
        said = []
        for entry in entries:
            if spoken := _UTTERANCE.match(entry):
                said.append(spoken.group(1))
        return said
