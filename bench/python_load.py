"""Load time through Python against the C++ load of the same design, and the
rate at which Python reads the points of every trace.

    PYTHONPATH=build/python /usr/bin/python3 bench/python_load.py DIR [--loaddesign build/bench/loaddesign] [--runs 3]

DIR holds a design with the file names that build/bench/gendesign writes.
The C++ load is build/bench/loaddesign (its own load time, teardown not
counted); the Python load is exload.load() with the same files by keyword,
and again with the directory, whose scan recognises each file by content.
Each figure is the median of --runs loads, all in this one run, as wall time
and as processor time over all threads (which a busy machine disturbs less).
"""

import argparse
import gc
import os
import re
import statistics
import subprocess
import sys
import time

import exload

FILES = {
    "jobprefs": "job_preferences.txt",
    "cells": "cell_library.txt",
    "layout": "layout.txt",
    "padstacks": "padstack_library.txt",
    "netclass": "net_classes.txt",
    "parts": "parts_database.txt",
}


def cpp_load(loaddesign, design):
    out = subprocess.run([loaddesign, design], check=True, capture_output=True, text=True).stdout
    m = re.search(r"load ([0-9.]+) s \(cpu ([0-9.]+) s\)", out)
    return float(m.group(1)), float(m.group(2))


def python_load(**kwargs):
    start, cpu = time.perf_counter(), time.process_time()
    root = exload.load(**kwargs)
    return (time.perf_counter() - start, time.process_time() - cpu), root


def read_trace_points(root):
    """Every point of every trace: returns the count and a checksum."""
    n = 0
    total = 0.0
    for net in root.pLayout.pNetArray:
        for obj in net.pRouteObjArray:
            if type(obj) is not exload.CExTrace:
                continue
            shape = obj.pShape
            points = shape.aXYR if type(shape) is exload.CExPolyarc_Path else getattr(shape, "aXY", ())
            for p in points:
                total += p.dX + p.dY
                n += 1
    return n, total


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("design")
    parser.add_argument("--loaddesign", default="build/bench/loaddesign")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    files = {k: os.path.join(args.design, name) for k, name in FILES.items()}
    size = sum(os.path.getsize(p) for p in files.values())
    print(f"design {args.design}: {size / 1e6:.1f} MB, {args.runs} runs each, load average {os.getloadavg()[0]:.2f}")

    cpp, by_files, by_dir = [], [], []
    for _ in range(args.runs):
        cpp.append(cpp_load(args.loaddesign, args.design))
        seconds, root = python_load(**files)
        by_files.append(seconds)
        del root
        gc.collect()
        seconds, root = python_load(path=args.design)
        by_dir.append(seconds)
        if len(by_dir) < args.runs:
            del root
            gc.collect()

    def row(label, runs):
        wall, cpu = (statistics.median(r[i] for r in runs) for i in (0, 1))
        base_wall, base_cpu = (statistics.median(r[i] for r in cpp) for i in (0, 1))
        line = f"{label:<30} wall {wall:7.3f} s  cpu {cpu:7.3f} s"
        if runs is not cpp:
            line += f"  ({100 * (wall / base_wall - 1):+.1f}% wall, {100 * (cpu / base_cpu - 1):+.1f}% cpu over C++)"
        print(line + "   runs " + " ".join(f"{w:.3f}/{c:.3f}" for w, c in runs))

    row("C++ load (loaddesign)", cpp)
    row("Python load, files by keyword", by_files)
    row("Python load, directory scan", by_dir)

    rates = []
    for _ in range(args.runs):
        start = time.perf_counter()
        n, _ = read_trace_points(root)
        rates.append(n / (time.perf_counter() - start))
    print(f"trace points read in Python    {n} points, {statistics.median(rates) / 1e6:.2f} M points/s"
          f"   runs {' '.join(f'{r / 1e6:.2f}' for r in rates)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
