"""The built program in the desktop session, seen through AT-SPI.

Controls are found by their accessible names, as a screen reader finds
them; their texts, states, values and places on the screen are read from
the accessibility bus, never from the program's own code.
"""
import os
import tempfile
import subprocess
import time

import pyatspi

from session import Input, wait_for

VALUE = "Chi-square value"
CDF = "Cumulative distribution function"
UPPER = "Upper tail probability"
DF = "Degrees of freedom"
KEEP_VALUE = "Keep the chi-square value when the degrees of freedom change"
KEEP_CDF = "Keep the cumulative probability when the degrees of freedom change"
CHART = "Density chart"
DENSITY_PREFIX = "Probability density function: "

# What a screen reader hears on a German desktop: the program speaks the
# desktop's language, so the scenarios' English names are looked up in
# German there.
GERMAN_NAMES = {
    VALUE: "Chi-Quadrat-Wert",
    CDF: "Verteilungsfunktion",
    UPPER: "Irrtumswahrscheinlichkeit",
    DF: "Freiheitsgrade",
    KEEP_VALUE: "Chi-Quadrat-Wert festhalten, wenn sich die Freiheitsgrade ändern",
    KEEP_CDF: "Kumulierte Wahrscheinlichkeit festhalten, wenn sich die Freiheitsgrade ändern",
    CHART: "Dichtediagramm",
    DENSITY_PREFIX: "Wahrscheinlichkeitsdichte: ",
    # The power and table windows.
    "Power and sample size - Tarvik": "Teststärke und Stichprobenumfang - Tarvik",
    "Effect size w": "Effektstärke w",
    "Significance level alpha": "Signifikanzniveau Alpha",
    "Power": "Teststärke",
    "Total sample size N": "Gesamtstichprobenumfang N",
    "power reached at N = {n}: {power}": "erreichte Teststärke bei N = {n}: {power}",
    "Discordant proportion p10, yes then no": "Diskordanter Anteil p10, ja dann nein",
    "Discordant proportion p01, no then yes": "Diskordanter Anteil p01, nein dann ja",
    "Number of pairs N": "Anzahl der Paare N",
    "exact (binomial) test's power at N = {n}: {power}": "Teststärke des exakten (Binomial-)Tests bei N = {n}: {power}",
    "Test a table - Tarvik": "Tabelle testen - Tarvik",
    "Counts": "Häufigkeiten",
    "Fisher's exact p": "Fishers exaktes p",
    "Fisher's exact p = {p}": "Fishers exaktes p = {p}",
    "alt+c": "alt+r",  # "Into the &calculator", "In den &Rechner"
    "alt+s": "alt+l",  # "&Solve for", "&Lösen für"
}


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


class Program:
    def __init__(self, path, env_extra=None):
        self.path = path
        env = dict(os.environ)
        # Its settings in a scratch place: each run starts from the defaults,
        # and the user's own are never touched.
        self._config = tempfile.TemporaryDirectory(prefix="tarvik-config-")
        env["XDG_CONFIG_HOME"] = self._config.name
        env.update({"QT_QPA_PLATFORM": "xcb", "QT_ACCESSIBILITY": "1", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
        env.update(env_extra or {})
        self.names = GERMAN_NAMES if env.get("LANG", "").startswith("de_") else {}
        self.process = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                        text=True)
        self._controls = []
        self.app = wait_for(self._find_app, 15, 0.1)
        if not self.app:
            raise RuntimeError("the program did not appear on the accessibility bus")
        # The start values are written when the window is first activated.
        if not wait_for(lambda: self.text(VALUE) not in ("", "0"), 10):
            raise RuntimeError("the start values were not written")
        self.activate()

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.name == "tarvik" and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                continue
        return None

    def close(self):
        self._close_process()
        self._config.cleanup()

    def _close_process(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()

    # ------------------------------------------------------------ finding

    def windows(self):
        return [self.app.getChildAtIndex(i) for i in range(self.app.childCount)]

    def main_window(self):
        for w in self.windows():
            if w is not None and w.name == " Zu  Tarvik" and w.getRole() == pyatspi.ROLE_FILLER:
                return w
        return self.windows()[0]

    def find(self, name):
        """A control of the main window by its accessible name ("prefix*"
        for a name that changes). The window's controls stay for the
        program's life, so they are looked up once: each AT-SPI question is
        a round trip."""
        for attempt in range(2):
            if attempt or not self._controls:
                self._controls = list(walk(self.main_window()))
            if name.endswith("*"):
                name = self.names.get(name[:-1], name[:-1]) + "*"
            else:
                name = self.names.get(name, name)
            for acc in self._controls:
                try:
                    if acc.name == name or (name.endswith("*") and acc.name.startswith(name[:-1])):
                        return acc
                except Exception:
                    continue
        raise LookupError(f"no control named {name!r}")

    def word(self, english):
        """A text of the program as it shows it: in German on a German desktop."""
        return self.names.get(english, english)

    def find_anywhere(self, predicate):
        for w in self.windows():
            for acc in walk(w):
                try:
                    if predicate(acc):
                        return acc
                except Exception:
                    continue
        return None

    # ------------------------------------------------------------ reading

    def text(self, name):
        return self.find(name).queryText().getText(0, -1)

    def df(self):
        return int(self.find(DF).queryValue().currentValue)

    def density(self):
        prefix = self.names.get(DENSITY_PREFIX, DENSITY_PREFIX)
        return self.find(DENSITY_PREFIX + "*").name[len(prefix):]

    def texts(self):
        out = {}
        for name in (VALUE, CDF, UPPER):
            try:
                out[name] = self.text(name)
            except Exception as e:  # noqa: BLE001 - for the report only
                out[name] = f"<{e}>"
        try:
            out[DF] = self.df()
            out["density"] = self.density()
        except Exception as e:  # noqa: BLE001
            out["df/density"] = f"<{e}>"
        return out

    def selection(self, name):
        text = self.find(name).queryText()
        if text.getNSelections() == 0:
            caret = text.caretOffset
            return caret, caret
        start, end = text.getSelection(0)
        return start, end

    def checked(self, name):
        return self.find(name).getState().contains(pyatspi.STATE_CHECKED)

    def focused(self, name):
        return self.find(name).getState().contains(pyatspi.STATE_FOCUSED)

    def centre(self, name, dx=0, dy=0):
        e = self.find(name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return e.x + e.width // 2 + dx, e.y + e.height // 2 + dy

    def extents(self, name):
        e = self.find(name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height

    # ------------------------------------------------------------ acting

    def activate(self):
        # Focus follows a click on the window's empty background.
        x, y, w, h = self.main_window().queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        Input.click(x + 20, y + h - 12)
        time.sleep(0.1)

    def click(self, name, button=1, repeat=1, dx=0, dy=0):
        x, y = self.centre(name, dx, dy)
        Input.click(x, y, button, repeat)

    def focus_field(self, name):
        """Clicks into a field, as a user would before editing: near its end
        (the df field left of its arrows)."""
        x, y, w, h = self.extents(name)
        Input.click(x + (8 if name == DF else w - 4), y + h // 2)
        wait_for(lambda: self.focused(name), 2)

    def do_action(self, name, action):
        acc = self.find(name)
        actions = acc.queryAction()
        for i in range(actions.nActions):
            if actions.getName(i) == action:
                return actions.doAction(i)
        raise LookupError(f"{name!r} has no action {action!r}")

    def stderr(self):
        if self.process.poll() is None:
            return ""
        return self.process.stderr.read()
