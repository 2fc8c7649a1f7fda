import collections
import gc
import json

import pytest

import exload
from conftest import DEMO, as_json, run_tool, walk

# The rows of `exload summary` that name a class by a label.
SUMMARY_LABELS = {
    "stackup layers": "CExLayer_Stackup", "via spans": "CExJobPreferenceVia", "pads": "CExPad",
    "holes": "CExHole", "padstacks": "CExPadstack", "internal pad entries": "CExInternalPadLayerPAD",
    "custom drill symbols": "CExCustom_Drill_Symbol", "package cells": "CExPackage_Cell",
    "mechanical cells": "CExMechanical_Cell", "drawing cells": "CExDrawing_Cell", "panel cells": "CExPanel_Cell",
    "reusable circuit cells": "CExReUseCircuit_Cell", "pins": "CExPackage_Pin",
    "placement outlines": "CExPlacement_Outline", "tooling holes": "CExTooling_Hole", "nets": "CExNet",
    "traces": "CExTrace", "vias": "CExVia", "test points": "CExTestPoint", "conductive areas": "CExConductive_Area",
    "plane layers": "CExPlane_Lyr", "plane nets": "CExPlane_Net", "actual plane shapes": "CExPlane_ActualShape",
    "texts": "CExText", "teardrop templates": "CExTearDrop_Template", "teardrop data": "CExTearDrop_Data",
    "assembly outlines": "CExAssembly_Outline", "silkscreen outlines": "CExSilkScreen_Outline",
    "solder masks": "CExMC_SolderMask", "solder pastes": "CExSolder_Paste",
    "placement keepouts": "CExPlacement_Keepout", "mounting holes": "CExMounting_Hole",
    "fiducials": "CExFiducial", "obstructs": "CExObstruct", "graphics": "CExGraphic", "dimensions": "CExDimension",
    "dimension settings": "CExDimension_Setting", "panel board instances": "CExPanel_Board_Instance",
    "design rule areas": "CExDesignRule_Area", "contours": "CExContour", "parts": "CExPartData",
    "part slots": "CExPartDataSlot", "part swap groups": "CExPartDataSwapGrp", "part symbols": "CExPartDataSymbol",
    "net classes": "CExNetClass", "net properties": "CExNetProp", "net connections": "CExNetConnection",
}


def summary_counts():
    """Class -> count from the object tables of `exload summary`."""
    status, out, err = run_tool("summary", "-q", DEMO)
    assert status == 0, err
    counts = {}
    section = None
    for line in out.splitlines():
        if line in ("objects", "objects by class"):
            section = line
        elif not line.strip():
            section = None
        elif section:
            label, n = line.strip().rsplit(None, 1)
            counts[SUMMARY_LABELS[label] if section == "objects" else label] = int(n)
    return counts


def test_counts_per_class_match_the_tool_and_every_member_reads(demo):
    seen = collections.Counter()
    walk(demo, lambda o: seen.update([type(o).__name__]))
    expected = summary_counts()
    assert expected["CExTrace"] == 15 and expected["CExPolyline_Path"] == 37  # the table was read
    for cls, n in expected.items():
        assert seen[cls] == n, cls


def test_every_member_equals_the_json_export(demo, tmp_path):
    out = tmp_path / "demo.json"
    status, _, err = run_tool("json", "-q", DEMO, "-o", out)
    assert status == 0, err
    # The export writes 0.0 as 0: numbers are compared as floats. Key order
    # is compared too: both list the members in declaration order.
    tree = json.loads(out.read_text(), parse_int=float)
    del tree["g_sUnits"], tree["g_sPadstackTechnology"]
    ours = json.loads(json.dumps(as_json(demo)), parse_int=float)
    assert json.dumps(ours) == json.dumps(tree)


def test_elements_come_out_as_their_exact_class(demo):
    routes = [r for net in demo.pLayout.pNetArray for r in net.pRouteObjArray]
    assert {type(r).__name__ for r in routes} == {"CExTrace", "CExVia", "CExTestPoint", "CExConductive_Area"}
    assert all(isinstance(r, exload.CExRouteObj) for r in routes)
    trace = next(r for r in routes if type(r) is exload.CExTrace)
    assert type(trace.pShape) is exload.CExPolyline_Path and isinstance(trace.pShape, exload.CExDrawObj)
    assert trace.sType == "TRACE"  # a base member read through the exact class

    shapes = collections.Counter()
    walk(demo, lambda o: shapes.update([type(o)]) if isinstance(o, exload.CExDrawObj) else None)
    # A hole that never got a shape stays a plain draw object.
    assert shapes[exload.CExDrawObj] == 1
    assert shapes[exload.CExRound] == 7

    cells = demo.pLayout.pPackageCellArray
    assert type(cells[0]) is exload.CExPackage_Cell and isinstance(cells[0], exload.PackageCellMembers)
    assert cells[0].sCellName == "CONN4" and cells[0].pDimensionArray is not None


def test_a_held_object_outlives_the_root():
    root = exload.load(DEMO)
    net = root.pLayout.pNetArray[0]
    points = next(r for r in net.pRouteObjArray if type(r) is exload.CExTrace).pShape.aXY
    walking = iter(points)
    next(walking)
    logs = root.pLibPart.pIgnoreLog
    del root
    gc.collect()
    exload.load(DEMO)  # reuses freed memory if the first design was deleted
    gc.collect()
    assert net.sNetName == "GND"
    assert len(net.pRouteObjArray) == 8
    assert (points[0].dX, points[0].dY) == (6.0, 16.19)
    assert [(p.dX, p.dY) for p in walking] == [(8, 14.19), (8, 8), (46.5, 8), (46.5, 13.3), (45.8, 14)]
    assert [e.sKeyword for e in logs] == [".FILETYPE", ".VERSION", ".CREATOR", ".DATE", ".NOTATION"]


def test_arrays_are_sequences(demo):
    nets = demo.pLayout.pNetArray
    names = [n.sNetName for n in nets]
    assert names == ["GND", "VCC", "N1", "N2", "N3", "N4"]
    assert len(nets) == 6
    assert nets[-1].sNetName == "N4" and nets[-6].sNetName == "GND"
    for bad in (6, -7):
        with pytest.raises(IndexError):
            nets[bad]
    with pytest.raises(TypeError):
        nets["GND"]
    sliced = nets[1:5:2]
    assert type(sliced) is list and [n.sNetName for n in sliced] == ["VCC", "N2"]
    assert [n.sNetName for n in nets[::-1]] == names[::-1]
    assert nets[10:] == []
    assert [n.sNetName for n in reversed(nets)] == names[::-1]
    assert nets[0] == nets[0] and nets[0] != nets[1] and len({nets[0], nets[0]}) == 1

    points = nets[0].pRouteObjArray[0].pShape.aXY
    assert len(points) == 6 and points[-1].dX == 45.8
    assert points.xy()[:2] == [(6.0, 16.19), (8.0, 14.19)]
    assert [(p.dX, p.dY) for p in points[1:3]] == points.xy()[1:3]
    assert not demo.pNetConnectionArray and len(demo.pNetClassArray) == 2
    assert list(demo.pNetClassArray) == list(demo.pNetClassArray.elements)


def test_members_are_read_only(demo):
    net = demo.pLayout.pNetArray[0]
    with pytest.raises(AttributeError):
        net.sNetName = "x"
    with pytest.raises(AttributeError):
        net.pRouteObjArray[0].pShape.aXY[0].dX = 1.0
    with pytest.raises(TypeError):
        exload.CExNet()
    assert net.sNetName == "GND"


def test_logs_are_readable_and_match_the_tool(demo):
    entry = demo.pLibPart.pIgnoreLog[0]
    assert repr(entry) == ("CExTemporary(nFlag=1, sContext='.FILETYPE PARTS_DATABASE', sKeyword='.FILETYPE', "
                           "sValue='PARTS_DATABASE', nLevel=1, saLines=[])")
    status, out, err = run_tool("logs", "-q", DEMO)
    assert status == 0, err
    tool = [line.split("\t")[2:4] for line in out.splitlines()]
    files = [demo.pJobPreferences, demo.pCellLibrary, demo.pLayout, demo.pPadstackLibrary, demo.pNetConnectionArray,
             demo.pNetClassArray, demo.pNetPropArray, demo.pLibPart]
    ours = [[e.sKeyword, e.sValue] for f in files for log in (f.pIgnoreLog, f.pNotUsedLog) for e in log]
    assert sorted(ours) == sorted(tool) and len(ours) == 6
