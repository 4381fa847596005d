#!/usr/bin/env bash
# Times programs from launch to their first mapped window on a virtual display of their own, in
# alternate rounds after one warm start each, and prints the medians beside those of the bare
# Qt window (bench/startup/bare_window.cpp: menu bar, tool bar, MDI area, filled 128 x 11 table).
#
#   bench/compare-startup.sh [-n ROUNDS] [-b BUILD] [LABEL=PROGRAM...]
#
# Without programs it times BUILD/src/app/talvo (BUILD defaults to ./build), e.g.
#   bench/compare-startup.sh before=/tmp/before/talvo now=build/src/app/talvo
# Each program starts with empty settings, backups and recovery folders.
set -euo pipefail

rounds=7
build=build
while [[ "${1:-}" == -n || "${1:-}" == -b ]]; do
  if [[ "$1" == -n ]]; then rounds="$2"; else build="$2"; fi
  shift 2
done
probe="$build/bench/startup/bench_startup_probe"
bare="$build/bench/startup/bench_startup_bare_window"
for tool in "$probe" "$bare"; do
  if [[ ! -x "$tool" ]]; then
    echo "$0: $tool is not built" >&2
    exit 2
  fi
done
programs=("bare=$bare")
if (($# == 0)); then programs+=("talvo=$build/src/app/talvo"); else programs+=("$@"); fi
for arg in "${programs[@]}"; do
  if [[ "$arg" != *=* || ! -x "${arg#*=}" ]]; then
    echo "$0: '$arg' is not LABEL=PROGRAM with an executable program" >&2
    exit 2
  fi
done

out="$(mktemp -d)"
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$out"' EXIT
read -r -u "$displayfd" display
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
export TALVO_CONFIG_DIR="$out/config" TALVO_PROGRAM_DIR="$out/config"
export XDG_DATA_HOME="$out/data" XDG_STATE_HOME="$out/state" XDG_CONFIG_HOME="$out/config"
mkdir -p "$out/config" "$out/data" "$out/state"

load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
for ((round = 0; round <= rounds; ++round)); do
  for arg in "${programs[@]}"; do
    ms="$("$probe" "${arg#*=}" 2>/dev/null)"
    # Round 0 warms the caches and is not counted.
    if ((round > 0)); then echo "$ms" >>"$out/${arg%%=*}"; fi
  done
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

python3 - "$out" "$rounds" "$load_before" "$load_after" "${programs[@]%%=*}" <<'PY'
import statistics, sys
out, rounds, before, after, labels = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5:]
times = {l: [float(x) for x in open(f"{out}/{l}")] for l in labels}
bare = statistics.median(times["bare"])
print(f"launch to first mapped window, ms: median of {rounds} alternate runs (range), and / bare")
print(f"load average before {before}, after {after}")
for l in labels:
    t = times[l]
    print(f"{l:>12} {statistics.median(t):8.1f} ({min(t):.1f}-{max(t):.1f})  {statistics.median(t) / bare:5.2f}")
PY
