#!/usr/bin/env bash
# Load time and memory of `exload summary --quiet` against one std::getline
# pass over the same files, on generated designs with indented lines.
#
# For each size: the getline pass and the load, median of RUNS each (wall,
# and user+system time), their ratio, the load's peak RSS against the input,
# and loaddesign's RSS once the load is done against its peak. Then the cost
# per MiB of every size against the first. The machine's load average is
# printed with every table: on a shared machine wall times follow it, CPU
# times much less.
#
#   bench/load_vs_read.sh BUILD_DIR [-w WORKDIR] [-r RUNS] [-p NAME=LIB]... [SIZE...]
#
# BUILD_DIR holds tools/exload/exload and bench/{gendesign,getlinepass,loaddesign}.
# SIZE is gendesign's size (text without indentation, which adds about 9%):
# the default 14 110 138 gives designs of about 15, 120 and 150 MiB.
# -p runs the programs once per NAME with LIB preloaded ("" for none), to
# compare allocators on the same binaries; those should then link none.
# WORKDIR (default /tmp/exload-load-vs-read) is removed at the end.
set -euo pipefail

build=${1:?usage: bench/load_vs_read.sh BUILD_DIR [-w WORKDIR] [-r RUNS] [-p NAME=LIB]... [SIZE...]}
shift
work=/tmp/exload-load-vs-read
runs=3
preloads=()
while getopts "w:r:p:" opt; do
  case $opt in
    w) work=$OPTARG ;;
    r) runs=$OPTARG ;;
    p) preloads+=("$OPTARG") ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(14 110 138)
[ ${#preloads[@]} -gt 0 ] || preloads=("linked=")

exload=$build/tools/exload/exload
for p in "$exload" "$build/bench/gendesign" "$build/bench/getlinepass" "$build/bench/loaddesign"; do
  [ -x "$p" ] || { echo "load_vs_read: $p is missing (build with -DEXLOAD_BENCH=ON)" >&2; exit 1; }
done
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

# The median of the numbers given.
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Runs a command RUNS times with LD_PRELOAD=$lib; sets wall (s), cpu (user+sys
# s) and rss (peak KiB), each the median.
timed() {
  local walls=() cpus=() rsss=() t0 t1 u s m
  for _ in $(seq "$runs"); do
    t0=$EPOCHREALTIME
    LD_PRELOAD=$lib /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" >/dev/null
    t1=$EPOCHREALTIME
    read -r u s m < "$work/time"
    walls+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')")
    cpus+=("$(awk -v a="$u" -v b="$s" 'BEGIN { print a + b }')")
    rsss+=("$m")
  done
  wall=$(median "${walls[@]}")
  cpu=$(median "${cpus[@]}")
  rss=$(median "${rsss[@]}")
}

declare -A perMiB perMiBCpu
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)  (runs: $runs, medians)"
printf '%-10s %8s %-9s %8s %8s %9s %9s %9s %10s %11s %8s\n' allocator MiB what wall_s cpu_s x_wall x_cpu peak_MiB peak/input after_MiB peak/after
for size in "${sizes[@]}"; do
  dir=$work/$size
  "$build/bench/gendesign" "$dir" "$size" >/dev/null
  bytes=$(cat "$dir"/*.txt | wc -c)
  mib=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1048576 }')
  lib=""
  timed "$build/bench/getlinepass" "$dir"
  readWall=$wall readCpu=$cpu
  printf '%-10s %8s %-9s %8.3f %8.3f\n' - "$mib" getline "$readWall" "$readCpu"
  for entry in "${preloads[@]}"; do
    name=${entry%%=*} lib=${entry#*=}
    timed "$exload" summary --quiet "$dir"
    # Resident memory once the load is done, and the peak, from one load.
    read -r after peak < <(LD_PRELOAD=$lib "$build/bench/loaddesign" "$dir" |
                           sed -n 's/.*rss after load \([0-9.]*\) MiB, peak \([0-9.]*\) MiB.*/\1 \2/p') || true
    [ -n "$after" ] || after=-
    awk -v n="$name" -v m="$mib" -v w="$wall" -v c="$cpu" -v rw="$readWall" -v rc="$readCpu" -v r="$rss" \
        -v b="$bytes" -v a="$after" -v p="$peak" \
        'BEGIN { held = a == "-" ? "-" : sprintf("%.1f", a); ratio = a == "-" ? "-" : sprintf("%.2f", p / a)
                 printf "%-10s %8s %-9s %8.3f %8.3f %9.1f %9.1f %9.1f %10.2f %11s %8s\n",
                 n, m, "summary", w, c, w / rw, c / rc, r / 1024, r * 1024 / b, held, ratio }'
    perMiB[$name]+="$(awk -v w="$wall" -v m="$mib" 'BEGIN { print w / m }') "
    perMiBCpu[$name]+="$(awk -v c="$cpu" -v m="$mib" 'BEGIN { print c / m }') "
  done
  rm -rf "$dir"
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

if [ ${#sizes[@]} -gt 1 ]; then
  echo
  echo "cost per MiB of each size against the first (wall, cpu)"
  for entry in "${preloads[@]}"; do
    name=${entry%%=*}
    read -ra w <<< "${perMiB[$name]}"
    read -ra c <<< "${perMiBCpu[$name]}"
    line=$(printf '%-10s' "$name")
    for i in "${!w[@]}"; do
      line+=$(awk -v s="${sizes[$i]}" -v a="${w[$i]}" -v a0="${w[0]}" -v b="${c[$i]}" -v b0="${c[0]}" \
                  'BEGIN { printf "  size %s: %.2f, %.2f", s, a / a0, b / b0 }')
    done
    echo "$line"
  done
fi
