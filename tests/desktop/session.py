"""A desktop session for the real-input suite: Xvfb, a D-Bus session with
the accessibility bus, openbox, and the built program in it.

Input goes in as a keyboard and a mouse send it: xdotool's plain key, type
and click, which use the XTEST extension. (Its --window form sends
XSendEvent, which Qt ignores for shortcuts.) What the program shows is read
back through AT-SPI, the path a screen reader takes, never through our code.
"""
import os
import shutil
import signal
import subprocess
import tempfile
import time


def run(args, env=None, check=True, capture=False):
    return subprocess.run(args, env=env, check=check, text=True,
                          stdout=subprocess.PIPE if capture else subprocess.DEVNULL,
                          stderr=subprocess.PIPE if capture else subprocess.DEVNULL)


def wait_for(condition, timeout=4.0, step=0.03):
    """Polls until condition() is true; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(step)


class Desktop:
    """Xvfb, D-Bus and openbox, started once for the whole suite."""

    def __init__(self):
        self.processes = []
        self.runtime = tempfile.mkdtemp(prefix="tarvik-runtime-")
        os.chmod(self.runtime, 0o700)
        for number in range(70, 100):
            if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
                break
        self.display = f":{number}"
        self.start(["Xvfb", self.display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"])
        if not wait_for(lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"), 10):
            raise RuntimeError("Xvfb did not start")
        os.environ["DISPLAY"] = self.display
        os.environ["XDG_RUNTIME_DIR"] = self.runtime
        os.environ.pop("WAYLAND_DISPLAY", None)
        bus = run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"], capture=True)
        address, pid = bus.stdout.split("\n")[:2]
        self.dbus_pid = int(pid)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        self.start(["openbox"])
        time.sleep(0.5)

    def start(self, args, env=None):
        process = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(3)
                except subprocess.TimeoutExpired:
                    process.kill()
        try:
            os.kill(self.dbus_pid, signal.SIGTERM)
        except (OSError, AttributeError):
            pass
        run(["pkill", "-f", "at-spi-bus-launcher.*" + os.environ.get("DBUS_SESSION_BUS_ADDRESS", "none")], check=False)
        shutil.rmtree(self.runtime, ignore_errors=True)


class Input:
    """The keyboard and the mouse, through XTEST."""

    @staticmethod
    def keys(*keys, delay=25):
        run(["xdotool", "key", "--delay", str(delay), *keys])

    @staticmethod
    def type(text, delay=30):
        run(["xdotool", "type", "--delay", str(delay), text])

    @staticmethod
    def move(x, y):
        run(["xdotool", "mousemove", str(x), str(y)])

    @staticmethod
    def click(x, y, button=1, repeat=1):
        run(["xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat),
             "--delay", "60", str(button)])

    @staticmethod
    def drag(x1, y, x2):
        run(["xdotool", "mousemove", str(x1), str(y), "mousedown", "1",
             "mousemove", str((x1 + x2) // 2), str(y), "mousemove", str(x2), str(y),
             "mouseup", "1"])

    @staticmethod
    def hold(x, y, seconds):
        run(["xdotool", "mousemove", str(x), str(y), "mousedown", "1"])
        time.sleep(seconds)
        run(["xdotool", "mouseup", "1"])


class Clipboard:
    """The X clipboard and primary selection, as another program sees them."""

    @staticmethod
    def set(text, selection="clipboard"):
        subprocess.run(["xclip", "-selection", selection, "-i"], input=text, text=True, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @staticmethod
    def get_targets(selection="clipboard"):
        result = subprocess.run(["xclip", "-selection", selection, "-o", "-t", "TARGETS"], text=True,
                                capture_output=True)
        return result.stdout.split() if result.returncode == 0 else []

    @staticmethod
    def get(selection="clipboard"):
        result = subprocess.run(["xclip", "-selection", selection, "-o"], text=True, capture_output=True)
        return result.stdout if result.returncode == 0 else ""
