"""What both end-to-end suites share: waiting for conditions, a private Xvfb
display, commands whose output does not go through a pipe, an update server
and a stand-in browser."""
import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import time
import unittest
from pathlib import Path


def wait_until(condition, timeout=30.0, interval=0.15):
    """The condition's first true value, or its last value at the deadline."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(interval)


def run(env, *command, timeout=60, check=False):
    """Runs a command to its end. Its output goes through a file, not a pipe:
    background processes it leaves (Wine's among them) inherit the output
    handles and would hold a pipe open long after the command is done."""
    with tempfile.TemporaryFile() as output:
        result = subprocess.run(command, env=env, stdout=output, stderr=subprocess.DEVNULL,
                                timeout=timeout, check=check)
        output.seek(0)
        result.stdout = output.read()
    return result


def start_xvfb():
    """A display of the suite's own; returns the process and the display name."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=[write_end], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = pipe.readline().strip()
    return xvfb, ":" + display


def stop_display(xvfb, work):
    """Ends the suite's display and removes its working folder."""
    if xvfb:
        xvfb.terminate()
        xvfb.wait()
    shutil.rmtree(work, ignore_errors=True)


def install_stand_in_browser(work):
    """An xdg-open first on PATH that records the addresses it is given;
    returns the folder to put first on PATH."""
    folder = work / "bin"
    folder.mkdir(exist_ok=True)
    script = folder / "xdg-open"
    script.write_text('#!/bin/sh\necho "$1" >> "%s"\n' % (work / "browser.log"))
    script.chmod(0o755)
    return folder


def opened_pages(work):
    log = work / "browser.log"
    return log.read_text().split() if log.exists() else []


def clean_environment(extra):
    env = dict(os.environ)
    for proxy in ("http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"):
        env.pop(proxy, None)
    env.update(extra)
    return env


class UpdateServer:
    """Answers the update check on 127.0.0.1 with a fixed reply (GBK) and
    notes the paths asked for."""

    def __init__(self, port, reply):
        self.requests = []
        outer = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                outer.requests.append(self.path)
                body = reply.encode("gbk")
                self.send_response(200)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        http.server.ThreadingHTTPServer.allow_reuse_address = True
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class ClickLog:
    """Reads the click target's log: one line per button message."""

    def __init__(self, path):
        self.path = Path(path)

    def lines(self):
        return self.path.read_text().split("\n") if self.path.exists() else []

    def ready(self):
        return "READY" in self.lines()

    def presses(self, kind=None):
        """(name, x, y) of each button message, in order of arrival."""
        found = [line.split() for line in self.lines() if line and line != "READY"]
        return [(f[0], int(f[1]), int(f[2])) for f in found if kind is None or f[0] == kind]

    def micros(self, kind):
        """The monotonic microseconds at which the target read each message of one
        kind, where it logs them."""
        found = [line.split() for line in self.lines() if line.startswith(kind + " ")]
        return [int(f[4]) for f in found if len(f) > 4]

    def times(self, kind):
        """The server times of the messages of one kind, where the target logs them."""
        found = [line.split() for line in self.lines() if line.startswith(kind + " ")]
        return [int(f[3]) for f in found if len(f) > 3]


class DriverBase(unittest.TestCase):
    """What both suites' drivers share: the update server of a test, the end
    of the processes it started, and keys and pointer through xdotool. A
    suite sets env (the environment of its display) and port."""

    env = None
    port = None
    reply = None  # the update server's answer (%d: the port); None: no server

    def start_update_server(self):
        reply = self.reply
        if reply is not None and "%d" in reply:
            reply = reply % self.port
        self.server = UpdateServer(self.port, reply) if reply is not None else None

    def end_processes(self):
        if self.velmora.poll() is None:
            self.velmora.kill()
            self.velmora.wait()
        if self.server:
            self.server.close()
        holder = getattr(self, "holder", None)
        if holder:
            holder.kill()
            holder.wait()

    def keys(self, *names):
        run(self.env, "xdotool", "key", "--clearmodifiers", "--delay", "80", *names, check=True)

    def move_mouse(self, x, y):
        # Not --sync: that waits for a motion, and there is none when the
        # pointer already stands there.
        run(self.env, "xdotool", "mousemove", str(x), str(y))
        wait_until(lambda: run(self.env, "xdotool", "getmouselocation").stdout.decode()
                   .startswith("x:%d y:%d " % (x, y)), 10)
