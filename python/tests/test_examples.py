import collections
import importlib.util
import math

from conftest import EXAMPLES, run_python


def run_example(name):
    r = run_python(EXAMPLES / name)
    assert r.returncode == 0, r.stderr
    header, *rows = r.stdout.splitlines()
    return header, rows


def test_trace_length_per_net():
    header, rows = run_example("trace_length.py")
    assert header.split()[-1] == "MM"
    table = {name: (int(count), float(length)) for name, count, length in (row.split() for row in rows)}
    # N1: (6, 21.27) (24, 21.27) (25.3, 20.635) (27.3, 20.635)
    assert table["N1"] == (1, round(18 + math.hypot(1.3, 0.635) + 2, 3))
    assert table["GND"][0] == 4 and set(table) == {"GND", "VCC", "N1", "N2", "N3", "N4"}
    lengths = [float(row.split()[2]) for row in rows]
    assert lengths == sorted(lengths, reverse=True)


def test_arcs_count_their_length():
    spec = importlib.util.spec_from_file_location("trace_length", EXAMPLES / "trace_length.py")
    example = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(example)
    P = collections.namedtuple("P", "dX dY dR")
    # A quarter of the unit circle, then a straight segment.
    assert math.isclose(example.segment_length(P(1, 0, 0), P(0, 1, 1)), math.pi / 2)
    assert math.isclose(example.segment_length(P(0, 1, 0), P(0, 3, 0)), 2)


def test_bill_of_materials():
    _, rows = run_example("bill_of_materials.py")
    bom = {}
    for row in rows:
        qty, number, cell, *_ = row.split()
        bom[number] = (int(qty), cell)
    # The demo's parts name other cells: matched by reference prefix.
    assert bom == {
        "CAP-0603-100N": (1, "CAP0603"), "CONN-HDR-1X4": (1, "CONN4"),
        "OPAMP-DUAL-SOIC8": (1, "SOIC8"), "RES-0603-10K": (2, "RES0603"),
    }
    assert "R1 R2" in next(row for row in rows if "RES-0603-10K" in row)
