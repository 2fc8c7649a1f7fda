"""exload kicad checked by KiCad's own board engine: the exported board holds
what the loaded design holds, connected as the design connects it."""

import os
import pathlib
import re
import shutil
import subprocess

import pytest

import exload

pcbnew = pytest.importorskip("pcbnew", reason="KiCad's pcbnew module is not installed (apt-get install kicad)")

SOURCE = pathlib.Path(os.environ.get("EXLOAD_SOURCE", pathlib.Path(__file__).resolve().parents[3]))
DEMO = SOURCE / "examples" / "demo"
BINARY = os.environ.get("EXLOAD_BINARY", str(SOURCE / "build" / "tools" / "exload" / "exload"))
GENDESIGN = os.environ.get("EXLOAD_GENDESIGN", "")
GENERATED_MB = 10  # about three thousand nets


def export(design, out):
    r = subprocess.run([BINARY, "kicad", str(design), "-o", str(out)], capture_output=True, text=True)
    return r.returncode, r.stderr


def told(stderr, pattern):
    """The count of a line exload wrote about what it could not carry over."""
    m = re.search(r"exload: (\d+) " + pattern, stderr)
    return int(m.group(1)) if m else 0


def items(array):
    return [] if array is None else list(array)


def model_counts(root):
    """What the loaded design holds, counted as a KiCad board counts it."""
    layout = root.pLayout
    cells = items(layout.pPackageCellArray)
    route = [o for n in items(layout.pNetArray) for o in items(n.pRouteObjArray)]
    route += [o for c in cells for o in items(c.pRouteObjArray)]
    kinds = lambda name: [o for o in route if type(o).__name__ == name]
    singles = len(items(layout.pMountingHoleArray)) + len(items(layout.pFiducialArray))
    singles += len(items(layout.pToolingHoleArray)) + len(kinds("CExTestPoint"))
    singles += sum(len(items(c.pMountingHoleArray)) + len(items(c.pFiducialArray)) for c in cells)
    pins = sum(len(items(c.pPinArray)) for c in cells)
    segments = 0
    for t in kinds("CExTrace"):
        pts = getattr(t.pShape, "aXY", None)
        pts = pts if pts is not None else t.pShape.aXYR
        segments += max(len(pts) - 1, 0)
    planes = items(layout.pGeneratedDataArray) or items(layout.pUpgApsDataArray)
    plane_nets = [n for p in planes for n in items(p.pPlaneNetArray)]
    keepouts = sum(len(items(k.pDrawObjArray)) for k in items(layout.pPlacementKeepoutArray))
    keepouts += len(items(layout.pObstructArray))
    keepouts += sum(len(items(k.pDrawObjArray)) for c in cells for k in items(c.pPlacementKeepoutArray))
    keepouts += sum(len(items(c.pObstructArray)) for c in cells)
    names = {n.sNetName for n in items(layout.pNetArray)} | {n.sNetName for n in plane_nets}
    names |= {p.sNetName for c in cells for p in items(c.pPinArray)}
    names |= {h.sNetName for h in items(layout.pMountingHoleArray)}
    names.discard("")
    return {
        "footprints": len(cells) + singles,
        "pads": pins + singles,
        "segments": segments,
        "vias": len(kinds("CExVia")),
        "zones": len(kinds("CExConductive_Area")) + sum(len(items(n.pPlaneShapes)) for n in plane_nets),
        "rule areas": keepouts,
        "nets": len(names) + 1,  # KiCad counts net 0, no net
    }


def board_counts(board):
    tracks = list(board.GetTracks())
    zones = list(board.Zones())
    return {
        "footprints": len(board.GetFootprints()),
        "pads": sum(len(f.Pads()) for f in board.GetFootprints()),
        "segments": sum(1 for t in tracks if t.GetClass() in ("PCB_TRACK", "PCB_ARC")),
        "vias": sum(1 for t in tracks if t.GetClass() == "PCB_VIA"),
        "zones": sum(1 for z in zones if not z.GetIsRuleArea()),
        "rule areas": sum(1 for z in zones if z.GetIsRuleArea()),
        "nets": board.GetNetCount(),
    }


@pytest.fixture(scope="module")
def demo_board(tmp_path_factory):
    out = tmp_path_factory.mktemp("demo") / "demo.kicad_pcb"
    status, stderr = export(DEMO, out)
    assert status == 0, stderr
    return out, stderr


def test_demo_holds_what_the_design_holds(demo_board):
    path, stderr = demo_board
    board = pcbnew.LoadBoard(str(path))
    assert board_counts(board) == model_counts(exload.load(DEMO))
    # Net classes and each net's class come from the project file beside it.
    assert board.FindNet("GND").GetNetClassName() == "Power"
    assert board.FindNet("N4").GetNetClassName() == "Signal"
    assert "2 nets with a track width of their own written with their class's" in stderr
    # A pin lands where the design has it: J1 pin 2 at (6, 18.73), y turned down.
    j1 = board.FindFootprintByReference("J1")
    origin = board.GetDesignSettings().GetAuxOrigin()
    pad = j1.FindPadByNumber("2")
    assert pcbnew.ToMM(pad.GetPosition().x - origin.x) == pytest.approx(6)
    assert pcbnew.ToMM(origin.y - pad.GetPosition().y) == pytest.approx(18.73)
    assert pad.GetDrillSize().x == pcbnew.FromMM(1.0)
    assert pad.GetNetname() == "N2"


def test_demo_passes_design_rules_but_for_its_silkscreen(demo_board, tmp_path):
    path, _ = demo_board
    board = pcbnew.LoadBoard(str(path))
    report = tmp_path / "drc.txt"
    assert pcbnew.WriteDRCReport(board, str(report), pcbnew.EDA_UNITS_MILLIMETRES, True)
    text = report.read_text()
    assert "** Found 0 unconnected pads **" in text, text
    kinds = set(re.findall(r"^\[(\w+)\]", text, re.M))
    # Every connection the design makes is one in KiCad, no two nets touch;
    # what is left is the design's own silkscreen over pads and its title.
    assert kinds <= {"silk_over_copper", "silk_overlap"}, text


def test_refilled_planes_connect_the_same(demo_board):
    path, _ = demo_board
    board = pcbnew.LoadBoard(str(path))

    def unconnected():
        board.BuildConnectivity()
        return board.GetConnectivity().GetUnconnectedCount()

    assert unconnected() == 0
    plane = [z for z in board.Zones() if z.GetLayer() == pcbnew.In1_Cu][0]
    written = plane.GetFilledArea()
    # The plane's copper is what joins C1 pin 2, by its via, to the other ground pins.
    plane.UnFill()
    assert unconnected() == 1
    pcbnew.ZONE_FILLER(board).Fill(board.Zones())
    assert unconnected() == 0
    # KiCad's own fill, with its own clearances, covers within a percent what was written.
    assert plane.GetFilledArea() == pytest.approx(written, rel=0.01)


def test_copper_layers_plot(demo_board, tmp_path):
    path, _ = demo_board
    board = pcbnew.LoadBoard(str(path))
    plotter = pcbnew.PLOT_CONTROLLER(board)
    options = plotter.GetPlotOptions()
    options.SetOutputDirectory(str(tmp_path))
    options.SetPlotFrameRef(False)
    sizes = {}
    for layer, name in [(pcbnew.F_Cu, "top"), (pcbnew.In1_Cu, "ground"), (pcbnew.B_Cu, "bottom")]:
        plotter.SetLayer(layer)
        plotter.OpenPlotfile(name, pcbnew.PLOT_FORMAT_SVG, name)
        assert plotter.PlotLayer()
        plotter.ClosePlot()
        sizes[name] = pathlib.Path(plotter.GetPlotFileName()).stat().st_size
    # The plane is one filled outline with its clearances cut in: the largest.
    assert sizes["ground"] > sizes["bottom"] and all(s > 1000 for s in sizes.values())


def test_same_design_same_bytes(demo_board, tmp_path):
    path, _ = demo_board
    again = tmp_path / path.name
    assert export(DEMO, again)[0] == 0
    assert again.read_bytes() == path.read_bytes()
    assert again.with_suffix(".kicad_pro").read_text() == path.with_suffix(".kicad_pro").read_text()


@pytest.mark.parametrize("name, file, old, new, said", [
    ("pad999", "padstack_library.txt", "...DIAMETER 1.0\n", "...DIAMETER 1e999\n", "left out 6 vias"),
    ("coord999", "layout.txt", "(8, 14.19)", "(8, -1e999)", "left out 1 track"),
    ("far", "layout.txt", "..XY (48, 36)", "..XY (48, -2e9)", "left out 1 text"),
    ("odd", "layout.txt", '.TEXT "REV A"', '.TEXT "REV \xb5\x01\\ A"', ""),
])
def test_odd_values_leave_a_board_kicad_opens(tmp_path, name, file, old, new, said):
    design = tmp_path / name
    shutil.copytree(DEMO, design)
    text = (design / file).read_bytes().decode("latin-1")
    assert old in text
    (design / file).write_bytes(text.replace(old, new, 1).encode("latin-1"))
    out = tmp_path / f"{name}.kicad_pcb"
    status, stderr = export(design, out)
    assert status == 0, stderr
    assert said in stderr
    board = pcbnew.LoadBoard(str(out))
    assert len(board.GetFootprints()) == 6
    if name == "odd":
        texts = [d.GetText() for d in board.GetDrawings() if d.GetClass() == "PTEXT"]
        # Control bytes and backslashes come back as they were; a byte that is
        # no UTF-8 is read as Latin-1.
        assert "REV \xb5\x01\\ A" in texts, texts


def test_an_output_that_cannot_be_written_leaves_nothing(tmp_path):
    status, stderr = export(DEMO, tmp_path / "missing" / "board.kicad_pcb")
    assert status == 2 and stderr.count("\n") == 1 and "cannot write" in stderr
    status, stderr = export(DEMO, tmp_path / "board.pcb")
    assert status == 2 and ".kicad_pcb" in stderr
    (tmp_path / "taken.kicad_pro").mkdir()
    status, stderr = export(DEMO, tmp_path / "taken.kicad_pcb")
    assert status == 2
    assert sorted(p.name for p in tmp_path.iterdir()) == ["taken.kicad_pro"]


def test_generated_design_holds_what_it_holds(tmp_path):
    if not GENDESIGN or not pathlib.Path(GENDESIGN).exists():
        pytest.skip("the design generator is not built (configure with -DEXLOAD_BENCH=ON)")
    design = tmp_path / "generated"
    subprocess.run([GENDESIGN, str(design), str(GENERATED_MB)], check=True, capture_output=True)
    out = tmp_path / "generated.kicad_pcb"
    status, stderr = export(design, out)
    assert status == 0, stderr
    expected = model_counts(exload.load(design))
    assert expected["nets"] > 2000
    # Pins whose padstack the library lacks are said and skipped.
    expected["pads"] -= told(stderr, "pins? without a padstack skipped")
    board = pcbnew.LoadBoard(str(out))
    assert board_counts(board) == expected


def test_trace_arcs_stay_arcs(tmp_path):
    design = tmp_path / "arcs"
    shutil.copytree(DEMO, design)
    layout = (design / "layout.txt").read_text()
    old = "...POLYLINE_PATH\n....WIDTH 0.25\n....XY (6, 21.27) (24, 21.27) (25.3, 20.635) (27.3, 20.635)\n"
    assert old in layout
    # The last piece bends to the left round a circle of radius 5.
    new = "...POLYARC_PATH\n....WIDTH 0.25\n....XYR (6, 21.27, 0) (24, 21.27, 0) (27.3, 20.635, 5)\n"
    (design / "layout.txt").write_text(layout.replace(old, new))
    out = tmp_path / "arcs.kicad_pcb"
    assert export(design, out)[0] == 0
    board = pcbnew.LoadBoard(str(out))
    arcs = [t for t in board.GetTracks() if t.GetClass() == "PCB_ARC"]
    assert len(arcs) == 1
    arc = arcs[0]
    origin = board.GetDesignSettings().GetAuxOrigin()
    ends = sorted((round(pcbnew.ToMM(p.x - origin.x), 6), round(pcbnew.ToMM(origin.y - p.y), 6))
                  for p in (arc.GetStart(), arc.GetEnd()))
    assert ends == [(24, 21.27), (27.3, 20.635)]
    assert pcbnew.ToMM(arc.GetRadius()) == pytest.approx(5, abs=1e-4)
    # Counter-clockwise on the design's axes: the centre lies left of the chord,
    # above it on the design, below it in KiCad's y-down frame.
    centre = arc.GetCenter()
    assert pcbnew.ToMM(origin.y - centre.y) > 21


@pytest.mark.parametrize("layers", [1, 40])
def test_any_number_of_copper_layers_opens(tmp_path, layers):
    design = tmp_path / "layers"
    shutil.copytree(DEMO, design)
    stackup = "".join(f'..SIGNAL_LAYER {n}\n...LAYER_NAME "L{n}"\n' for n in range(1, layers + 1))
    (design / "job_preferences.txt").write_text(
        f".FILETYPE JOB_PREFERENCES_FILE\n.UNITS MM\n.PHYSICAL_LAYERS {layers}\n.LAYER_STACKUP_SECTION\n{stackup}")
    layout = (design / "layout.txt").read_text()
    # N3's bottom trace on the 35th layer.
    (design / "layout.txt").write_text(layout.replace("...ROUTE_LYR 4\n...POLYLINE_PATH\n....WIDTH 0.25\n....XY (36.5, 21.5)",
                                                      "...ROUTE_LYR 35\n...POLYLINE_PATH\n....WIDTH 0.25\n....XY (36.5, 21.5)"))
    out = tmp_path / "layers.kicad_pcb"
    status, stderr = export(design, out)
    assert status == 0, stderr
    board = pcbnew.LoadBoard(str(out))
    names = {board.GetLayerName(i) for i in range(pcbnew.PCB_LAYER_ID_COUNT) if board.IsLayerEnabled(i)}
    if layers == 40:
        # In31 to In38 have no layer of their own in KiCad.
        assert "8 copper layers past the 32nd merged into In30.Cu" in stderr
        assert board.GetCopperLayerCount() == 32 and "L40" in names and "L30" in names
    else:
        # Layers the layout names beyond the stackup are copper layers too.
        assert board.GetCopperLayerCount() == 4 and "L1" in names
    assert len(board.GetFootprints()) == 6
