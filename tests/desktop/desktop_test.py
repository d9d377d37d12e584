#!/usr/bin/python3
"""The program on GNOME's and KDE's desktops, on X11 and Wayland, used with
the keyboard alone: where the focus is at start and after the error box,
where the error box opens, reaching the window again after another window
covered it and after a minimize, and closing it. The program's boxes are
read over AT-SPI; the keys go where the compositor takes them.

    desktop_test.py SESSION --program UMRAK --cover COVER --fake-input TOOL
                    --desktop-file FILE [unittest options]

SESSION is one of sessions.KINDS.
"""

import argparse
import os
import subprocess
import sys
import time
import unittest

import sessions
from sessions import Session, SessionError, wait_for

ARGS = None
Atspi = None
BIRTH_YEAR, BIRTH_DAY = "سنة الميلاد", "يوم الميلاد"
# Tab stops from the birth year to "أدخال", and back from it to the birth day.
TO_ENTER, ENTER_TO_BIRTH_DAY = 9, 7


def installed(desktop_file, program):
    """The program's desktop file as the package installs it, starting the
    program under test."""
    with open(desktop_file) as entry:
        text = entry.read().replace("\nExec=umrak\n", "\nExec=%s\n" % program)
    return {os.path.basename(desktop_file): text}


def connect(session):
    """libatspi talks to the accessibility bus of the first session it meets."""
    global Atspi
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = session.env["DBUS_SESSION_BUS_ADDRESS"]
    os.environ.pop("DISPLAY", None)
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi as atspi
    Atspi = atspi
    Atspi.init()
    Atspi.set_timeout(5000, 5000)


def applications(name):
    root = Atspi.get_desktop(0)
    found = [root.get_child_at_index(i) for i in range(root.get_child_count())]
    return [app for app in found if app and app.get_name() == name]


def application(name):
    found = applications(name)
    return found[0] if found else None


def windows_of(name):
    app = application(name)
    return [app.get_child_at_index(i) for i in range(app.get_child_count())] if app else []


def is_active(window):
    window.clear_cache()
    return window.get_state_set().contains(Atspi.StateType.ACTIVE)


class DesktopTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = Session(ARGS.session, {"cover": ARGS.cover, "fake_input": ARGS.fake_input},
                              applications=installed(ARGS.desktop_file, ARGS.program))
        cls.kind = cls.session.kind
        connect(cls.session)

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def setUp(self):
        self.cover = None
        env = self.session.program_env()
        self.program = self.session.spawn([ARGS.program], env=env)
        self.window = wait_for(lambda: self._running() and self.main_window(), 30,
                               "the program's window on the accessibility bus")

    # Closed as the user closes it, with Alt+F4 on its active window. After a
    # failed test the window may not be active (GNOME's overview still open,
    # the error box up); the program is then ended, and so the next test
    # starts on a clean desktop.
    def tearDown(self):
        if self.cover and self.cover.poll() is None:
            sessions.end_processes([self.cover.pid])
        try:
            if self.program.poll() is None:
                if self.kind.overview:
                    self.session.leave_overview()
                wait_for(lambda: is_active(self.window), 10, "the program's window to be active")
                self.session.keys("alt+F4")
            status = self.program.wait(30)
        except (SessionError, subprocess.TimeoutExpired):
            sessions.end_processes([self.program.pid])
            self.fail("the program's window could not be closed by Alt+F4")
        self.assertEqual(status, 0, "the program ended with status %d" % status)

    def _running(self):
        if self.program.poll() is not None:
            raise SessionError("the program ended with status %d" % self.program.returncode)
        return True

    def main_window(self):
        frames = [w for w in windows_of("umrak") if w.get_role() == Atspi.Role.FRAME]
        return frames[0] if frames else None

    def box(self, name):
        for i in range(self.window.get_child_count()):
            child = self.window.get_child_at_index(i)
            if child.get_name() == name and child.get_role() == Atspi.Role.TEXT:
                return child
        self.fail("no box named " + name)

    def text_of(self, name):
        box = self.box(name)
        box.clear_cache()
        return Atspi.Text.get_text(box, 0, -1)

    def types_into(self, keys, name, expected):
        """The keys reach the box `name` of the program, which then holds
        `expected`."""
        self.session.type(keys)
        try:
            wait_for(lambda: self.text_of(name) == expected, 10, "%r in %s" % (expected, name))
        except SessionError:
            self.fail("typing %r left %r in %s, expected %r"
                      % (keys, self.text_of(name), name, expected))

    def becomes_active(self, what):
        try:
            wait_for(lambda: is_active(self.window), 10, what)
        except SessionError:
            self.fail("the window did not become active " + what)

    def placed(self):
        """The program's windows as the compositor places them, largest first."""
        found = self.session.windows(self.program.pid)
        return sorted(found, key=lambda w: w["w"] * w["h"], reverse=True)

    def cover_up(self):
        self.cover = self.session.start_cover()
        wait_for(lambda: any(is_active(w) for w in windows_of("umrak-cover")) and
                 not is_active(self.window), 30, "the covering window to be the active one")

    # --- the tests -----------------------------------------------------------

    def test_the_window_starts_active_with_the_focus_in_the_birth_year(self):
        self.becomes_active("at start")
        self.types_into("12", BIRTH_YEAR, "19812")
        window = self.placed()[0]
        self.assertEqual(window["skipTaskbar"], self.kind.skips_taskbar, window)
        self.assertEqual(window["minimizable"], self.kind.offers_minimize, window)

    def test_the_error_box_opens_over_the_window_and_gives_the_focus_back(self):
        self.becomes_active("at start")
        self.session.keys(*["Tab"] * TO_ENTER, "space")
        wait_for(lambda: len(windows_of("umrak")) == 2, 10, "the error box")
        window, box = wait_for(lambda: len(self.placed()) == 2 and self.placed(), 10,
                               "the error box's place")
        centre = window["x"] + window["w"] / 2
        self.assertLess(abs(box["x"] + box["w"] / 2 - centre), 20, (window, box))
        self.assertTrue(window["y"] < box["y"] and
                        box["y"] + box["h"] < window["y"] + window["h"], (window, box))
        self.assertEqual(box["minimizable"], self.kind.box_offers_minimize, box)
        self.assertFalse(box["maximizable"], box)
        if self.kind.box_offers_minimize:
            self.minimize_and_bring_back_the_box()
        self.session.keys("Return")
        wait_for(lambda: len(windows_of("umrak")) == 1, 10, "the error box to close")
        self.becomes_active("after the error box")
        self.session.keys(*["shift+Tab"] * ENTER_TO_BIRTH_DAY)
        self.types_into("5", BIRTH_DAY, "5")

    def minimize_and_bring_back_the_box(self):
        def box_active():
            return any(is_active(w) for w in windows_of("umrak") if w != self.window)
        self.session.keys(self.kind.minimize_key)
        # On X11 its window goes with it; on Wayland KWin does not know the
        # box is modal and activates the window, which the box still blocks.
        wait_for(lambda: not box_active(), 10, "the error box to be minimized")
        self.session.keys("alt+Tab")
        try:
            wait_for(box_active, 10, "the error box back")
        except SessionError:
            self.fail("Alt+Tab did not bring back the minimized error box")

    def test_alt_tab_brings_the_window_back_from_under_another(self):
        self.becomes_active("at start")
        self.cover_up()
        self.session.keys("alt+Tab")
        self.becomes_active("after Alt+Tab")
        self.types_into("3", BIRTH_YEAR, "1983")

    def test_the_window_is_active_again_when_the_window_above_closes(self):
        self.becomes_active("at start")
        self.cover_up()
        self.session.keys("alt+F4")
        self.cover.wait(30)
        self.becomes_active("when the window above it closed")
        self.types_into("4", BIRTH_YEAR, "1984")

    def test_a_minimized_window_comes_back_by_alt_tab(self):
        self.becomes_active("at start")
        self.session.keys(self.kind.minimize_key)
        if not self.kind.offers_minimize:
            time.sleep(1)
            self.types_into("5", BIRTH_YEAR, "1985")
            return
        wait_for(lambda: not is_active(self.window), 10, "the window to be minimized")
        self.session.keys("alt+Tab")
        self.becomes_active("after Alt+Tab from minimized")
        self.types_into("5", BIRTH_YEAR, "1985")

    def test_the_overview_finds_the_window_by_the_programs_name(self):
        if not self.kind.overview:
            self.skipTest("no overview on this desktop")
        self.becomes_active("at start")
        self.cover_up()
        self.session.keys("super")
        wait_for(self.session.overview_active, 10, "the overview")
        time.sleep(0.5)
        self.session.type("umrak")
        time.sleep(1)
        self.session.keys("Return")
        self.becomes_active("from the overview")
        self.types_into("6", BIRTH_YEAR, "1986")
        self.assertEqual(len(applications("umrak")), 1, "the overview started the program again")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("session", choices=sorted(sessions.KINDS))
    for option in ("--program", "--cover", "--fake-input", "--desktop-file"):
        parser.add_argument(option, required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
