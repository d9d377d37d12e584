#!/usr/bin/python3
"""The program's accessible tree as a screen reader reads it over AT-SPI:
roles, names, texts with their attribute runs, values, and the events that a
click on "أدخال" raises. The program runs on a private desktop.

    atspi_test.py PROGRAM [--wm WINDOW_MANAGER] [unittest options]
"""

import os
import time
import unittest

from desktop import Desktop, run_tests, wait_for

ARGS = None
Atspi = None
GLib = None


def connect(desktop):
    """libatspi talks to the bus of the desktop it first meets."""
    global Atspi, GLib
    os.environ.update(DISPLAY=desktop.env["DISPLAY"],
                      DBUS_SESSION_BUS_ADDRESS=desktop.env["DBUS_SESSION_BUS_ADDRESS"])
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi as atspi, GLib as glib
    Atspi, GLib = atspi, glib
    Atspi.init()
    # A question that gets no answer fails in 5 s, not in D-Bus's 25.
    Atspi.set_timeout(5000, 5000)


def the_window():
    root = Atspi.get_desktop(0)
    for i in range(root.get_child_count()):
        app = root.get_child_at_index(i)
        if app and app.get_name() == "umrak" and app.get_child_count():
            return app.get_child_at_index(0)
    return None


def children(window):
    return [window.get_child_at_index(i) for i in range(window.get_child_count())]


def named(window, name, role=None):
    """The window's children called `name`, with `role` (the name of an
    Atspi.Role) when one is given."""
    return [c for c in children(window)
            if c.get_name() == name and (role is None or c.get_role() == getattr(Atspi.Role, role))]


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


class AtspiTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(wm=ARGS.wm)
        connect(cls.desktop)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.desktop.start(ARGS.program)
        self.window = wait_for(the_window, 30, "the program on the accessibility bus")

    def tearDown(self):
        self.desktop.stop()

    def box(self, name):
        found = named(self.window, name, "TEXT")
        self.assertEqual(len(found), 1, name)
        return found[0]

    def test_the_form_is_a_frame_with_its_title(self):
        self.assertEqual(self.window.get_role(), Atspi.Role.FRAME)
        self.assertEqual(self.window.get_name(), "برنامج قزوبان")

    def test_controls_are_named_for_what_they_do(self):
        for name, role in [("سنة الميلاد", "TEXT"), ("ملاحظة 1", "TEXT"),
                           ("سنة الميلاد", "SCROLL_BAR"), ("شهر الميلاد 6", "PUSH_BUTTON"),
                           ("شهر الميلاد 12", "PUSH_BUTTON"), ("أدخال", "PUSH_BUTTON"),
                           ("عدد السنوات", "LABEL"), ("الأيام بعد التعديل", "LABEL"),
                           ("أدخل تاريخ ميلادك هنا", "LABEL")]:
            with self.subTest(name=name, role=role):
                self.assertEqual(len(named(self.window, name, role)), 1)

    def test_a_box_reads_its_whole_text_in_one_run(self):
        long = "7" * 3000
        for name, text in [("سنة الميلاد", "198"), ("سنة الميلاد", "١٩٨٥ سنة"),
                           ("سنة الميلاد", ""), ("شهر الميلاد", "7"),
                           ("تاريخ اليوم: السنة", long), ("ملاحظة 2", "2002")]:
            with self.subTest(box=name, text=text[:12]):
                box = self.box(name)
                Atspi.EditableText.set_text_contents(box, text)
                wait_for(lambda: Atspi.Text.get_text(box, 0, -1) == text, 5, "the new text")
                end = len(text)
                for offset in (0, end // 2, end):
                    run = Atspi.Text.get_attribute_run(box, offset, False)
                    self.assertEqual((run.start_offset, run.end_offset), (0, end))
                for boundary in (Atspi.TextBoundaryType.CHAR, Atspi.TextBoundaryType.WORD_START,
                                 Atspi.TextBoundaryType.SENTENCE_START):
                    at = Atspi.Text.get_text_at_offset(box, end, boundary)
                    self.assertEqual((at.content, at.start_offset, at.end_offset), ("", end, end))

    def test_a_character_is_found_where_it_is_drawn(self):
        screen = Atspi.CoordType.SCREEN
        for name in ("سنة الميلاد", "ملاحظة 2"):
            box = self.box(name)
            area = box.get_extents(screen)
            for offset in range(3):
                with self.subTest(box=name, offset=offset):
                    r = Atspi.Text.get_character_extents(box, offset, screen)
                    self.assertTrue(area.x <= r.x and r.x + r.width <= area.x + area.width)
                    self.assertGreater(r.width, 0)
                    centre = (r.x + r.width // 2, r.y + r.height // 2)
                    self.assertEqual(Atspi.Text.get_offset_at_point(box, *centre, screen), offset)

    def test_the_notes_box_runs_cover_its_text(self):
        box = self.box("ملاحظة 1")
        end = Atspi.Text.get_character_count(box)
        offset = 0
        while offset < end:
            run = Atspi.Text.get_attribute_run(box, offset, False)
            self.assertEqual(run.start_offset, offset)
            self.assertGreater(run.end_offset, offset)
            offset = run.end_offset
        at = Atspi.Text.get_text_at_offset(box, end, Atspi.TextBoundaryType.WORD_START)
        self.assertEqual(at.content, "")

    def test_a_bar_tells_its_value_and_range(self):
        for name, value, low, high in [("سنة الميلاد", 1980, 1920, 2003),
                                       ("تاريخ اليوم: الشهر", 10, 1, 12)]:
            with self.subTest(bar=name):
                bar = named(self.window, name, "SCROLL_BAR")[0]
                self.assertEqual((Atspi.Value.get_current_value(bar),
                                  Atspi.Value.get_minimum_value(bar),
                                  Atspi.Value.get_maximum_value(bar)), (value, low, high))

    # Each row: the boxes filled, then the buttons pressed in turn, each with
    # the one announcement it makes and the boxes it writes.
    CLICKS = [
        ("the age, twice", {"يوم الميلاد": "20", "شهر الميلاد": "7"},
         [("أدخال", "عدد السنوات: 1804، عدد الشهور: 3، عدد الأيام: -20", {})] * 2),
        ("month buttons", {},
         [("شهر الميلاد 6", "شهر الميلاد: 6", {"شهر الميلاد": "6"}),
          ("شهر الميلاد 12", "شهر الميلاد: 12", {"شهر الميلاد": "12"})]),
        ("the reset by the birth year 444444", {"سنة الميلاد": "444444", "يوم الميلاد": "20"},
         [("تعديل فى حاله الشهور ", "يوم الميلاد: 0", {"يوم الميلاد": "0"})]),
    ]

    def test_each_click_is_announced_once_with_what_it_wrote(self):
        announced = []

        def heard(event):
            if event.type == "object:announcement":
                announced.append(event.any_data)
            elif event.type.startswith("object:state-changed:showing") and event.detail1 \
                    and event.source.get_role() == Atspi.Role.NOTIFICATION:
                announced.append(event.source.get_name())

        listener = Atspi.EventListener.new(heard)
        for kind in ("object:announcement", "object:state-changed:showing"):
            listener.register(kind)
        for row, filled, clicks in self.CLICKS:
            for name, text in filled.items():
                Atspi.EditableText.set_text_contents(self.box(name), text)
            for button, announcement, written in clicks:
                with self.subTest(row=row, button=button):
                    pump(0.5)
                    announced.clear()
                    Atspi.Action.do_action(named(self.window, button, "PUSH_BUTTON")[0], 0)
                    end = time.monotonic() + 5
                    while not announced and time.monotonic() < end:
                        pump(0.1)
                    pump(0.5)
                    self.assertEqual(announced, [announcement])
                    for name, text in written.items():
                        self.assertEqual(Atspi.Text.get_text(self.box(name), 0, -1), text)
        for kind in ("object:announcement", "object:state-changed:showing"):
            listener.deregister(kind)

    def test_a_result_label_is_named_with_its_value(self):
        renamed = []
        listener = Atspi.EventListener.new(lambda event: renamed.append(event.source.get_name()))
        listener.register("object:property-change:accessible-name")
        for name, text in [("يوم الميلاد", "20"), ("شهر الميلاد", "7")]:
            Atspi.EditableText.set_text_contents(self.box(name), text)
        Atspi.Action.do_action(named(self.window, "أدخال", "PUSH_BUTTON")[0], 0)
        pump(2)
        listener.deregister("object:property-change:accessible-name")
        for result in ("عدد السنوات: 1804", "عدد الأيام: -20", "عدد الشهور: 3"):
            self.assertIn(result, renamed)
            self.assertEqual(len(named(self.window, result, "LABEL")), 1)

if __name__ == "__main__":
    run_tests()
