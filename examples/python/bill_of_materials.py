"""A bill of materials from the parts database and the cells placed on the
layout: one row per part with its quantity and reference designators.

    PYTHONPATH=build/python /usr/bin/python3 examples/python/bill_of_materials.py [DESIGN]

A placed cell counts for the part that names its cell (top, bottom or
alternate cell); a cell that no part names goes to the one part whose
reference prefix its reference designator starts with, if there is exactly
one. Cells left over are listed with "?" for a part.
"""

import collections
import pathlib
import re
import sys

import exload


def reference(cell):
    """The cell's reference designator: its first REF_DES text."""
    for text in cell.pTextArray:
        if text.sTextType.upper() == "REF_DES":
            return text.sText
    return ""


class PartIndex:
    def __init__(self, parts):
        self.by_cell = {}
        self.by_prefix = collections.defaultdict(list)
        for part in parts:
            for cell in (part.sTopCell, part.sBottomCell, *part.saAltCells):
                self.by_cell.setdefault(cell, part)
            self.by_prefix[part.sRefPrefix].append(part)

    def part_for(self, cell_name, ref):
        if cell_name in self.by_cell:
            return self.by_cell[cell_name]
        prefix = re.match(r"[A-Za-z]*", ref).group(0)
        candidates = self.by_prefix.get(prefix, []) if prefix else []
        return candidates[0] if len(candidates) == 1 else None


def natural(ref):
    return [int(t) if t.isdigit() else t for t in re.split(r"(\d+)", ref)]


def bill(root):
    """Rows of (part or None, cell name, sorted reference designators)."""
    index = PartIndex(root.pLibPart.pPartDataArray if root.pLibPart else [])
    placed = collections.defaultdict(list)
    for cell in root.pLayout.pPackageCellArray:
        ref = reference(cell)
        placed[(index.part_for(cell.sCellName, ref), cell.sCellName)].append(ref)
    rows = [(part, cell, sorted(refs, key=natural)) for (part, cell), refs in placed.items()]
    return sorted(rows, key=lambda r: (r[0] is None, r[0].sNumber if r[0] else r[1]))


def main(argv):
    design = argv[1] if len(argv) > 1 else pathlib.Path(__file__).resolve().parents[1] / "demo"
    root = exload.load(design)
    print(f"{'qty':>4}  {'part number':<20} {'cell':<12} {'references':<16} description")
    for part, cell, refs in bill(root):
        number = part.sNumber if part else "?"
        description = part.sDesc if part else ""
        print(f"{len(refs):>4}  {number:<20} {cell:<12} {' '.join(refs):<16} {description}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
