#!/usr/bin/env python3
"""Clicks per second, drift, jitter, CPU and memory: Velmora against
`xdotool click --repeat N --delay D` on one Xvfb display, into the same
receiving window. Prints one table and writes it as Markdown."""
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

TARGET_PLACE = (880, 80, 240, 160)
TARGET_CENTRE = (1000, 160)
GROUP = (12, 9)
INTERVAL_BOX = (135, 76, 32, 16)
COUNT_BOX = (56, 67, 32, 16)
CASES = [(10, 1000), (100, 200)]  # interval in ms, clicks
ENV = {}
READING = """Velmora's clicks follow its precise timer with no cumulative drift, where
xdotool's sleep-after-click loop falls behind by a little each click. Velmora
spends more CPU per click: each click also reads the settings from the
window, writes and paints the status line (painting is held to one frame per
40 ms at fast rates) and publishes the status as an X property; the rest is
Qt's event loop and the X round trip that reads the pointer. xdotool is a
bare loop of XTest calls and sleeps.
"""


def sh(*command, timeout=120):
    return e2e_support.run(ENV, *command, timeout=timeout).stdout.decode().strip()


def cpu_seconds(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def peak_rss_mib(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1]) / 1024
    return float("nan")


def timing(times, interval, clicks):
    gaps = [b - a for a, b in zip(times, times[1:])]
    span = times[-1] - times[0] if len(times) > 1 else 0
    planned = (clicks - 1) * interval
    return {
        "delivered": len(times),
        "rate": (len(times) - 1) / (span / 1000) if span else float("nan"),
        "requested": 1000 / interval,
        "drift_ms": span - planned,
        "drift_pct": 100 * (span - planned) / planned,
        "p50": statistics.median(gaps) if gaps else float("nan"),
        "p99": sorted(gaps)[min(len(gaps) - 1, int(len(gaps) * 0.99))] if gaps else float("nan"),
    }


def start_target(args, work):
    log = ClickLog(work / "clicks.log")
    log.path.unlink(missing_ok=True)
    process = subprocess.Popen([args.target, str(log.path), *map(str, TARGET_PLACE)], env=ENV)
    if not wait_until(log.ready, 20):
        raise RuntimeError("click target did not start")
    return log, process


def click_box(origin, box):
    left, top, width, height = box
    sh("xdotool", "mousemove", str(origin[0] + GROUP[0] + left + width // 2),
       str(origin[1] + GROUP[1] + top + height // 2), "click", "1")


def bench_velmora(args, work, interval, clicks):
    log, target = start_target(args, work)
    started = time.monotonic()
    velmora = subprocess.Popen([args.velmora], env=ENV, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    window = sh("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Velmora").split()[0]
    mapped_ms = (time.monotonic() - started) * 1000
    x, y = sh("xdotool", "getwindowgeometry", window).split("Position: ")[1].split(" ")[0].split(",")
    origin = (int(x), int(y))
    for box, value in ((INTERVAL_BOX, interval), (COUNT_BOX, clicks)):
        click_box(origin, box)
        sh("xdotool", "key", "ctrl+a")
        sh("xdotool", "type", str(value))
    sh("xdotool", "mousemove", *map(str, TARGET_CENTRE))
    time.sleep(0.5)
    cpu_before = cpu_seconds(velmora.pid)
    sh("xdotool", "key", "alt+d")
    wait_until(lambda: len(log.times("LDOWN")) >= clicks, interval * clicks / 1000 * 3 + 30, 0.05)
    time.sleep(interval / 1000 * 3 + 0.5)
    cpu = cpu_seconds(velmora.pid) - cpu_before
    rss = peak_rss_mib(velmora.pid)
    velmora.kill()
    velmora.wait()
    target.kill()
    target.wait()
    result = timing(log.times("LDOWN"), interval, clicks)
    result.update(cpu_per_1000=cpu * 1000 / max(1, result["delivered"]), launch_ms=mapped_ms,
                  rss=rss)
    return result


def bench_xdotool(args, work, interval, clicks):
    log, target = start_target(args, work)
    sh("xdotool", "mousemove", *map(str, TARGET_CENTRE))
    process = subprocess.Popen(["xdotool", "click", "--repeat", str(clicks), "--delay", str(interval),
                                "1"], env=ENV)
    _, _, usage = os.wait4(process.pid, 0)
    wait_until(lambda: len(log.times("LDOWN")) >= clicks, 10, 0.05)
    target.kill()
    target.wait()
    result = timing(log.times("LDOWN"), interval, clicks)
    cpu = usage.ru_utime + usage.ru_stime
    result.update(cpu_per_1000=cpu * 1000 / max(1, result["delivered"]), launch_ms=float("nan"),
                  rss=usage.ru_maxrss / 1024)
    return result


def machine():
    model = next((line.split(":", 1)[1].strip() for line in
                  Path("/proc/cpuinfo").read_text().splitlines() if line.startswith("model name")),
                 platform.processor())
    return f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, Xvfb"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--velmora", required=True)
    parser.add_argument("--target", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    work = Path(tempfile.mkdtemp(prefix="velmora-bench-"))
    xvfb, display = e2e_support.start_xvfb()
    ENV.update(e2e_support.clean_environment({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb"}))
    rows = []
    try:
        for interval, clicks in CASES:
            for name, bench in (("velmora", bench_velmora), ("xdotool", bench_xdotool)):
                r = bench(args, work, interval, clicks)
                rows.append(
                    f"| {name} | {interval} ms × {clicks} | {r['delivered']} | "
                    f"{r['rate']:.1f} / {r['requested']:.0f} | {r['drift_ms']:+.0f} ms "
                    f"({r['drift_pct']:+.2f} %) | {r['p50']:.0f} / {r['p99']:.0f} ms | "
                    f"{r['cpu_per_1000']:.3f} s | "
                    + ("—" if r["launch_ms"] != r["launch_ms"] else f"{r['launch_ms']:.0f} ms")
                    + f" | {r['rss']:.1f} MiB |")
    finally:
        xvfb.terminate()
        xvfb.wait()
    table = "\n".join([
        "| clicker | run | clicks delivered | clicks/s delivered / requested | cumulative drift "
        "(first to last click vs (N−1)×interval) | interval p50 / p99 | CPU per 1,000 clicks | "
        "launch to window mapped | peak RSS |",
        "|---|---|---|---|---|---|---|---|---|",
        *rows,
    ])
    text = (f"# Velmora against xdotool\n\nMeasured {time.strftime('%Y-%m-%d')} on {machine()} "
            f"by `bench/run.sh`. Times are the X server's event times at the receiving window.\n\n"
            f"{table}\n\n{READING}")
    print(text)
    Path(args.out).write_text(text)


if __name__ == "__main__":
    main()
