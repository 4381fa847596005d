#!/usr/bin/env bash
# Runs two or more builds of bench_gui_language alternately on the same machine and prints the
# medians side by side: start-up (bare, and with the main window shown), and two language
# switches with every window shown.
#
#   bench/compare-language.sh [-n ROUNDS] [-f REGEX] LABEL=BINARY LABEL=BINARY...
#
# e.g. bench/compare-language.sh before=/tmp/before/bench/bench_gui_language now=build/bench/bench_gui_language
# -f runs only the benchmarks whose names match REGEX (e.g. -f StartUp$).
# Each round runs every binary once, in turn, so that a change of load touches them alike. The
# machine's load average before and after is printed with the table.
set -euo pipefail

rounds=5
filter=.
while [[ "${1:-}" == -n || "${1:-}" == -f ]]; do
  if [[ "$1" == -n ]]; then rounds="$2"; else filter="$2"; fi
  shift 2
done
if (($# < 2)); then
  echo "usage: $0 [-n ROUNDS] [-f REGEX] LABEL=BINARY LABEL=BINARY..." >&2
  exit 2
fi
for arg in "$@"; do
  if [[ "$arg" != *=* || ! -x "${arg#*=}" ]]; then
    echo "$0: '$arg' is not LABEL=BINARY with an executable binary" >&2
    exit 2
  fi
done

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
for ((round = 1; round <= rounds; ++round)); do
  for arg in "$@"; do
    label="${arg%%=*}"
    QT_QPA_PLATFORM=offscreen "${arg#*=}" --benchmark_format=json --benchmark_filter="$filter" \
      --benchmark_out="$out/$label.$round.json" >/dev/null 2>&1
  done
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

python3 - "$out" "$rounds" "$load_before" "$load_after" "${@%%=*}" <<'EOF'
import json, statistics, sys
out, rounds, load_before, load_after, labels = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5:]
rows = [("BM_StartUp", "start-up"),
        ("BM_StartUpShown", "start-up, window shown"),
        ("BM_LanguageSwitchEveryWindow", "two switches zh, en"),
        ("BM_FurtherLanguageSwitchEveryWindow", "two switches es, en")]
times = {label: {} for label in labels}
cpu = {label: {} for label in labels}
for label in labels:
    for r in range(1, rounds + 1):
        with open(f"{out}/{label}.{r}.json") as f:
            for b in json.load(f)["benchmarks"]:
                assert b["time_unit"] == "ms", b["time_unit"]
                times[label].setdefault(b["name"], []).append(b["real_time"])
                cpu[label].setdefault(b["name"], []).append(b["cpu_time"])
width = max(max(len(l) for l in labels) + 2, 30)
print(f"medians of {rounds} alternate runs, ms: wall clock (its range) / the process's CPU")
print(f"load average before {load_before}, after {load_after}")
print(f"{'':24}" + "".join(f"{l:>{width}}" for l in labels))
for name, title in rows:
    cells = []
    for label in labels:
        t = times[label].get(name)
        c = cpu[label].get(name)
        cells.append(f"{statistics.median(t):.1f} ({min(t):.1f}-{max(t):.1f}) / "
                     f"{statistics.median(c):.1f}" if t else "-")
    print(f"{title:24}" + "".join(f"{c:>{width}}" for c in cells))
EOF
