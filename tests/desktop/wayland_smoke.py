#!/usr/bin/python3
"""The program under a Wayland compositor with no X11 at all: weston's
headless backend, Qt's wayland platform, no DISPLAY. It starts on the
compositor's default socket (no WAYLAND_DISPLAY named), computes what the
accessibility bus asks of it, and closes when the session asks it to; and
where no compositor runs, it says so in one line.

Usage: wayland_smoke.py PROGRAM REFERENCE_TEXTS
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))


def main():
    program, reference = sys.argv[1], sys.argv[2]
    runtime = tempfile.mkdtemp(prefix="tarvik-wayland-")
    os.chmod(runtime, 0o700)
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET")}
    env.update({"XDG_RUNTIME_DIR": runtime, "QT_QPA_PLATFORM": "wayland"})
    os.environ.clear()
    os.environ.update(env)
    processes = []
    results = []

    def check(what, ok, detail=""):
        print(f"{'ok  ' if ok else 'FAIL'}  {what}{': ' + detail if detail and not ok else ''}", flush=True)
        results.append(ok)

    try:
        # No compositor yet: one line, exit 1.
        gone = subprocess.run([program], env=env, capture_output=True, text=True, timeout=30)
        check("without a compositor: one line and exit 1",
              gone.returncode == 1 and gone.stderr == "Tarvik needs a graphical display: no Wayland display "
                                                       "'wayland-0' is running.\n", repr((gone.returncode, gone.stderr)))

        bus = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             capture_output=True, text=True, check=True)
        address, pid = bus.stdout.split("\n")[:2]
        env["DBUS_SESSION_BUS_ADDRESS"] = os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=wayland-0", "--idle-time=0"],
                                  env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        processes.append(weston)
        deadline = time.monotonic() + 15
        while not os.path.exists(os.path.join(runtime, "wayland-0")) and time.monotonic() < deadline:
            time.sleep(0.05)
        if not os.path.exists(os.path.join(runtime, "wayland-0")):
            print("weston's headless backend did not start here: nothing to test")
            print("0 passed, 0 failed, 1 skipped")
            return 0

        import pyatspi
        app_env = dict(env, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        tarvik = subprocess.Popen([program], env=app_env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                  text=True)
        processes.append(tarvik)

        def find(name):
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is None or app.get_process_id() != tarvik.pid:
                    continue
                stack = [app]
                while stack:
                    acc = stack.pop()
                    if acc.name == name:
                        return acc
                    stack.extend(acc.getChildAtIndex(j) for j in range(acc.childCount))
            return None

        def wait(condition, timeout=10):
            end = time.monotonic() + timeout
            while time.monotonic() < end:
                try:
                    value = condition()
                    if value:
                        return value
                except Exception:  # noqa: BLE001 - the program may still be starting
                    pass
                time.sleep(0.1)
            return None

        value = wait(lambda: find("Chi-square value"), 20)
        check("the window starts on the default socket", value is not None, tarvik.stderr.read() if
              tarvik.poll() is not None else "no window on the accessibility bus")
        if value is not None:
            text = lambda acc: acc.queryText().getText(0, -1)  # noqa: E731
            check("the start values", wait(lambda: text(value) == "3.841459") is not None, text(value))
            find("Degrees of freedom").queryValue().currentValue = 10.0
            find("Upper tail probability").queryEditableText().setTextContents("0.05")
            want = subprocess.run([reference, "10", "upper", "0.05"], capture_output=True, text=True,
                                  check=True).stdout.split()[0]
            check("it computes: df 10 at an upper tail of 0.05", wait(lambda: text(value) == want) is not None,
                  f"{text(value)!r}, want {want!r}")
        tarvik.send_signal(signal.SIGTERM)
        try:
            code = tarvik.wait(10)
        except subprocess.TimeoutExpired:
            code = None
        why = f"exit {code}" if code == 0 else f"exit {code}: {tarvik.stderr.read()[-600:]}"
        check("it closes when the session asks", code == 0, why)
        try:
            os.kill(int(pid), signal.SIGTERM)
        except OSError:
            pass
    finally:
        for p in processes:
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(runtime, ignore_errors=True)
    failed = results.count(False)
    print(f"wayland smoke: {len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
