#!/usr/bin/env bash
# User CPU time of compiling each object of the library (src/) and the tool
# (tools/), or with -a of every object (tests and benchmarks too), one file
# at a time and past the compiler cache, with the preprocessed line count of
# each; prints the slowest N and the total. CPU time rather than wall time,
# so that a busy machine skews it little.
#   scripts/compile-times.sh [-a] [N] [BUILD_DIR]     (default 10, build/)
# BUILD_DIR must be configured: its compile_commands.json is read. It may
# belong to another checkout (an older commit, for a comparison).
set -euo pipefail
cd "$(dirname "$0")/.."
all=0
if [ "${1:-}" = -a ]; then all=1; shift; fi
exec /usr/bin/python3 - "${1:-10}" "${2:-build}" "$all" <<'EOF'
import json, os, resource, shlex, subprocess, sys, tempfile

top, build, every = int(sys.argv[1]), sys.argv[2], sys.argv[3] == "1"
try:
    with open(os.path.join(build, "compile_commands.json")) as f:
        entries = json.load(f)
    with open(os.path.join(build, "CMakeCache.txt")) as f:
        # The tree the build belongs to, which need not be this one.
        root = next(line.split("=", 1)[1].strip() for line in f if line.startswith("CMAKE_HOME_DIRECTORY:"))
except OSError as e:
    sys.exit(f"compile-times: {e.filename}: {e.strerror} (configure {build}/ first)")


def cpu():
    return resource.getrusage(resource.RUSAGE_CHILDREN).ru_utime


rows = []
with tempfile.TemporaryDirectory() as tmp:
    for e in entries:
        name = os.path.relpath(e["file"], root)
        if not every and not name.startswith(("src/", "tools/")):
            continue
        args = e["arguments"] if "arguments" in e else shlex.split(e["command"])
        out = args.index("-o") + 1
        # The build's own object stays as it is.
        start = cpu()
        subprocess.run(args[:out] + [os.path.join(tmp, "out.o")] + args[out + 1:], cwd=e["directory"], check=True)
        seconds = cpu() - start
        pre = subprocess.run(args[:out] + ["-"] + args[out + 1:] + ["-E"], cwd=e["directory"], check=True,
                             stdout=subprocess.PIPE).stdout
        rows.append((seconds, pre.count(b"\n"), name))

rows.sort(reverse=True)
print(f"{'user_s':>8} {'pp_lines':>9}  file")
for seconds, lines, name in rows[:top]:
    print(f"{seconds:8.2f} {lines:9d}  {name}")
print(f"{sum(r[0] for r in rows):8.2f} {sum(r[1] for r in rows):9d}  total of {len(rows)} files")
EOF
