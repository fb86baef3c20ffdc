#!/usr/bin/python3
"""The real-input suite: the built program in a real X session, driven with
XTEST input as a keyboard and a mouse drive it, read back through AT-SPI.
Expected numbers come from reference_texts (Boost.Math in 50 digits).

Usage: real_input.py PROGRAM REFERENCE_TEXTS [SCENARIO-SUBSTRING...]
Prints one line per scenario and a closing "N passed, M failed" line; a
failing scenario prints what it saw in the fields.
"""
import os
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from session import Desktop, Input  # noqa: E402
from suite import GROUPS, Check, Failure  # noqa: E402

def main():
    program_path, reference_path = sys.argv[1], sys.argv[2]
    wanted = sys.argv[3:]
    import scenarios  # noqa: F401  (registers the groups)
    from program import Program

    desktop = Desktop()
    passed = failed = 0
    start = time.monotonic()
    try:
        for name, (env, steps) in GROUPS.items():
            chosen = [s for s in steps if not wanted or any(w in f"{name}: {s.__name__}" for w in wanted)]
            if not chosen:
                continue
            program = Program(program_path, env)
            check = Check(program, reference_path, comma=bool(env.get("LC_ALL", "").startswith("de_")))
            try:
                for step in chosen:
                    label = f"{name}: {step.__name__.replace('_', ' ')}"
                    t0 = time.monotonic()
                    try:
                        if program.process.poll() is not None:
                            raise Failure("the program has ended: " + program.stderr()[-400:])
                        step(check)
                        passed += 1
                        print(f"ok    {label} ({time.monotonic() - t0:.1f} s)", flush=True)
                    except Exception as e:  # noqa: BLE001 - every failure is reported
                        failed += 1
                        print(f"FAIL  {label}: {e}", flush=True)
                        if not isinstance(e, Failure):
                            traceback.print_exc()
                        try:
                            print(f"      the fields showed: {program.texts()}", flush=True)
                        except Exception:  # noqa: BLE001
                            pass
                        # A failed step may leave a box or a menu open.
                        Input.keys("Escape")
                        time.sleep(0.2)
                        program.activate()
            finally:
                program.close()
    finally:
        desktop.close()
    print(f"real input: {time.monotonic() - start:.0f} s")
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
