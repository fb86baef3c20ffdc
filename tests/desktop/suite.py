"""The scenarios' registry and the checks they make."""
import subprocess

from session import Input, wait_for

# Group name -> (environment of the program, its scenarios in order). The
# scenarios of a group share one start of the program.
GROUPS = {}


def scenario(group, env=None):
    def register(function):
        GROUPS.setdefault(group, (env or {}, []))[1].append(function)
        return function
    return register


class Failure(AssertionError):
    pass


class Check:
    """What a scenario uses: the program, the input devices, the reference."""

    def __init__(self, program, reference, comma=False):
        self.p = program
        self.reference_path = reference
        self.comma = comma

    def reference(self, df, kind, number):
        kind = "cdf" if kind == "frozen cdf" else kind
        out = subprocess.run([self.reference_path, str(df), kind, number], capture_output=True, text=True,
                             check=True).stdout.split()
        texts = dict(zip(("value", "cdf", "upper", "density"), out))
        if self.comma:
            texts = {k: v.replace(".", ",") for k, v in texts.items()}
        return texts

    def equal(self, what, got, want):
        if got != want:
            raise Failure(f"{what}: got {got!r}, want {want!r}")

    def becomes(self, what, read, want, timeout=3.0):
        got = wait_for(lambda: read() == want, timeout) and want or read()
        self.equal(what, got, want)

    def field_becomes(self, name, want, timeout=3.0):
        self.becomes(name, lambda: self.p.text(name), want, timeout)

    def fields_agree_with(self, df, kind, number):
        """The fields the reference computes from the given one show its
        texts, and so does the density. The given field keeps its own text,
        and a frozen cdf its upper tail too."""
        from program import CDF, UPPER, VALUE
        want = self.reference(df, kind, number)
        computed = {"value": (CDF, UPPER), "cdf": (VALUE,), "upper": (VALUE,), "frozen cdf": (VALUE,)}[kind]
        for name in computed:
            self.field_becomes(name, want[{VALUE: "value", CDF: "cdf", UPPER: "upper"}[name]])
        self.becomes("density", self.p.density, want["density"])

    def replace_field(self, name, text):
        """Click into a field, select all with Ctrl+A, type."""
        self.p.focus_field(name)
        Input.keys("ctrl+a")
        Input.type(text)


