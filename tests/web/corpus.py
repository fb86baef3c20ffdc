#!/usr/bin/env python3
"""The page's module against its native twin on a corpus of command lines:
every answer (exit status, standard output, standard error) the same, byte
for byte. Both run the command line without files (RunCommandLineInMemory)
in the software Real; the module in WebAssembly under node, the twin
natively.

Usage: corpus.py NATIVE_ANSWER TARVIK_JS
"""
import itertools
import json
import os
import subprocess
import sys
import tempfile

HOMEWORK = "20,15,25\n30,25,10\n"


def cases():
    """(args, input, comma) of every case, in a fixed order."""
    out = []

    def add(args, text="", comma=False):
        out.append((args, text, comma))

    for df, x in itertools.product([1, 2, 5, 12, 37, 100, 1000, 65535], ["0", "1e-300", "0.5", "3.841459", "23.5", "1000", "1e6"]):
        add(["--df", str(df), "--value", x])
        add(["--df", str(df), "--value", x, "--numbers", "significant", "--precision", "19"])
    for df, p, tail in itertools.product([1, 3, 10, 100], ["1e-300", "1e-10", "0.01", "0.05", "0.5", "0.95", "0.999999"], ["--cdf", "--upper"]):
        add(["--df", str(df), tail, p, "--numbers", "scientific", "--precision", "18"])
    for df in [1, 4, 30]:
        add(["--df", str(df), "--two-sided", "0.05"])
        add(["--df", str(df), "--between", "0.5", "7.5", "--precision", "17"])
    for df, ncp, x in itertools.product([1, 3, 10], ["0.5", "10", "1000"], ["1", "20", "1500"]):
        add(["--df", str(df), "--ncp", ncp, "--value", x, "--numbers", "significant", "--precision", "18"])
    add(["--df", "3", "--ncp", "10", "--upper", "0.05"])
    for df, w in itertools.product([1, 2, 6], ["0.1", "0.3", "0.5"]):
        add(["--df", str(df), "--effect", w, "--alpha", "0.05", "--power", "0.8"])
        add(["--df", str(df), "--effect", w, "--alpha", "0.05", "--n", "100"])
    add(["--df", "1", "--effect", "1", "--power", "0.5", "--n", "1500", "--numbers", "significant"])
    add(["--df", "1", "--effect", "0.1,0.3,0.5", "--alpha", "0.05", "--n", "50..200:50"])
    add(["--shape", "3x4", "--v", "0.3", "--alpha", "0.05", "--power", "0.8"])
    add(["--design", "mcnemar", "--p10", "0.25", "--p01", "0.1", "--alpha", "0.05", "--power", "0.8"])
    add(["--design", "mcnemar", "--p01", "0.1", "--or", "2.5", "--alpha", "0.05", "--n", "120"])
    add(["--design", "two-proportions", "--p1", "0.25", "--p2", "0.4", "--alpha", "0.05", "--power", "0.8"])
    add(["--design", "two-proportions", "--p1", "0.3", "--p2", "0.45", "--ratio", "2", "--correct", "--alpha", "0.05", "--power", "0.8"])
    add(["--design", "groups", "--groups", "0.2,0.8/0.4,0.6", "--sizes", "1,2", "--alpha", "0.05", "--power", "0.8"])
    for s2, n in [("4.2", "20"), ("0.01", "2"), ("1e6", "65536")]:
        add(["--variance", s2, "--n", n])
        add(["--variance", s2, "--n", n, "--sigma2", "3", "--level", "0.99"])
    tables = [
        HOMEWORK, "3,1\n1,3\n", "12,5\n3,9\n", "999999999999999,999999999999999\n999999999999999,1000000000000000\n",
        ",low,mid,high\nA,12,7,3\nB,4,9,15\n", "\ufeff;A;B\nx;3;1\ny;1;3\n", "1,0,2,1,0,1\n0,2,0,1,2,1\n",
        "18,22,30,30\n", "10,20,30,40\n", "5,0\n0,5\n1,1\n", "8,223,0\n",
    ]
    for table, form in itertools.product(tables, ["text", "csv", "markdown"]):
        add(["--counts", "-", "--format", form], table)
    add(["--counts", "-", "--expected", "0.1,0.2,0.3,0.4"], "10,20,30,40\n")
    add(["--counts", "-", "--expected", "9:3:3:1"], "315,108,101,32\n")
    add(["--counts", "-", "--estimated", "1"], "18,22,30,30\n")
    add(["--counts", "-", "--fit", "poisson"], "109,65,22,3,1\n")
    add(["--counts", "-", "--paired"], "794,86\n150,570\n")
    add(["--counts", "-", "--paired"], "10,2,3\n4,12,1\n2,5,9\n")
    add(["--counts", "-", "--pairwise", "holm"], HOMEWORK + "10,20,30\n")
    add(["--counts", "-", "--seed", "7", "--exact-seconds", "0"], HOMEWORK)
    for args in (["--df", "1..30", "--upper", "0.1,0.05,0.01", "--table"],
                 ["--df", "1..5", "--cdf", "0.9,0.95", "--table", "--format", "tsv"],
                 ["--df", "1..200", "--upper", "0.05"],
                 ["--df", "2", "--value", "0..10:0.5", "--format", "csv"],
                 ["--df", "1,2,3", "--value", "1,2"]):
        add(args)
    add(["--df", "3", "--value", "-"], "".join(f"{i % 50}.5\n" for i in range(2000)))
    add(["--df", "3", "--upper", "-"], "0.05\n0.01\n\n0.001\n")
    add(["--df", "1..3", "--value", "-"], "1\n2\n3\n")
    for args in (["--df", "12", "--value", "23,5"], ["--df", "2", "--value", "23,5;7,8"],
                 ["--df", "1", "--upper", "0,05;0,01", "--table"], ["--counts", "-"]):
        add(args, "20;15;25\n30;25;10\n" if args[0] == "--counts" else "", True)
    add(["--df", "3", "--value", "-"], "1,5\n2,5\n", True)
    bad = [
        ["--df", "0", "--value", "1"], ["--df", "1.5", "--value", "1"], ["--df", "1", "--value", "-1"],
        ["--df", "1", "--value", "abc"], ["--df", "1", "--cdf", "1.5"], ["--df", "1", "--upper", "0"],
        ["--df", "1"], ["--value", "1"], ["--df", "1", "--value", "1", "--value", "2"], ["--nonsense"],
        ["--df", "1", "--effect", "0.3", "--alpha", "0.05"], ["--df", "1", "--effect", "1", "--power", "0.5", "--n", "400000"],
        ["--design", "mcnemar", "--p10", "0.25"], ["--design", "nothing"], ["--variance", "-1", "--n", "5"],
        ["--df", "1", "--value", "1", "--precision", "99"], ["--df", "1", "--value", "1", "--format", "pdf"],
        ["--df", "1", "--value", "1", "--output", "x.txt"], ["--df", "1", "--value", "1", "--export-chart", "x.svg"],
        ["--counts", "table.csv"], ["--df", "1", "--value", "1e7"], ["--df", "1..70000", "--value", "1"],
        ["--counts", "-", "--expected", "0.5,0.6"], ["--counts", "-", "--fit", "normal"],
    ]
    for args in bad:
        add(args, "1,2\n3,4\n" if "--counts" in args else "")
    add(["--counts", "-"], "1,x\n3,4\n")
    add(["--counts", "-"], "")
    add(["--df", "3", "--value", "-"], "1\n2\nthree\n")
    add(["--help"])
    add(["--version"])
    add([])
    return out


def main():
    native, module = sys.argv[1], sys.argv[2]
    all_cases = cases()
    with tempfile.TemporaryDirectory() as work:
        corpus = os.path.join(work, "corpus.jsonl")
        with open(corpus, "w", encoding="utf-8") as f:
            for args, text, comma in all_cases:
                f.write(json.dumps({"args": args, "input": text, "comma": comma}) + "\n")
        here = os.path.dirname(os.path.abspath(__file__))
        ran = subprocess.run(["node", os.path.join(here, "run_module.js"), module, corpus],
                             capture_output=True, check=True)
        answers = [json.loads(line) for line in ran.stdout.decode("utf-8").splitlines()]
    if len(answers) != len(all_cases):
        print(f"the module answered {len(answers)} of {len(all_cases)} cases", file=sys.stderr)
        return 1
    differ = 0
    for (args, text, comma), theirs in zip(all_cases, answers):
        mine = subprocess.run([native] + (["--comma"] if comma else []) + args, input=text.encode("utf-8"),
                              capture_output=True)
        expected = {"status": mine.returncode, "out": mine.stdout.decode("utf-8"), "err": mine.stderr.decode("utf-8")}
        if expected != theirs:
            differ += 1
            if differ <= 5:
                print(f"differs: {args} comma={comma}\n native: {expected}\n module: {theirs}", file=sys.stderr)
    print(f"{len(all_cases) - differ} of {len(all_cases)} command lines answered alike by the module and natively")
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
