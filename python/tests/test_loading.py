import json
import os
import shutil
import threading
import time

import pytest

import exload
from conftest import DEMO, as_json, run_python, run_tool

FILES = {
    "jobprefs": DEMO / "job_preferences.txt",
    "cells": DEMO / "cell_library.txt",
    "layout": DEMO / "layout.txt",
    "padstacks": DEMO / "padstack_library.txt",
    "netclass": DEMO / "net_classes.txt",
    "parts": DEMO / "parts_database.txt",
}


def tool_message(*args):
    status, _, err = run_tool("summary", "-q", *args)
    assert status == 2 and err.startswith("exload: ") and err.count("\n") == 1, err
    return err[len("exload: "):-1]


def test_files_by_keyword_load_what_the_directory_loads(demo):
    # Names of every kind a user may hold a path in.
    as_given = {k: (str(p) if k == "layout" else os.fsencode(p) if k == "parts" else p) for k, p in FILES.items()}
    by_files = exload.load(**as_given)
    assert json.dumps(as_json(by_files)) == json.dumps(as_json(demo))


def test_library_load_gathers_several_files():
    twice = exload.load_library(cells=[FILES["cells"], FILES["cells"]], padstacks=[FILES["padstacks"]])
    assert twice.pLayout is None and twice.pJobPreferences is None
    names = [c.sCellName for c in twice.pCellLibrary.pPackageCellArray]
    assert names == ["RES0603", "CAP0603", "SOIC8", "CONN4"] * 2
    # Several cell files make a library load from load() too, as in the tool.
    assert len(exload.load(cells=[FILES["cells"]] * 3).pCellLibrary.pMechanicalCellArray) == 3


def test_errors_carry_the_tools_message(tmp_path):
    missing = tmp_path / "nowhere"
    with pytest.raises(FileNotFoundError) as e:
        exload.load(missing)
    assert str(e.value) == tool_message(missing)

    files = dict(FILES, jobprefs=missing)
    with pytest.raises(FileNotFoundError) as e:
        exload.load(**files)
    assert str(e.value) == tool_message(*[a for k, p in files.items() for a in (f"--{k}", p)])

    for name in ("job_preferences.txt", "cell_library.txt", "padstack_library.txt"):
        shutil.copy(DEMO / name, tmp_path)
    with pytest.raises(ValueError) as e:
        exload.load(tmp_path)
    assert str(e.value) == tool_message(tmp_path) == f"no layout file in {tmp_path}"

    shutil.copy(DEMO / "layout.txt", tmp_path)
    shutil.copy(DEMO / "layout.txt", tmp_path / "second_layout.txt")
    with pytest.raises(ValueError, match="two layout files"):
        exload.load(tmp_path)
    with pytest.raises(ValueError, match="not both"):
        exload.load(DEMO, layout=FILES["layout"])
    with pytest.raises(ValueError, match="no design given"):
        exload.load()


def test_text_that_is_not_utf8_keeps_its_bytes(tmp_path):
    for name in FILES.values():
        shutil.copy(name, tmp_path)
    with open(tmp_path / "layout.txt", "ab") as f:
        f.write(b'.NET "CAF\xc9"\n..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....XY (0, 0) (1, 1)\n')
    net = exload.load(tmp_path).pLayout.pNetArray[-1]
    assert net.sNetName.encode("utf-8", "surrogateescape") == b"CAF\xc9"
    assert "CAF" in repr(net)


def big_design(directory, nets):
    """The demo with many more nets: a load long enough to watch."""
    for name in FILES.values():
        shutil.copy(name, directory)
    record = ('.NET "B{0}"\n..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 0.2\n'
              '....XY (0, 0) (1, {0}) (2, 0) (3, {0}) (4, 0) (5, {0}) (6, 0) (7, {0})\n')
    with open(directory / "layout.txt", "a") as f:
        f.writelines(record.format(i) for i in range(nets))


def test_other_threads_run_while_a_design_loads(tmp_path):
    big_design(tmp_path, 120_000)
    window = []

    def load():
        start = time.perf_counter()
        root = exload.load(tmp_path)
        window.extend([start, time.perf_counter()])
        assert len(root.pLayout.pNetArray) == 120_006

    loader = threading.Thread(target=load)
    ticks = []
    loader.start()
    while loader.is_alive():
        ticks.append(time.perf_counter())
    loader.join()
    start, end = window
    # Holding the interpreter lock through the load would leave no tick in
    # its middle half; a switch interval at either end is all it could give.
    assert end - start > 0.1, "the design loads too fast to tell"
    middle = [t for t in ticks if start + (end - start) / 4 < t < end - (end - start) / 4]
    assert len(middle) > 100


def test_loads_from_two_threads_both_succeed(demo):
    results = [None, None]

    def load(i):
        results[i] = exload.load(DEMO)

    threads = [threading.Thread(target=load, args=(i,)) for i in range(2)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    expected = json.dumps(as_json(demo))
    assert all(json.dumps(as_json(r)) == expected for r in results)


def test_progress_bars_only_when_asked():
    shown = run_python("-c", f"import exload; exload.load({str(DEMO)!r}, progress=True)")
    assert shown.returncode == 0, shown.stderr
    lines = shown.stderr.replace("\r", "\n").splitlines()
    for kind in ("job preferences", "cell library", "layout", "padstack library", "net class", "parts database"):
        assert any(line.startswith("\x1b[2K" + kind) and line.endswith("100%") for line in lines), kind
    quiet = run_python("-c", f"import exload; exload.load({str(DEMO)!r})")
    assert quiet.returncode == 0 and quiet.stderr == ""
