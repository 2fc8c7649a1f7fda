import math
import os
import pathlib
import subprocess
import sys

import pytest

import exload

SOURCE = pathlib.Path(os.environ.get("EXLOAD_SOURCE", pathlib.Path(__file__).resolve().parents[2]))
DEMO = SOURCE / "examples" / "demo"
EXAMPLES = SOURCE / "examples" / "python"
BINARY = os.environ.get("EXLOAD_BINARY", str(SOURCE / "build" / "tools" / "exload" / "exload"))


@pytest.fixture(scope="session")
def demo():
    return exload.load(DEMO)


def run_tool(*args):
    """The exload tool's exit status, standard output and standard error."""
    r = subprocess.run([BINARY, *map(str, args)], capture_output=True, text=True)
    return r.returncode, r.stdout, r.stderr


def run_python(*args, **kwargs):
    """This interpreter on a script or -c text, with the module importable."""
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(sys.path))
    return subprocess.run([sys.executable, *map(str, args)], capture_output=True, text=True, env=env, **kwargs)


def is_model(value):
    return type(value).__module__ == "exload"


def walk(root, visit):
    """Calls visit(o) for root and every model object below it, reading every
    member of every object and every point on the way."""
    stack = [root]
    while stack:
        o = stack.pop()
        visit(o)
        for name in type(o)._fields:
            value = o if name == "elements" else getattr(o, name)
            if isinstance(value, exload.CExPtArray):
                for p in value:
                    p.dX, p.dY, p.dR
            elif not is_model(value) or isinstance(value, exload.CExPt):
                continue
            elif hasattr(type(value), "_fields") and value is not o:
                stack.append(value)
            else:
                stack.extend(item for item in value if item is not None)


def as_json(value):
    """A value as `exload json` writes it."""
    if isinstance(value, float):
        return value if math.isfinite(value) else None
    if not is_model(value):
        return value
    if isinstance(value, exload.CExPt):
        return {"dR": value.dR, "dX": value.dX, "dY": value.dY}
    if hasattr(type(value), "_fields"):
        return {name: [as_json(x) for x in value] if name == "elements" else as_json(getattr(value, name))
                for name in type(value)._fields}
    return [as_json(x) for x in value]
