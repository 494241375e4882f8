#!/usr/bin/env python3
"""End-to-end tests of the real velmora.exe under Wine.

Each test runs the program on a virtual display of its own, presses real keys
through XTest (xdotool), and reads what happened from outside the program: a
click target of the tests' own logs every mouse-button message it receives,
a probe reads the window's texts, a local HTTP server answers the update
check, and a stand-in browser records the addresses the program opens.
Nothing here depends on exact timings: every wait is for a condition, with a
generous deadline.
"""
import argparse
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import e2e_support  # noqa: E402
import scenarios  # noqa: E402
from e2e_support import ClickLog, wait_until  # noqa: E402
from scenarios import OFFER, TARGET_PLACE  # noqa: E402

ARGS = None
ENV = {}
WORK = None
XVFB = None
WINESERVER = None


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def run(*command, timeout=60, check=False):
    return e2e_support.run(ENV, *command, timeout=timeout, check=check)


def wine_start(exe, *args):
    return subprocess.Popen(["wine", str(exe), *args], env=ENV, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def probe(*args):
    result = run("wine", str(Path(ARGS.helpers) / "probe.exe"), *args, timeout=60)
    return result.returncode, result.stdout.decode("utf-8", "replace").replace("\r", "")


def state():
    _, out = probe("state")
    fields = {}
    for line in out.split("\n"):
        key, sep, value = line.partition("=")
        if sep:
            fields[key] = value
    return fields


def browser_starts():
    """The arguments of each start of the prefix's http(s) open command."""
    log = WORK / "argv.log"
    if not log.exists():
        return []
    return [line.split("\t") for line in log.read_text(encoding="utf-8").split("\n") if line]


def opened_pages():
    return [arguments[0] for arguments in browser_starts() if arguments]


class ClickTarget(ClickLog):
    def __init__(self):
        super().__init__(WORK / "clicks.log")
        self.path.unlink(missing_ok=True)
        self.process = wine_start(Path(ARGS.helpers) / "click_target.exe", windows_path(self.path),
                                  *map(str, TARGET_PLACE))
        if not wait_until(self.ready, 60):
            raise RuntimeError("the click target did not start")

    def close(self):
        self.process.kill()
        self.process.wait()


class WineDriver(e2e_support.DriverBase):
    """The scenarios' driver for velmora.exe under Wine: real keys through
    XTest, the window's texts read by a probe of the tests' own."""

    def setUp(self):
        (WORK / "argv.log").unlink(missing_ok=True)
        self.start_update_server()
        self.target = ClickTarget()
        self.velmora = wine_start(Path(ARGS.bin) / "velmora_e2e.exe")

    def tearDown(self):
        self.end_processes()
        self.target.close()

    def wait_shown(self):
        shown = wait_until(lambda: state().get("visible") == "1", 60)
        self.assertTrue(shown, "the main window did not appear")
        time.sleep(0.5)

    def main_window_visible(self):
        return state().get("visible") == "1"

    def caption(self):
        return state().get("caption", "")

    def status(self):
        return state().get("status", "")

    def set_text(self, alias, text):
        self.assertEqual(probe("settext", alias, text)[0], 0)

    def choose(self, alias):
        self.assertEqual(probe("click", alias)[0], 0)

    def is_ticked(self, alias):
        return probe("ticked", alias)[1].strip() == "1"

    def position_text(self):
        return probe("text", "position")[1].strip()

    def settings_unlocked(self):
        return state().get("settings") == "1"

    def focus_other_window(self):
        run("xdotool", "click", "1")  # the user clicks into the other program
        self.assertTrue(wait_until(lambda: len(self.target.presses("LUP")) >= 1, 10))
        self.assertTrue(wait_until(lambda: state().get("foreground") == "VelmoraTestClickTarget",
                                   10))

    def focus_velmora(self):
        pass  # the run's start left the focus in Velmora's window

    def wait_box(self, title):
        box = wait_until(lambda: state().get("box") == "1" and state(), 60)
        self.assertTrue(box, "no message box appeared")
        self.assertEqual(box["box_title"], title)
        return box["box_text"]

    def answer_box(self, button):
        probe("answer", button)

    def box_gone(self):
        return state().get("box") == "0"

    def start_hotkey_holder(self):
        flag = WORK / "held.flag"
        flag.unlink(missing_ok=True)
        self.holder = wine_start(Path(ARGS.helpers) / "hotkey_holder.exe",
                                         windows_path(flag))
        if not wait_until(flag.exists, 60):
            raise RuntimeError("the hotkey holder did not take Alt+D")

    def opened_pages(self):
        return opened_pages()


class ClickRuns(WineDriver, scenarios.ClickScenarios):
    pass


class HotkeyHeldElsewhere(scenarios.HotkeyHeldElsewhereScenarios, WineDriver):
    pass


class DeclinedOffer(scenarios.DeclinedOfferScenarios, WineDriver):
    pass


def update_case(reply_text):
    class Case(WineDriver):
        reply = reply_text
    return Case


class UpdateCheck(unittest.TestCase):
    """One Velmora start per case, each against its own server reply."""

    def start(self, reply):
        case = update_case(reply)("run")
        case.setUp()
        self.addCleanup(case.tearDown)
        return case

    def wait_box(self, case, title):
        case.wait_box(title)
        box = state()
        self.assertEqual(box["visible"], "0")  # the main window was never shown
        return box

    def test_equal_version_opens_the_window(self):
        case = self.start("<!--ver-->1.0.0.1<!--verend-->")
        case.wait_shown()
        self.assertEqual(case.server.requests, ["/client/api.asp?code=10022"])
        self.assertEqual(opened_pages(), [])

    def test_server_error_reports_opens_the_error_page_and_ends(self):
        case = self.start("<!--ver-->Error<!--verend-->")
        box = self.wait_box(case, "消息")
        self.assertEqual(box["box_text"], "发生错误 ")
        probe("answer", "ok")
        self.assertEqual(case.velmora.wait(timeout=30), 0)
        self.assertTrue(wait_until(lambda: opened_pages(), 20))
        self.assertEqual(opened_pages(), ["http://127.0.0.1:%d/error.html" % ARGS.port])

    def test_accepted_offer_opens_the_download_page_and_ends(self):
        case = self.start(OFFER)
        self.wait_box(case, "在线更新:")
        probe("answer", "yes")
        self.assertEqual(case.velmora.wait(timeout=30), 0)
        self.assertTrue(wait_until(lambda: opened_pages(), 20))
        self.assertEqual(opened_pages(), ["http://127.0.0.1:%d/download" % ARGS.port])

    def test_offered_address_reaches_the_browser_as_exactly_one_argument(self):
        address = "http://127.0.0.1:%d/download?a=1&b=%%22x%%22" % ARGS.port
        case = self.start("<!--ver-->2.0<!--verend--><!--add-->" + address + "<!--addend-->")
        self.wait_box(case, "在线更新:")
        probe("answer", "yes")
        self.assertEqual(case.velmora.wait(timeout=30), 0)
        self.assertTrue(wait_until(browser_starts, 20))
        self.assertEqual(browser_starts(), [[address]])

    def test_address_that_would_split_into_arguments_is_not_opened(self):
        case = self.start("<!--ver-->2.0<!--verend-->"
                          "<!--add-->http://127.0.0.1/a\" --arg \"b<!--addend-->")
        self.wait_box(case, "在线更新:")
        probe("answer", "yes")
        self.assertEqual(case.velmora.wait(timeout=30), 0)
        time.sleep(2.0)
        self.assertEqual(browser_starts(), [])

    def test_giant_address_and_description_neither_crash_nor_hide_the_offer(self):
        case = self.start("<!--ver-->2.0<!--verend--><!--add-->http://127.0.0.1/" + "a" * 100000 +
                          "<!--addend--><!--con-->" + "长" * 300000 + "<!--conend-->")
        box = self.wait_box(case, "在线更新:")
        self.assertEqual(box["box_text"], "发现新版:2.0\\n" + "长" * 1000 + "…")
        probe("answer", "yes")
        self.assertEqual(case.velmora.wait(timeout=30), 0)
        time.sleep(2.0)
        self.assertEqual(browser_starts(), [])

    def test_offer_of_a_program_instead_of_a_page_opens_nothing(self):
        case = self.start("<!--ver-->2.0<!--verend--><!--add-->C:\\windows\\notepad.exe<!--addend-->")
        self.wait_box(case, "在线更新:")
        probe("answer", "yes")
        self.assertEqual(case.velmora.wait(timeout=30), 0)
        time.sleep(2.0)
        self.assertEqual(opened_pages(), [])



def prepare_wine_prefix():
    """A prefix of the suite's own, served by one persistent wineserver for
    the whole run. Windows stay unmanaged: without a window manager Wine would
    otherwise wait for one whenever a window goes away. The argument logger
    opens http and https addresses in place of the browser."""
    global WINESERVER
    WINESERVER = subprocess.Popen(["wineserver", "-f", "-p"], env=ENV, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    run("wineboot", "-i", timeout=300)
    logger = windows_path(Path(ARGS.helpers) / "argv_logger.exe").replace("\\", "\\\\")
    command = '@="\\"%s\\" \\"%%1\\""' % logger
    registry = WORK / "settings.reg"
    registry.write_text("\r\n".join([
        "REGEDIT4", "",
        "[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]", '"Managed"="N"', "",
        "[HKEY_LOCAL_MACHINE\\Software\\Classes\\http\\shell\\open\\command]", command, "",
        "[HKEY_LOCAL_MACHINE\\Software\\Classes\\https\\shell\\open\\command]", command, "",
        ""]), encoding="ascii")
    run("wine", "regedit", "/S", windows_path(registry), timeout=120)


def setUpModule():
    global WORK, XVFB
    WORK = Path(tempfile.mkdtemp(prefix="velmora-e2e-"))
    XVFB, display = e2e_support.start_xvfb()
    ENV.update(e2e_support.clean_environment({
        "DISPLAY": display,
        "VELMORA_ARGV_LOG": windows_path(WORK / "argv.log"),
        "WINEPREFIX": str(Path(ARGS.helpers) / "wine-prefix"),
        "WINEDEBUG": "-all",
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
    }))
    WineDriver.env, WineDriver.port = ENV, ARGS.port
    prepare_wine_prefix()


def tearDownModule():
    run("wineserver", "-k", timeout=60)
    if WINESERVER:
        WINESERVER.wait(timeout=60)
    e2e_support.stop_display(XVFB, WORK)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--helpers", required=True)
    parser.add_argument("--port", type=int, required=True)
    ARGS, rest = parser.parse_known_args()
    ARGS.bin = str(Path(ARGS.bin).resolve())
    ARGS.helpers = str(Path(ARGS.helpers).resolve())
    unittest.main(argv=[sys.argv[0], *rest])
