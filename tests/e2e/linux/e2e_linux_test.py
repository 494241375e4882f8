#!/usr/bin/env python3
"""End-to-end tests of the native Linux velmora on a private Xvfb display.

The scenarios are the Windows suite's (tests/e2e/scenarios.py); this driver
runs them here. Keys go in through XTest (xdotool), a plain X window of the
tests' own counts the clicks that arrive, the caption is read from the
window's name and the status text from its _VELMORA_STATUS property, controls
are clicked where the window description puts them, and an HTTP server on
127.0.0.1 answers the update check. Every wait is for a condition, with a
deadline.
"""
import argparse
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent))
import e2e_support  # noqa: E402
import scenarios  # noqa: E402
from e2e_support import ClickLog, wait_until  # noqa: E402
from scenarios import TARGET_CENTRE, TARGET_PLACE  # noqa: E402

ARGS = None
ENV = {}
WORK = None
XVFB = None
CONTROLS = {}  # alias: (left, top, width, height) in the window's client area


def run(*command, timeout=60, check=False):
    return e2e_support.run(ENV, *command, timeout=timeout, check=check)


def output(*command):
    return run(*command).stdout.decode("utf-8", "replace").strip()


def visible_window(name):
    found = output("xdotool", "search", "--onlyvisible", "--name", name).split()
    return found[0] if found else None


def read_control_places():
    """Where the window description puts the controls, as the program's own
    description prints it."""
    described = output(str(Path(ARGS.bin) / "linux_describe_window"))
    for line in described.split("\n"):
        alias, *place = line.split()
        CONTROLS[alias] = tuple(int(number) for number in place[:4])


class LinuxDriver(e2e_support.DriverBase):
    """The scenarios' driver for the native program on X11."""

    def setUp(self):
        (WORK / "browser.log").unlink(missing_ok=True)
        self.start_update_server()
        self.target = ClickLog(WORK / "clicks.log")
        self.target.path.unlink(missing_ok=True)
        self.target_process = subprocess.Popen(
            [str(Path(ARGS.bin) / "linux_click_target"), str(self.target.path),
             *map(str, TARGET_PLACE)], env=ENV)
        self.assertTrue(wait_until(self.target.ready, 20), "the click target did not start")
        self.velmora = subprocess.Popen([str(Path(ARGS.bin) / "velmora_e2e")], env=ENV,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def tearDown(self):
        self.end_processes()
        self.target_process.kill()
        self.target_process.wait()

    def wait_shown(self):
        self.window = wait_until(lambda: visible_window("^Velmora"), 30)
        self.assertTrue(self.window, "the main window did not appear")
        geometry = output("xdotool", "getwindowgeometry", self.window)
        x, y = geometry.split("Position: ")[1].split(" ")[0].split(",")
        self.origin = (int(x), int(y))
        time.sleep(0.3)

    def main_window_visible(self):
        return visible_window("^Velmora") is not None

    def caption(self):
        return output("xdotool", "getwindowname", self.window)

    def status(self):
        text = output("xprop", "-id", self.window, "-notype", "_VELMORA_STATUS")
        return text.split(" = ", 1)[1].strip('"') if " = " in text else ""

    def choose(self, alias):
        left, top, width, height = CONTROLS[alias]
        self.move_mouse(self.origin[0] + left + min(8, width // 2),
                        self.origin[1] + top + height // 2)
        run("xdotool", "click", "1")
        time.sleep(0.2)

    def set_text(self, alias, text):
        # Typed, as the user would: a locked box would take none of it.
        self.choose(alias)
        self.keys("ctrl+a")
        run("xdotool", "type", "--delay", "50", text)
        time.sleep(0.2)

    def is_ticked(self, alias):
        return None  # nothing outside the program reads a Qt check box

    def position_text(self):
        return None

    def settings_unlocked(self):
        return True  # set_text types; the scenario's run after it proves it

    def focus_other_window(self):
        target = output("xdotool", "search", "--name", "^click target$").split()[0]
        run("xdotool", "windowfocus", "--sync", target)

    def focus_velmora(self):
        run("xdotool", "windowfocus", "--sync", self.window)

    def wait_box(self, title):
        self.box = wait_until(lambda: visible_window("^%s$" % title), 30)
        self.assertTrue(self.box, f"no box {title!r} appeared")
        return None  # the box's text is not readable from outside

    def answer_box(self, button):
        run("xdotool", "windowfocus", "--sync", self.box)
        self.keys("Escape" if button == "no" else "Return")  # Esc is the box's No

    def box_gone(self):
        return visible_window("^(警告:|在线更新:|消息)$") is None

    def start_hotkey_holder(self):
        flag = WORK / "grabbed.flag"
        flag.unlink(missing_ok=True)
        self.holder = subprocess.Popen([str(Path(ARGS.bin) / "linux_key_grabber"), str(flag)],
                                       env=ENV)
        self.assertTrue(wait_until(flag.exists, 20))

    def opened_pages(self):
        return e2e_support.opened_pages(WORK)


class ClickRuns(LinuxDriver, scenarios.ClickScenarios):
    def test_hotkey_works_with_num_lock_on(self):
        self.wait_shown()
        self.set_text("count", "1000")
        self.focus_other_window()
        self.keys("Num_Lock")  # on: the grab holds whatever the lock keys say
        self.move_mouse(*TARGET_CENTRE)
        self.keys("alt+d")
        self.assertTrue(wait_until(lambda: len(self.target.presses("LDOWN")) >= 6, 20))
        self.keys("alt+d")
        self.wait_caption(" - 已停止")
        self.keys("Num_Lock")
        self.assertLess(self.assert_clicks_settle(), 1000)


class HotkeyGrabbedElsewhere(scenarios.HotkeyHeldElsewhereScenarios, LinuxDriver):
    pass


class DeclinedOffer(scenarios.DeclinedOfferScenarios, LinuxDriver):
    pass


class WithoutAWindow(unittest.TestCase):
    def test_help_and_version_answer_without_a_window(self):
        env = {k: v for k, v in ENV.items() if k != "DISPLAY"}  # no display needed
        for option, expected in (("--help", "Usage: velmora"), ("--version", "velmora ")):
            result = subprocess.run([str(Path(ARGS.bin) / "velmora_e2e"), option], env=env,
                                    capture_output=True, timeout=30)
            self.assertEqual(result.returncode, 0)
            self.assertTrue(result.stdout.decode().startswith(expected), result.stdout)


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
    LinuxDriver.env, LinuxDriver.port = ENV, ARGS.port
    read_control_places()


def tearDownModule():
    e2e_support.stop_display(XVFB, WORK)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--port", type=int, required=True)
    ARGS, rest = parser.parse_known_args()
    ARGS.bin = str(Path(ARGS.bin).resolve())
    unittest.main(argv=[sys.argv[0], *rest])
