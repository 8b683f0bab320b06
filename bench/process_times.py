#!/usr/bin/env python3
"""Whole-process times of the command line against a trivial process, in one run.

    bench/process_times.py [BUILD_DIR] [RUNS]     (default build/, 200 runs each)

Each command is started RUNS times, the commands taking turns so that the machine's load falls
on all of them alike; the table gives the median and the 10th and 90th percentiles of the wall
time from the start of the process to its end, and the same less the trivial process's median,
then the median CPU time (user and system) each process used, which a busy machine disturbs less.
"""
import os
import statistics
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 200
escaval = os.path.abspath(os.path.join(build, "escaval"))
out = tempfile.mkdtemp(prefix="escaval-times-")
blazon = "Azure a bend Or"
# A build that uses another build's data folder names it in its cache.
data = []
if not os.path.exists(os.path.join(build, "data", "words1.db")):
    with open(os.path.join(build, "CMakeCache.txt")) as cache:
        for line in cache:
            if line.startswith("ESCAVAL_PREBUILT_DATA:PATH=") and line.strip().split("=", 1)[1]:
                data = ["--data", line.strip().split("=", 1)[1]]
commands = [
    ("/bin/true", ["/bin/true"]),
    ("escaval --version", [escaval, "--version"]),
    ("escaval draw -o x.bmp", [escaval, "draw", *data, "-o", os.path.join(out, "x.bmp"), blazon]),
    ("escaval draw -o x.png", [escaval, "draw", *data, "-o", os.path.join(out, "x.png"), blazon]),
]
# ESCAVAL_BEFORE=path/to/an/older/escaval adds its drawings to the same run, for a before/after table.
before = os.environ.get("ESCAVAL_BEFORE")
if before:
    commands += [
        ("before: draw -o x.bmp", [before, "draw", *data, "-o", os.path.join(out, "y.bmp"), blazon]),
        ("before: draw -o x.png", [before, "draw", *data, "-o", os.path.join(out, "y.png"), blazon]),
    ]
devnull = os.open(os.devnull, os.O_WRONLY)
times = {name: [] for name, _ in commands}
cpu = {name: [] for name, _ in commands}
for _ in range(runs):
    for name, argv in commands:
        start = time.perf_counter_ns()
        pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1)])
        _, status, usage = os.wait4(pid, 0)
        times[name].append((time.perf_counter_ns() - start) / 1e6)
        cpu[name].append((usage.ru_utime + usage.ru_stime) * 1e3)
        if status != 0:
            sys.exit(f"{name} failed with status {status}")

base = statistics.median(times["/bin/true"])
print(f"{runs} runs each, '{blazon}', {os.cpu_count()} cores")
cpu_base = statistics.median(cpu["/bin/true"])
print(f"| Process | Median | p10 | p90 | Median less /bin/true | CPU median | CPU less /bin/true |")
print(f"|---|---|---|---|---|---|---|")
for name, _ in commands:
    t = sorted(times[name])
    med = statistics.median(t)
    c = statistics.median(cpu[name])
    print(f"| `{name}` | {med:.2f} ms | {t[len(t) // 10]:.2f} ms | {t[len(t) * 9 // 10]:.2f} ms | {med - base:.2f} ms "
          f"| {c:.2f} ms | {c - cpu_base:.2f} ms |")
for f in os.listdir(out):
    os.remove(os.path.join(out, f))
os.rmdir(out)
