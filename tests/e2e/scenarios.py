"""The scenarios both end-to-end suites run, each against its own program.

A scenario speaks to the program only through its driver, the suite's base
test class, which provides:

  start() / stop()           the program (and its click target) for one test
  wait_shown()               the main window is on screen
  caption(), status()        the window's caption and status text
  set_text(alias, text)      a setting, as the user would leave it
  choose(alias)              a click on a check box or mode button
  is_ticked(alias)           True/False, or None where the driver cannot tell
  position_text()            the position box's text, or None likewise
  settings_unlocked()        whether the settings take input now
  focus_other_window()       another program's window gets the focus
  focus_velmora()            Velmora's window gets the focus again
  wait_box(title)            a message box with that title is up; its text or ""
  answer_box(button)         "ok", "yes" or "no" in the box
  box_gone()                 no message box is up
  main_window_visible()
  start_hotkey_holder()      another program takes Alt+D first
  keys(*names), move_mouse(x, y)
  target                     the click log of the tests' own window
  velmora                    the program's process
  server                     the update server (None without one)

Places are screen pixels on the suites' 1280 x 1024 displays, away from
Velmora's window in the middle.
"""
import time

from e2e_support import wait_until

TARGET_PLACE = (880, 80, 240, 160)  # left, top, width, height
TARGET_CENTRE = (1000, 160)
ELSEWHERE = (150, 900)

OFFER = ("<!--ver-->1.0.0.2<!--verend--><!--add-->http://127.0.0.1:%d/download<!--addend-->"
         "<!--con-->Fixes<!--conend-->")


class Steps:
    """What several scenarios do alike."""

    def wait_caption(self, ending, timeout=30):
        self.assertTrue(wait_until(lambda: self.caption().endswith(ending), timeout),
                        f"the caption never ended in {ending!r}")

    def run_until_stopped(self, expected, kind):
        self.keys("alt+d")
        self.assertTrue(wait_until(lambda: len(self.target.presses(kind)) >= expected, 30),
                        f"fewer than {expected} {kind} arrived")
        self.wait_caption(" - 已停止")
        time.sleep(1.0)  # nothing more may arrive

    def assert_clicks_settle(self):
        time.sleep(1.0)
        settled = len(self.target.presses("LDOWN"))
        time.sleep(1.0)
        self.assertEqual(len(self.target.presses("LDOWN")), settled)
        return settled


class ClickScenarios(Steps):
    def test_typical_run_clicks_thirty_times_and_stops(self):
        self.wait_shown()
        self.assertEqual(self.caption(), "Velmora V1.8")
        self.move_mouse(*TARGET_CENTRE)
        self.run_until_stopped(30, "LDOWN")
        presses = self.target.presses()
        self.assertEqual([p[0] for p in presses], ["LDOWN", "LUP"] * 30)
        self.assertEqual({p[1:] for p in presses}, {TARGET_CENTRE})
        self.assertEqual(self.caption(), "Velmora - 已停止")
        self.assertEqual(self.status(), "左键点击 速度:100 毫秒 第 30 次")

    def test_hotkey_works_while_another_window_has_the_focus(self):
        self.wait_shown()
        self.set_text("count", "1000")
        self.move_mouse(*TARGET_CENTRE)
        self.focus_other_window()
        before = len(self.target.presses("LDOWN"))
        self.keys("alt+d")
        self.assertTrue(wait_until(lambda: len(self.target.presses("LDOWN")) >= before + 6, 20))
        self.keys("alt+d")
        self.wait_caption(" - 已停止")
        self.assertLess(self.assert_clicks_settle(), 1000)

    def test_right_click_and_double_click_modes(self):
        self.wait_shown()
        self.set_text("count", "3")
        self.choose("mode2")
        self.move_mouse(*TARGET_CENTRE)
        self.run_until_stopped(3, "RDOWN")
        self.assertEqual([p[0] for p in self.target.presses()], ["RDOWN", "RUP"] * 3)
        self.assertTrue(wait_until(lambda: self.status() == "右键点击 速度:100 毫秒 第 3 次", 5))

        self.choose("mode4")
        self.move_mouse(*TARGET_CENTRE)
        self.run_until_stopped(6, "LDOWN")
        lefts = [p[0] for p in self.target.presses() if p[0].startswith("L")]
        self.assertEqual(lefts[-12:], ["LDOWN", "LUP"] * 6)
        self.assertEqual(self.status(), "右键双击 速度:100 毫秒 第 3 次")

    def test_locate_mode_clicks_at_the_captured_point(self):
        self.wait_shown()
        self.set_text("count", "5")
        self.choose("mode3")  # puts the focus into the position box
        self.move_mouse(*TARGET_CENTRE)
        self.keys("space")
        expected = "X:%d Y:%d" % TARGET_CENTRE
        self.assertTrue(wait_until(lambda: self.position_text() in (expected, None), 10))
        self.move_mouse(*ELSEWHERE)
        before = len(self.target.presses())
        self.run_until_stopped(5, "LDOWN")
        presses = self.target.presses()[before:]
        self.assertEqual([p[0] for p in presses], ["LDOWN", "LUP"] * 5)
        self.assertEqual({p[1:] for p in presses}, {TARGET_CENTRE})
        self.assertEqual(self.status(), "定位点击 速度:100 毫秒 第 5 次")

    def test_locate_mode_without_a_position_warns_and_clicks_nothing(self):
        self.wait_shown()
        self.choose("mode3")
        self.move_mouse(*TARGET_CENTRE)
        self.keys("alt+d")
        text = self.wait_box("警告:")
        self.assertIn(text, ("没有设置位置", None))
        self.assertEqual(self.caption(), "Velmora - 已停止")
        self.answer_box("ok")
        self.assertTrue(wait_until(self.box_gone, 10))
        time.sleep(0.5)
        self.assertEqual(self.target.presses(), [])

    def test_time_limit_ends_the_run_by_itself(self):
        self.wait_shown()
        self.choose("timelimit")
        self.assertIn(self.is_ticked("countlimit"), (False, None))
        self.set_text("minutes", "0.05")  # 3 seconds
        self.move_mouse(*TARGET_CENTRE)
        self.keys("alt+d")
        self.wait_caption(" - 已开始", 10)
        started = time.monotonic()
        self.wait_caption(" - 已停止", 30)
        self.assertGreater(time.monotonic() - started, 1.5)
        self.assertGreater(self.assert_clicks_settle(), 5)

    def test_interval_without_a_period_leaves_the_window_idle(self):
        self.wait_shown()
        self.set_text("interval", "abc")
        self.move_mouse(*TARGET_CENTRE)
        for _ in range(2):  # the second press must not "start" anything either
            self.keys("alt+d")
            self.assertTrue(wait_until(lambda: self.status() == "间隔须为正整数毫秒", 10))
        time.sleep(1.0)
        self.assertEqual(self.caption(), "Velmora V1.8")
        self.assertTrue(self.settings_unlocked())
        self.assertEqual(self.target.presses(), [])
        self.set_text("interval", "100")
        self.set_text("count", "2")
        self.move_mouse(*TARGET_CENTRE)
        self.run_until_stopped(2, "LDOWN")

    def test_escape_closes_the_window_during_a_run(self):
        self.wait_shown()
        self.set_text("interval", "60000")  # no click takes the focus away before Esc
        self.move_mouse(*ELSEWHERE)
        self.keys("alt+d")
        self.wait_caption(" - 已开始", 10)
        self.focus_velmora()
        self.keys("Escape")
        self.assertEqual(self.velmora.wait(timeout=30), 0)


class HotkeyHeldElsewhereScenarios(Steps):
    def setUp(self):
        self.start_hotkey_holder()
        super().setUp()

    def test_window_opens_and_alt_d_does_nothing(self):
        self.wait_shown()
        self.move_mouse(*TARGET_CENTRE)
        self.keys("alt+d")
        time.sleep(2.0)
        self.assertEqual(self.target.presses(), [])
        self.assertEqual(self.caption(), "Velmora V1.8")


class DeclinedOfferScenarios(Steps):
    reply = OFFER

    def test_declined_offer_ends_without_opening_anything(self):
        text = self.wait_box("在线更新:")
        self.assertIn(text, ("发现新版:1.0.0.2\\nFixes", None))
        self.assertFalse(self.main_window_visible())
        self.answer_box("no")
        self.assertEqual(self.velmora.wait(timeout=30), 0)
        self.assertEqual(self.server.requests, ["/client/api.asp?code=10022"])
        time.sleep(2.0)
        self.assertEqual(self.opened_pages(), [])
