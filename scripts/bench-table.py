#!/usr/bin/env python3
"""Prints the machine and a markdown table of benchmark figures.

Arguments: the build folder (for the compiler and build type), then the JSON
files Google Benchmark wrote. A benchmark whose label reads "vs NAME" is shown
beside the benchmark NAME of the same run, with the ratios of their times; a
baseline has no row of its own unless it names a baseline too.
Times are per iteration: wall-clock time, and the CPU time of the process,
which moves less when other programs share the processors.
"""

import json
import os
import platform
import re
import subprocess
import sys

UNIT_NS = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}


def machine(build):
    cpu = "unknown"
    with open("/proc/cpuinfo", encoding="utf-8") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    memory = "unknown"
    with open("/proc/meminfo", encoding="utf-8") as f:
        for line in f:
            if line.startswith("MemTotal:"):
                memory = "%.1f GiB" % (int(line.split()[1]) / 1024 / 1024)
    system = platform.system() + " " + platform.release()
    try:
        with open("/etc/os-release", encoding="utf-8") as f:
            names = dict(l.rstrip("\n").split("=", 1) for l in f if "=" in l)
            system = names.get("PRETTY_NAME", "").strip('"') + ", kernel " + platform.release()
    except OSError:
        pass
    cache = {}
    try:
        with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as f:
            for line in f:
                m = re.match(r"(CMAKE_CXX_COMPILER|CMAKE_BUILD_TYPE|Qt6_DIR):[A-Z]+=(.*)", line)
                if m:
                    cache[m.group(1)] = m.group(2).strip()
    except OSError:
        pass
    compiler = cache.get("CMAKE_CXX_COMPILER", "c++")
    try:
        compiler = subprocess.run([compiler, "--version"], capture_output=True, text=True,
                                  check=True).stdout.splitlines()[0]
    except (OSError, subprocess.CalledProcessError, IndexError):
        pass
    return [
        ("Processors (nproc)", str(len(os.sched_getaffinity(0)))),
        ("CPU", cpu),
        ("Memory", memory),
        ("System", system),
        ("Compiler", compiler),
        ("Build type", cache.get("CMAKE_BUILD_TYPE", "unknown")),
    ]


def shown(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return "%.3g %s" % (ns / scale, unit)
    return "%.3g ns" % ns


def ratio(time, base):
    value = time / base
    return "%.0f" % value if value >= 100 else "%.3g" % value


def main():
    build, reports = sys.argv[1], sys.argv[2:]
    runs = []
    for path in reports:
        with open(path, encoding="utf-8") as f:
            runs.extend(json.load(f)["benchmarks"])
    # The suffixes of how iterations were counted ("/iterations:300", "/real_time") are left out.
    for run in runs:
        run["name"] = re.sub(r"/(iterations:\d+|real_time)", "", run["name"])
    times = {}
    for run in runs:
        if run.get("run_type", "iteration") == "iteration" and not run.get("error_occurred"):
            scale = UNIT_NS[run["time_unit"]]
            times[run["name"]] = (run["real_time"] * scale, run["cpu_time"] * scale)
    baselines = {m.group(1) for run in runs if (m := re.match(r"vs (\S+)", run.get("label", "")))}

    print("| | |\n|---|---|")
    for name, value in machine(build):
        print("| %s | %s |" % (name, value))
    print()
    print("| Benchmark | Time | CPU | Baseline | Time | CPU | Ratio | CPU ratio |")
    print("|---|--:|--:|---|--:|--:|--:|--:|")
    for run in runs:
        name = run["name"]
        label = re.match(r"vs (\S+)", run.get("label", ""))
        # A baseline is shown beside what it is the baseline of, unless it has one of its own.
        if run.get("run_type", "iteration") != "iteration" or (name in baselines and not label):
            continue
        if run.get("error_occurred"):
            print("| %s | error: %s | | | | | | |" % (name, run.get("error_message", "")))
            continue
        base = label.group(1) if label else None
        (wall, cpu) = times[name]
        if base in times:
            (base_wall, base_cpu) = times[base]
            print("| %s | %s | %s | %s | %s | %s | %s | %s |" % (
                name, shown(wall), shown(cpu), base, shown(base_wall), shown(base_cpu),
                ratio(wall, base_wall), ratio(cpu, base_cpu)))
        else:
            print("| %s | %s | %s | %s | | | | |" % (name, shown(wall), shown(cpu), base or "none"))


if __name__ == "__main__":
    main()
