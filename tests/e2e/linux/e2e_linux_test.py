#!/usr/bin/env python3
"""End-to-end tests of the native Linux velmora on a private Xvfb display.

Keys go in through XTest (xdotool), a plain X window of the tests' own counts
the clicks that arrive, the caption is read from the window's name and the
status text from its _VELMORA_STATUS property, an HTTP server on 127.0.0.1
answers the update check. Every wait is for a condition, with a deadline.
"""
import argparse
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
import e2e_support  # noqa: E402
from e2e_support import ClickLog, UpdateServer, wait_until  # noqa: E402

ARGS = None
ENV = {}
WORK = None
XVFB = None

TARGET_PLACE = (880, 80, 240, 160)
TARGET_CENTRE = (1000, 160)
ELSEWHERE = (150, 900)
GROUP_ORIGIN = (12, 9)  # the settings group inside the window
# Places inside the settings group, from the window description.
CONTROLS = {
    "mode2": (181, 42, 72, 16), "mode3": (41, 42, 72, 16), "mode4": (181, 20, 72, 16),
    "timelimit": (13, 89, 45, 16), "count": (56, 67, 32, 16), "minutes": (56, 88, 32, 16),
    "interval": (135, 76, 32, 16),
}


def run(*command, timeout=60, check=False):
    return e2e_support.run(ENV, *command, timeout=timeout, check=check)


def output(*command):
    return run(*command).stdout.decode("utf-8", "replace").strip()


def keys(*names):
    run("xdotool", "key", "--clearmodifiers", "--delay", "80", *names, check=True)


def move_mouse(x, y):
    run("xdotool", "mousemove", str(x), str(y))
    wait_until(lambda: output("xdotool", "getmouselocation").startswith("x:%d y:%d " % (x, y)), 10)


def visible_window(name):
    found = output("xdotool", "search", "--onlyvisible", "--name", name).split()
    return found[0] if found else None


class LinuxTest(unittest.TestCase):
    reply = None

    def setUp(self):
        (WORK / "browser.log").unlink(missing_ok=True)
        self.server = UpdateServer(ARGS.port, self.reply) if self.reply is not None else None
        self.target = ClickLog(WORK / "clicks.log")
        self.target.path.unlink(missing_ok=True)
        self.target_process = subprocess.Popen(
            [str(Path(ARGS.bin) / "linux_click_target"), str(self.target.path),
             *map(str, TARGET_PLACE)], env=ENV)
        self.assertTrue(wait_until(self.target.ready, 20), "the click target did not start")
        self.velmora = subprocess.Popen([str(Path(ARGS.bin) / "velmora_e2e")], env=ENV,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def tearDown(self):
        if self.velmora.poll() is None:
            self.velmora.kill()
            self.velmora.wait()
        self.target_process.kill()
        self.target_process.wait()
        if self.server:
            self.server.close()

    def wait_shown(self):
        self.window = wait_until(lambda: visible_window("^Velmora"), 30)
        self.assertTrue(self.window, "the main window did not appear")
        geometry = output("xdotool", "getwindowgeometry", self.window)
        x, y = geometry.split("Position: ")[1].split(" ")[0].split(",")
        self.origin = (int(x), int(y))
        time.sleep(0.3)

    def caption(self):
        return output("xdotool", "getwindowname", self.window)

    def status(self):
        text = output("xprop", "-id", self.window, "-notype", "_VELMORA_STATUS")
        return text.split(" = ", 1)[1].strip('"') if " = " in text else ""

    def wait_caption(self, ending, timeout=30):
        self.assertTrue(wait_until(lambda: self.caption().endswith(ending), timeout),
                        f"the caption never ended in {ending!r}")

    def click_control(self, name):
        left, top, width, height = CONTROLS[name]
        x = self.origin[0] + GROUP_ORIGIN[0] + left + min(8, width // 2)
        y = self.origin[1] + GROUP_ORIGIN[1] + top + height // 2
        move_mouse(x, y)
        run("xdotool", "click", "1")
        time.sleep(0.2)

    def type_into(self, name, text):
        self.click_control(name)
        keys("ctrl+a")
        run("xdotool", "type", "--delay", "50", text)
        time.sleep(0.2)

    def run_until_stopped(self, expected, kind):
        keys("alt+d")
        self.assertTrue(wait_until(lambda: len(self.target.presses(kind)) >= expected, 30),
                        f"fewer than {expected} {kind} arrived")
        self.wait_caption(" - 已停止")
        time.sleep(1.0)


class ClickRuns(LinuxTest):
    def test_typical_run_clicks_thirty_times_and_stops(self):
        self.wait_shown()
        self.assertEqual(self.caption(), "Velmora V1.8")
        move_mouse(*TARGET_CENTRE)
        self.run_until_stopped(30, "LDOWN")
        presses = self.target.presses()
        self.assertEqual([p[0] for p in presses], ["LDOWN", "LUP"] * 30)
        self.assertEqual({p[1:] for p in presses}, {TARGET_CENTRE})
        self.assertEqual(self.caption(), "Velmora - 已停止")
        self.assertEqual(self.status(), "左键点击 速度:100 毫秒 第 30 次")

    def test_hotkey_works_while_another_window_has_the_focus_and_with_num_lock(self):
        self.wait_shown()
        self.type_into("count", "1000")
        target = output("xdotool", "search", "--name", "^click target$").split()[0]
        run("xdotool", "windowfocus", "--sync", target)
        keys("Num_Lock")  # on: the grab holds whatever the lock keys say
        move_mouse(*TARGET_CENTRE)
        keys("alt+d")
        self.assertTrue(wait_until(lambda: len(self.target.presses("LDOWN")) >= 6, 20))
        keys("alt+d")
        self.wait_caption(" - 已停止")
        keys("Num_Lock")
        time.sleep(1.0)
        settled = len(self.target.presses("LDOWN"))
        time.sleep(1.0)
        self.assertEqual(len(self.target.presses("LDOWN")), settled)
        self.assertLess(settled, 1000)

    def test_right_click_and_double_click_modes(self):
        self.wait_shown()
        self.type_into("count", "3")
        self.click_control("mode2")
        move_mouse(*TARGET_CENTRE)
        self.run_until_stopped(3, "RDOWN")
        self.assertEqual([p[0] for p in self.target.presses()], ["RDOWN", "RUP"] * 3)
        self.assertEqual(self.status(), "右键点击 速度:100 毫秒 第 3 次")
        self.click_control("mode4")
        move_mouse(*TARGET_CENTRE)
        self.run_until_stopped(6, "LDOWN")
        lefts = [p[0] for p in self.target.presses() if p[0].startswith("L")]
        self.assertEqual(lefts[-12:], ["LDOWN", "LUP"] * 6)
        self.assertEqual(self.status(), "右键双击 速度:100 毫秒 第 3 次")

    def test_locate_mode_clicks_at_the_captured_point(self):
        self.wait_shown()
        self.type_into("count", "5")
        self.click_control("mode3")  # moves the focus into the position box
        move_mouse(*TARGET_CENTRE)
        keys("space")
        move_mouse(*ELSEWHERE)
        before = len(self.target.presses())
        self.run_until_stopped(5, "LDOWN")
        presses = self.target.presses()[before:]
        self.assertEqual([p[0] for p in presses], ["LDOWN", "LUP"] * 5)
        self.assertEqual({p[1:] for p in presses}, {TARGET_CENTRE})
        self.assertEqual(self.status(), "定位点击 速度:100 毫秒 第 5 次")

    def test_locate_mode_without_a_position_warns_and_clicks_nothing(self):
        self.wait_shown()
        self.click_control("mode3")
        move_mouse(*TARGET_CENTRE)
        keys("alt+d")
        box = wait_until(lambda: visible_window("^警告:$"), 20)
        self.assertTrue(box, "no warning appeared")
        self.assertEqual(self.caption(), "Velmora - 已停止")
        run("xdotool", "windowfocus", "--sync", box)
        keys("Return")
        self.assertTrue(wait_until(lambda: visible_window("^警告:$") is None, 10))
        self.assertEqual(self.target.presses(), [])

    def test_time_limit_ends_the_run_by_itself(self):
        self.wait_shown()
        self.click_control("timelimit")
        self.type_into("minutes", "0.05")
        move_mouse(*TARGET_CENTRE)
        keys("alt+d")
        self.wait_caption(" - 已开始", 10)
        started = time.monotonic()
        self.wait_caption(" - 已停止", 30)
        self.assertGreater(time.monotonic() - started, 1.5)
        time.sleep(1.0)
        settled = len(self.target.presses("LDOWN"))
        self.assertGreater(settled, 5)
        time.sleep(1.0)
        self.assertEqual(len(self.target.presses("LDOWN")), settled)

    def test_interval_without_a_period_leaves_the_window_idle(self):
        self.wait_shown()
        self.type_into("interval", "abc")
        move_mouse(*TARGET_CENTRE)
        for _ in range(2):  # the second press must not "start" anything either
            keys("alt+d")
            self.assertTrue(wait_until(lambda: self.status() == "间隔须为正整数毫秒", 10))
        time.sleep(1.0)
        self.assertEqual(self.caption(), "Velmora V1.8")
        self.assertEqual(self.target.presses(), [])
        self.type_into("interval", "100")  # the settings were never locked
        self.type_into("count", "2")
        move_mouse(*TARGET_CENTRE)
        self.run_until_stopped(2, "LDOWN")

    def test_escape_closes_the_window_during_a_run(self):
        self.wait_shown()
        self.type_into("count", "1000")
        move_mouse(*ELSEWHERE)
        keys("alt+d")
        self.wait_caption(" - 已开始", 10)
        run("xdotool", "windowfocus", "--sync", self.window)
        keys("Escape")
        self.assertEqual(self.velmora.wait(timeout=30), 0)


class HotkeyGrabbedElsewhere(LinuxTest):
    def setUp(self):
        flag = WORK / "grabbed.flag"
        flag.unlink(missing_ok=True)
        self.grabber = subprocess.Popen([str(Path(ARGS.bin) / "linux_key_grabber"), str(flag)],
                                        env=ENV)
        self.assertTrue(wait_until(flag.exists, 20))
        super().setUp()

    def tearDown(self):
        super().tearDown()
        self.grabber.kill()
        self.grabber.wait()

    def test_window_opens_and_alt_d_does_nothing(self):
        self.wait_shown()
        move_mouse(*TARGET_CENTRE)
        keys("alt+d")
        time.sleep(2.0)
        self.assertEqual(self.target.presses(), [])
        self.assertEqual(self.caption(), "Velmora V1.8")


class DeclinedOffer(LinuxTest):
    reply = ("<!--ver-->1.0.0.2<!--verend--><!--add-->http://127.0.0.1:1/download<!--addend-->"
             "<!--con-->Fixes<!--conend-->")

    def test_ends_with_exit_code_zero_and_the_window_never_shown(self):
        box = wait_until(lambda: visible_window("^在线更新:$"), 30)
        self.assertTrue(box, "the offer never appeared")
        self.assertIsNone(visible_window("^Velmora"))
        run("xdotool", "windowfocus", "--sync", box)
        keys("Escape")  # the box's No
        self.assertEqual(self.velmora.wait(timeout=30), 0)
        self.assertEqual(self.server.requests, ["/client/api.asp?code=10022"])
        time.sleep(1.0)
        self.assertEqual(e2e_support.opened_pages(WORK), [])


class WithoutX11(unittest.TestCase):
    def test_says_what_it_needs_in_one_line_and_exits_non_zero(self):
        for extra in ({}, {"WAYLAND_DISPLAY": "wayland-0"}):
            env = {k: v for k, v in ENV.items() if k != "DISPLAY"}
            env.update(extra)
            result = subprocess.run([str(Path(ARGS.bin) / "velmora_e2e")], env=env,
                                    capture_output=True, timeout=30)
            self.assertEqual(result.returncode, 2)
            lines = result.stderr.decode().strip().split("\n")
            self.assertEqual(len(lines), 1, lines)
            self.assertIn("X11", lines[0])


def setUpModule():
    global WORK, XVFB
    WORK = Path(tempfile.mkdtemp(prefix="velmora-e2e-linux-"))
    XVFB, display = e2e_support.start_xvfb()
    browser = e2e_support.install_stand_in_browser(WORK)
    ENV.update(e2e_support.clean_environment({
        "DISPLAY": display,
        "PATH": f"{browser}:{e2e_support.os.environ.get('PATH', '')}",
        # Qt's own allocations are not ours to report at exit.
        "ASAN_OPTIONS": "detect_leaks=0",
        "QT_QPA_PLATFORM": "xcb",
    }))


def tearDownModule():
    if XVFB:
        XVFB.terminate()
        XVFB.wait()
    shutil.rmtree(WORK, ignore_errors=True)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--port", type=int, required=True)
    ARGS, rest = parser.parse_known_args()
    ARGS.bin = str(Path(ARGS.bin).resolve())
    unittest.main(argv=[sys.argv[0], *rest])
