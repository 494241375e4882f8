#!/usr/bin/env python3
"""Clicks per second, drift, jitter, CPU and memory: Velmora against
`xdotool click --repeat N --delay D` on one Xvfb display, into the same
receiving window. Each case runs three times per clicker, the clickers in
rotating order, and the table gives the medians. Writes the table as Markdown
and a chart of interval error over time."""
import argparse
import os
import platform
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))
import e2e_support  # noqa: E402
from e2e_support import ClickLog, wait_until  # noqa: E402
from scenarios import TARGET_CENTRE, TARGET_PLACE  # noqa: E402

CASES = [(10, 1000), (100, 200), (1, 3000)]  # interval in ms, clicks
RUNS = 3
ENV = {}
CONTROLS = {}  # alias: (left, top, width, height) in the window's client area


def sh(*command, timeout=120):
    return e2e_support.run(ENV, *command, timeout=timeout).stdout.decode().strip()


def cpu_seconds(pid):
    """User and system CPU of a live process, in seconds."""
    try:
        fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    except FileNotFoundError:
        return None
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def peak_rss_mib(pid):
    """The process's own peak (VmHWM starts afresh at exec), or None once gone."""
    try:
        for line in Path(f"/proc/{pid}/status").read_text().splitlines():
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    except FileNotFoundError:
        pass
    return None


def timing(micros, interval):
    """Rates and errors over the clicks delivered, from the target's
    microsecond times."""
    gaps = [(b - a) / 1000 for a, b in zip(micros, micros[1:])]
    span = (micros[-1] - micros[0]) / 1000 if len(micros) > 1 else 0.0
    planned = (len(micros) - 1) * interval
    ordered = sorted(gaps)
    return {
        "delivered": len(micros),
        "rate": (len(micros) - 1) / (span / 1000) if span else float("nan"),
        "drift_pct": 100 * (span - planned) / planned if planned else float("nan"),
        "p50": statistics.median(gaps) if gaps else float("nan"),
        "p99": ordered[min(len(ordered) - 1, int(len(ordered) * 0.99))] if gaps else float("nan"),
        # each click's lateness against the schedule its first click set
        "error": [((t - micros[0]) / 1000, (t - micros[0]) / 1000 - i * interval)
                  for i, t in enumerate(micros)],
    }


class Clicks:
    """A click target for one run, and the CPU of a clicker around the clicks
    alone: read at the first click and at the last."""

    def __init__(self, args, work):
        self.log = ClickLog(work / "clicks.log")
        self.log.path.unlink(missing_ok=True)
        self.process = subprocess.Popen([args.target, str(self.log.path),
                                         *map(str, TARGET_PLACE)], env=ENV)
        if not wait_until(self.log.ready, 20):
            raise RuntimeError("click target did not start")
        self.offset = 0
        self.seen = 0

    def count(self):
        """Presses logged so far, reading only what is new: the benchmark must
        not take the CPU its clickers need."""
        with open(self.log.path, "rb") as log:
            log.seek(self.offset)
            fresh = log.read()
        complete = fresh.rfind(b"\n") + 1
        self.offset += complete
        self.seen += fresh[:complete].count(b"LDOWN ")
        return self.seen

    def watch(self, pid, clicks, interval):
        """Polls the clicker until its last click: CPU at the first and the last
        click, and its peak memory as last seen."""
        first_cpu = last_cpu = None
        rss = None
        deadline = time.monotonic() + interval * clicks / 1000 * 3 + 30
        while time.monotonic() < deadline:
            cpu = cpu_seconds(pid)
            rss = peak_rss_mib(pid) or rss
            count = self.count()
            if first_cpu is None and count >= 1:
                first_cpu = cpu
            if cpu is not None:
                last_cpu = cpu
            if count >= clicks or cpu is None:
                break
            time.sleep(0.02)
        return first_cpu, last_cpu, rss

    def close(self):
        self.process.kill()
        self.process.wait()


def launch_velmora(args):
    """Starts Velmora and returns it with the time from start to its window's
    map event, from the X server."""
    watcher = subprocess.Popen([args.map_watch, "Velmora"], env=ENV, stdout=subprocess.PIPE,
                               text=True)
    assert watcher.stdout.readline().strip() == "READY"
    started = time.monotonic()
    velmora = subprocess.Popen([args.velmora], env=ENV, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    mapped_us = int(watcher.stdout.readline())
    watcher.wait()
    return velmora, mapped_us / 1000 - started * 1000


def bench_velmora(args, work, interval, clicks):
    clicks_log = Clicks(args, work)
    velmora, launch_ms = launch_velmora(args)
    window = sh("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Velmora").split()[0]
    x, y = sh("xdotool", "getwindowgeometry", window).split("Position: ")[1].split(" ")[0].split(",")
    for alias, value in (("interval", interval), ("count", clicks)):
        left, top, width, height = CONTROLS[alias]
        sh("xdotool", "mousemove", str(int(x) + left + width // 2), str(int(y) + top + height // 2),
           "click", "1")
        sh("xdotool", "key", "ctrl+a")
        sh("xdotool", "type", str(value))
    sh("xdotool", "mousemove", *map(str, TARGET_CENTRE))
    time.sleep(0.5)
    sh("xdotool", "key", "alt+d")
    first_cpu, last_cpu, rss = clicks_log.watch(velmora.pid, clicks, interval)
    velmora.kill()
    velmora.wait()
    clicks_log.close()
    result = timing(clicks_log.log.micros("LDOWN"), interval)
    cpu = (last_cpu - first_cpu) if first_cpu is not None and last_cpu is not None else float("nan")
    result.update(cpu_per_1000=cpu * 1000 / max(1, result["delivered"] - 1), launch_ms=launch_ms,
                  rss=rss)
    return result


def bench_xdotool(args, work, interval, clicks):
    clicks_log = Clicks(args, work)
    sh("xdotool", "mousemove", *map(str, TARGET_CENTRE))
    process = subprocess.Popen(["xdotool", "click", "--repeat", str(clicks), "--delay",
                                str(interval), "1"], env=ENV)
    first_cpu, last_cpu, rss = clicks_log.watch(process.pid, clicks, interval)
    process.wait()
    wait_until(lambda: clicks_log.count() >= clicks, 10, 0.05)
    clicks_log.close()
    result = timing(clicks_log.log.micros("LDOWN"), interval)
    cpu = (last_cpu - first_cpu) if first_cpu is not None and last_cpu is not None else float("nan")
    result.update(cpu_per_1000=cpu * 1000 / max(1, result["delivered"] - 1),
                  launch_ms=float("nan"), rss=rss)
    return result


def machine():
    model = next((line.split(":", 1)[1].strip() for line in
                  Path("/proc/cpuinfo").read_text().splitlines() if line.startswith("model name")),
                 platform.processor())
    return f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, Xvfb"


def median(runs, key):
    values = [r[key] for r in runs if r[key] is not None and r[key] == r[key]]
    return statistics.median(values) if values else float("nan")


def row(name, interval, clicks, runs):
    launch = median(runs, "launch_ms")
    return (f"| {name} | {interval} ms × {clicks} | {median(runs, 'delivered'):.0f} | "
            f"{median(runs, 'rate'):.1f} / {1000 / interval:.0f} | "
            f"{median(runs, 'drift_pct'):+.3f} % | "
            f"{median(runs, 'p50'):.2f} / {median(runs, 'p99'):.2f} ms | "
            f"{median(runs, 'cpu_per_1000'):.3f} s | "
            + ("—" if launch != launch else f"{launch:.0f} ms")
            + f" | {median(runs, 'rss'):.1f} MiB |")


def chart(results, path):
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
    figure, axes = plt.subplots(len(CASES), 1, figsize=(9, 3.2 * len(CASES)))
    for axis, (interval, clicks) in zip(axes, CASES):
        for name, style in (("velmora", "-"), ("xdotool", "--")):
            runs = results[(name, interval)]
            middle = sorted(runs, key=lambda r: r["drift_pct"])[len(runs) // 2]  # the median run
            seconds = [t / 1000 for t, _ in middle["error"]]
            error = [e for _, e in middle["error"]]
            axis.plot(seconds, error, style, linewidth=1, label=name)
        axis.set_title(f"{interval} ms × {clicks}: lateness of each click against its schedule")
        axis.set_xlabel("seconds since the first click")
        axis.set_ylabel("ms late")
        axis.legend()
    figure.tight_layout()
    figure.savefig(path, dpi=90)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--velmora", required=True)
    parser.add_argument("--target", required=True)
    parser.add_argument("--map-watch", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--chart", required=True)
    args = parser.parse_args()
    work = Path(tempfile.mkdtemp(prefix="velmora-bench-"))
    xvfb, display = e2e_support.start_xvfb()
    ENV.update(e2e_support.clean_environment({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb"}))
    describe = Path(args.target).with_name("linux_describe_window")
    for line in sh(str(describe)).split("\n"):
        alias, *place = line.split()
        CONTROLS[alias] = tuple(int(n) for n in place[:4])
    clickers = [("velmora", bench_velmora), ("xdotool", bench_xdotool)]
    results = {}
    try:
        for interval, clicks in CASES:
            for run in range(RUNS):
                # Rotating order: each clicker goes first in turn.
                for name, bench in clickers[run % 2:] + clickers[:run % 2]:
                    results.setdefault((name, interval), []).append(
                        bench(args, work, interval, clicks))
                    print(name, interval, run, results[(name, interval)][-1]["delivered"],
                          file=sys.stderr)
    finally:
        e2e_support.stop_display(xvfb, work)
    rows = [row(name, interval, clicks, results[(name, interval)])
            for interval, clicks in CASES for name, _ in clickers]
    table = "\n".join([
        "| clicker | run | clicks delivered | clicks/s delivered / requested | cumulative drift "
        "over the delivered clicks | interval p50 / p99 | CPU per 1,000 clicks | "
        "launch to window mapped | peak RSS |",
        "|---|---|---|---|---|---|---|---|---|",
        *rows,
    ])
    chart(results, args.chart)
    text = (f"# Velmora against xdotool\n\nMeasured {time.strftime('%Y-%m-%d')} on {machine()} "
            f"by `bench/run.sh`: medians of {RUNS} runs per case, the clickers in rotating "
            f"order. Click times are read by the receiving window (monotonic clock, "
            f"microseconds); CPU is read at the first and the last click of each clicker's "
            f"own process; launch is the time from start to the window's map event; peak RSS "
            f"is the clicker's own process.\n\n{table}\n\n"
            f"![Lateness of each click](interval-error.png)\n")
    print(text)
    Path(args.out).write_text(text)


if __name__ == "__main__":
    main()
