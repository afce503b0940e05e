#!/usr/bin/env python3
"""Mutation run over the core: how many small faults do the core tests catch?

Each site changes one comparison, boolean operator, return value or integer
constant in one line of a .cpp file under src/core. For every chosen site the
script writes the changed line, rebuilds the core tests and the command-line
program, runs the core tests and the scenario scripts, and puts the line back.
A site whose change does not compile is left out of the score; a run that
fails or times out counts as caught.

  tools/mutate.py [--sites 200] [--seed 1] [--build build-mutate] [--report FILE]
                  [--paths DIR_OR_FILE ...] [--tests GTEST_FILTER] [--recheck REPORT]

--paths keeps the sites to the .cpp files under the given paths (relative to
the project); --tests runs only the core tests the filter names (the
scenario scripts always run); --recheck runs again only the sites a previous
report lists as survivors, to see whether mended tests now catch them.
"""

import argparse
import random
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CORE = ROOT / "src" / "core"

COMPARISONS = {"==": "!=", "!=": "==", "<=": "<", ">=": ">", "<": "<=", ">": ">="}
BOOLEANS = {"&&": "||", "||": "&&"}
RETURNS = {"return true;": "return false;", "return false;": "return true;", "return {};": None}

# Operators are looked for outside string and character literals only.
LITERAL = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')
# A lone < or > is a comparison only with a blank on each side; template
# brackets never have one.
OPERATOR = re.compile(r"==|!=|<=|>=|&&|\|\||(?<= )[<>](?= )|!(?!=)")
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")


def masked(line):
    """The line with its literals blanked, so that offsets stay the same."""
    return LITERAL.sub(lambda m: " " * len(m.group(0)), line)


def sites_of(path):
    sites = []
    lines = path.read_text().split("\n")
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if not stripped or stripped.startswith(("//", "#", "*", "/*", "static_assert")):
            continue
        code = masked(line)
        if "//" in code:
            code = code[: code.index("//")]
        for m in OPERATOR.finditer(code):
            op = m.group(0)
            if op == "!":
                new = line[: m.start()] + line[m.end():]
                kind = "boolean"
            elif op in BOOLEANS:
                new = line[: m.start()] + BOOLEANS[op] + line[m.end():]
                kind = "boolean"
            else:
                new = line[: m.start()] + COMPARISONS[op] + line[m.end():]
                kind = "comparison"
            sites.append((path, number, kind, line, new))
        for ret, other in RETURNS.items():
            at = code.find(ret)
            if at >= 0 and other:
                sites.append((path, number, "return", line, line[:at] + other + line[at + len(ret):]))
        if "operator" in code or "[[" in code:
            continue
        for m in NUMBER.finditer(code):
            value = int(m.group(1))
            new = line[: m.start()] + str(value + 1 if value != 1 else 0) + line[m.end():]
            sites.append((path, number, "constant", line, new))
    return sites


def run(command, timeout, cwd=ROOT):
    try:
        return subprocess.run(command, cwd=cwd, timeout=timeout, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--sites", type=int, default=200)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--build", default="build-mutate")
    parser.add_argument("--report", default=None)
    parser.add_argument("--paths", nargs="*", default=None)
    parser.add_argument("--tests", default=None)
    parser.add_argument("--recheck", default=None)
    args = parser.parse_args()
    build = (ROOT / args.build).resolve()
    report = Path(args.report) if args.report else build / "mutation-report.txt"

    # Unoptimised, without debug information, linked by the fastest linker at
    # hand: each site rebuilds one file and relinks two programs.
    linker = "lld" if shutil.which("ld.lld") else "gold"
    configure = ["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Debug",
                 "-DCMAKE_CXX_FLAGS=-O0 -g0", f"-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld={linker}",
                 "-DTOLVANE_APP=OFF", "-DTOLVANE_BENCH=OFF"]
    if shutil.which("ninja") and not (build / "Makefile").exists():
        configure += ["-G", "Ninja"]
    subprocess.run(configure, check=True, stdout=subprocess.DEVNULL)
    build_command = ["cmake", "--build", str(build), "-j2", "--target", "tolvane_core_tests", "tolvane-cli"]
    if run(build_command, 1800) != 0:
        sys.exit("mutate.py: the unchanged core does not build")
    core_tests = [str(build / "bin" / "tolvane_core_tests"), "--gtest_brief=1", "--gtest_fail_fast"]
    if args.tests:
        core_tests.append("--gtest_filter=" + args.tests)
    tests = [core_tests,
             ["ctest", "--test-dir", str(build), "-R", "script_", "-j2", "--stop-on-failure"]]
    for command in tests:
        if run(command, 600) != 0:
            sys.exit("mutate.py: the core tests fail before any change")

    files = sorted(CORE.rglob("*.cpp"))
    if args.paths:
        wanted = [(ROOT / p).resolve() for p in args.paths]
        files = [f for f in files if any(f == w or w in f.parents for w in wanted)]
    every = [s for p in files for s in sites_of(p)]
    chosen = random.Random(args.seed).sample(every, min(args.sites, len(every)))
    if args.recheck:
        survivors = set(re.findall(r"^SURVIVED +(\S+) \((\w+)\)\n +- .*\n +\+ (.*)$",
                                   Path(args.recheck).read_text(), re.M))
        chosen = [s for s in every if (f"{s[0].relative_to(ROOT)}:{s[1]}", s[2], s[4].strip()) in survivors]
    results = []
    started = time.time()
    for index, (path, number, kind, old, new) in enumerate(chosen, 1):
        original = path.read_text()
        lines = original.split("\n")
        lines[number - 1] = new
        try:
            path.write_text("\n".join(lines))
            if run(build_command, 600) != 0:
                verdict = "does not compile"
            else:
                caught = any(run(command, 120) != 0 for command in tests)
                verdict = "caught" if caught else "SURVIVED"
        finally:
            path.write_text(original)
        site = f"{path.relative_to(ROOT)}:{number}"
        results.append((verdict, site, kind, old.strip(), new.strip()))
        print(f"[{index}/{len(chosen)}] {verdict:16} {site} ({kind}): {new.strip()}", flush=True)
    run(build_command, 1800)

    scored = [r for r in results if r[0] != "does not compile"]
    caught = sum(r[0] == "caught" for r in scored)
    share = 100.0 * caught / len(scored) if scored else 0.0
    summary = (f"{caught} of {len(scored)} compiled mutants caught ({share:.0f}%); "
               f"{len(results) - len(scored)} did not compile; {len(every)} sites in all; "
               f"seed {args.seed}; {time.time() - started:.0f} s")
    with report.open("w") as out:
        out.write(summary + "\n\n")
        for verdict, site, kind, old, new in sorted(results, key=lambda r: (r[0] != "SURVIVED", r[1])):
            out.write(f"{verdict:16} {site} ({kind})\n    - {old}\n    + {new}\n")
    print(summary)
    print(f"report: {report}")


if __name__ == "__main__":
    main()
