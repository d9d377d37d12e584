#!/usr/bin/python3
"""What the Orca screen reader says of the program, used with the keyboard
alone: at start, through the whole tab cycle, for the worked example and for
an error box. Orca runs on a private desktop and logs what it speaks.

    orca_test.py PROGRAM [--wm WINDOW_MANAGER] [unittest options]
"""

import functools
import os
import sys
import time
import unittest

from desktop import Desktop, DesktopError, run_tests, wait_for
from tab_cycle import TAB_CYCLE, stop

ARGS = None
ATTEMPTS = 3
# Qt 6.4 holds each key back until the screen reader has seen it, for up to
# 100 ms, and never frees its copy of a key whose widget is gone by then
# (the release of the Return that closed the error box): with a slow Orca the
# sanitizer build reports that leak. Under Orca the program is not checked for
# leaks; every other test checks them, the accessibility bridge's included.
UNDER_ORCA = ({"ASAN_OPTIONS": os.environ["ASAN_OPTIONS"] + ":detect_leaks=0"}
              if "ASAN_OPTIONS" in os.environ else {})


def retried(test):
    """Orca now and then takes an object that the program has just focused
    for a defunct one and says nothing of it (seen with Orca 48 on a busy
    machine); a test that Orca fails that way, its start included, runs
    again on a fresh start of Orca and the program, up to ATTEMPTS times,
    and every failed attempt is reported."""
    @functools.wraps(test)
    def run(self):
        for attempt in range(1, ATTEMPTS + 1):
            try:
                self.said_until(lambda said: any("سنة الميلاد" in u for u in said),
                                "the first box")
                return test(self)
            except AssertionError as failure:
                if attempt == ATTEMPTS:
                    raise
                print("\n%s: attempt %d failed: %s" % (test.__name__, attempt, failure),
                      file=sys.stderr)
                self.tearDown()
                self.setUp()
    return run


def heard_whole(utterances, text):
    """Whether a box's text was spoken whole: Orca says it alone, or with
    its selection."""
    return any(u.rstrip(".").removesuffix(" selected") == text for u in utterances)


class OrcaTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(wm=ARGS.wm)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    # Orca 48 remembers the objects it found defunct, for a minute, by the
    # hash of its Python wrapper for each; the objects of a program started
    # again within that minute can get such hashes and are then taken for
    # defunct and not spoken. Each test has an Orca of its own.
    def setUp(self):
        self.desktop.start_orca()
        self.start = self.mark = len(self.desktop.speech())
        self.desktop.start(ARGS.program, extra_env=UNDER_ORCA)

    def tearDown(self):
        self.desktop.stop()
        self.desktop.stop_orca()

    def said_since(self, mark):
        return self.desktop.speech()[mark:]

    # Waits until what Orca said since the last step satisfies `heard`.
    def said_until(self, heard, what, timeout=15):
        try:
            wait_for(lambda: heard(self.said_since(self.mark)), timeout, what)
        except DesktopError:
            self.fail("Orca did not say %s; it said %r" % (what, self.said_since(self.mark)))
        said = self.said_since(self.mark)
        self.mark += len(said)
        return said

    def press(self, *keys):
        self.mark = len(self.desktop.speech())
        self.desktop.keys(*keys)

    def tab_to(self, frm, to):
        steps = stop(to) - stop(frm)
        self.press(*(["Tab"] * steps if steps > 0 else ["shift+Tab"] * -steps))
        self.said_until(lambda said: any(to in u for u in said), to)

    def announced_once(self, message):
        said = self.said_until(lambda said: any(message in u for u in said), message)
        time.sleep(1)
        said += self.said_since(self.mark)
        self.assertEqual(sum(message in u for u in said), 1, said)

    @retried
    def test_the_window_is_heard_at_start_with_the_first_box_whole(self):
        self.mark = self.start
        said = self.said_until(lambda said: heard_whole(said, "198"), "198")
        self.assertTrue(any("برنامج قزوبان" in u for u in said), said)

    @retried
    def test_a_tab_cycle_names_every_stop_and_reads_each_box_whole(self):
        for name, text in TAB_CYCLE[1:] + TAB_CYCLE[:1]:
            self.press("Tab")
            self.said_until(lambda said: any(name in u for u in said) and
                            (not text or heard_whole(said, text)), "the stop " + name)

    @retried
    def test_the_worked_example_is_heard_with_its_meaning(self):
        self.press("ctrl+a")
        self.desktop.type("1985")
        self.tab_to("سنة الميلاد", "شهر الميلاد")
        self.desktop.type("7")
        self.tab_to("شهر الميلاد", "يوم الميلاد")
        self.desktop.type("20")
        self.tab_to("يوم الميلاد", "تاريخ اليوم: اليوم")
        self.desktop.type("15")
        self.tab_to("تاريخ اليوم: اليوم", "أدخال")
        self.press("space")
        self.announced_once("عدد السنوات: 17، عدد الشهور: 3، عدد الأيام: -5")
        self.tab_to("أدخال", "تعديل فى حاله الأيام أذا كان الشهر الحالى 31يوم")
        self.press("space")
        self.announced_once(
            "السنوات بعد التعديل: 16، الشهور بعد التعديل: 15، الأيام بعد التعديل: 26")
        self.tab_to("تعديل فى حاله الأيام أذا كان الشهر الحالى 31يوم", "أضغط لتعرف بورجك")
        self.press("space")
        self.announced_once("البرج: انت من برج السرطان")

    @retried
    def test_a_context_menu_opens_from_the_keyboard_on_its_first_entry(self):
        for key in ("shift+F10", "Menu"):
            self.press(key)
            said = self.said_until(lambda said: any("حدّد الكلّ" in u for u in said),
                                   "the first item of the menu that %s opens" % key)
            self.assertFalse(any("\t" in u for u in said), said)
            self.press("Escape")
            self.said_until(lambda said: any("سنة الميلاد" in u for u in said),
                            "the box after %s's menu" % key)

    @retried
    def test_the_error_box_is_heard_and_the_focus_comes_back(self):
        self.tab_to("سنة الميلاد", "أدخال")
        self.press("space")
        self.said_until(lambda said: any("خطأ في وقت التشغيل رقم 13" in u for u in said),
                        "the error")
        self.press("Return")
        self.said_until(lambda said: any("أدخال" in u for u in said) and
                        any("عدد السنوات: 1804" in u for u in said),
                        "the years written before the error, and the button again")


if __name__ == "__main__":
    run_tests()
