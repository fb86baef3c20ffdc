#!/usr/bin/python3
"""Start-up against an empty Qt Widgets window of the same size, against the
same window after one word has been measured in its font (the least any
text costs: the font database, one font engine, one shaping), and against
the same window with one label and one line edit: the time from starting
the process to its window being mapped, and the peak resident memory then,
in alternating turns on an X server without a window manager.

    scripts/bench-startup.py build/window/tarvik build/bench/empty_window [PAIRS]

The map is seen as an X client sees it: a MapNotify on the root window
(xev listening for substructure events), read as it arrives.

A desktop has a session bus. Without one, every Qt program forks to look
for dbus-launch while it starts, whether the window is mapped yet or not,
and the turns scatter by several milliseconds; so the script runs itself
under dbus-run-session where no bus is set.
"""
import os
import shutil
import statistics
import subprocess
import sys
import time


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def window_size(program, env):
    """The calculator window's size, for an empty window as large."""
    proc = subprocess.Popen([program], env=env)
    try:
        for _ in range(100):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)],
                                   env=env, capture_output=True, text=True).stdout.split()
            out = subprocess.run(["xdotool", "getwindowgeometry", found[0]], env=env, capture_output=True,
                                 text=True).stdout if found else ""
            if "Geometry:" in out:
                w, h = out.split("Geometry:")[1].split()[0].split("x")
                return int(w), int(h)
            time.sleep(0.05)
    finally:
        proc.terminate()
        proc.wait()
    raise SystemExit("the calculator window did not appear")


def start_once(command, env, events):
    start = time.monotonic()
    proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while True:
        line = events.stdout.readline()
        if not line:
            raise SystemExit("xev stopped")
        if line.startswith("MapNotify event") and "override NO" in events_block(events, line):
            mapped = time.monotonic() - start
            break
    rss = peak_rss_kib(proc.pid)
    proc.terminate()
    proc.wait()
    return mapped * 1000, rss / 1024


def events_block(events, first):
    # xev writes an event over two lines; "override" is on the second.
    return first + events.stdout.readline()


def main():
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ and shutil.which("dbus-run-session"):
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)
    tarvik, empty = sys.argv[1], sys.argv[2]
    pairs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    display = ":97"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    env.pop("WAYLAND_DISPLAY", None)
    try:
        for _ in range(100):
            if subprocess.run(["xdpyinfo"], env=env, capture_output=True).returncode == 0:
                break
            time.sleep(0.05)
        width, height = window_size(tarvik, env)
        events = subprocess.Popen(["xev", "-root", "-event", "substructure"], env=env, stdout=subprocess.PIPE,
                                  text=True, bufsize=1)
        time.sleep(0.3)
        commands = {"tarvik": [tarvik], "empty": [empty, str(width), str(height)],
                    "one word": [empty, str(width), str(height), "word"],
                    "with text": [empty, str(width), str(height), "text"]}
        results = {name: [] for name in commands}
        for _ in range(pairs):
            for name, command in commands.items():
                results[name].append(start_once(command, env, events))
        events.terminate()
        print(f"window {width}x{height}, {pairs} alternating turns, medians:")
        time_ms = {name: statistics.median(r[0] for r in runs) for name, runs in results.items()}
        rss_mib = {name: statistics.median(r[1] for r in runs) for name, runs in results.items()}
        for what, value, unit in (("to a mapped window", time_ms, "ms"), ("peak resident memory", rss_mib, "MiB")):
            print(f"  {what}:")
            for name, measured in value.items():
                ratios = ", ".join(f"{measured / value[base]:.2f}x {base}" for base in ("empty", "with text"))
                print(f"    {name:10s} {measured:6.1f} {unit}  ({ratios})")
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
