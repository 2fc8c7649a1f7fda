"""Total trace length per net, longest first.

    PYTHONPATH=build/python /usr/bin/python3 examples/python/trace_length.py [DESIGN]

DESIGN is a design directory (default: examples/demo). Lengths are in the
design unit. A point's dR bends the segment that ends at it into an arc of
that radius; 0 keeps it straight.
"""

import math
import pathlib
import sys

import exload


def segment_length(a, b):
    chord = math.hypot(b.dX - a.dX, b.dY - a.dY)
    r = abs(b.dR)
    if r == 0 or chord == 0 or chord > 2 * r:
        return chord
    return 2 * r * math.asin(chord / (2 * r))


def trace_length(trace):
    shape = trace.pShape
    points = getattr(shape, "aXYR", None) or getattr(shape, "aXY", None) or []
    length = 0.0
    previous = None
    for p in points:
        if previous is not None:
            length += segment_length(previous, p)
        previous = p
    return length


def lengths_by_net(root):
    """Net name -> (number of traces, total length)."""
    result = {}
    for net in root.pLayout.pNetArray:
        traces = [obj for obj in net.pRouteObjArray if isinstance(obj, exload.CExTrace)]
        if traces:
            result[net.sNetName] = (len(traces), sum(trace_length(t) for t in traces))
    return result


def main(argv):
    design = argv[1] if len(argv) > 1 else pathlib.Path(__file__).resolve().parents[1] / "demo"
    root = exload.load(design)
    units = root.pJobPreferences.sUnits if root.pJobPreferences else ""
    print(f"{'net':<24} {'traces':>7} {'length':>12} {units}")
    for name, (count, length) in sorted(lengths_by_net(root).items(), key=lambda kv: (-kv[1][1], kv[0])):
        print(f"{name:<24} {count:>7} {length:>12.3f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
