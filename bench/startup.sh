#!/usr/bin/env bash
# Start-up of Morvel to the main menu's first paint, side by side with a bare
# Qt window of the same size (empty, and with one label), in one run: N
# alternating launches of each
# (default 30), headless. Prints the medians of the in-process time from
# main to first paint, of the whole process's wall time, and the peak RSS.
#   bench/startup.sh [BUILD_DIR] [N]
set -euo pipefail
build=${1:-build}
n=${2:-30}
exe="$build/bench/morvel-startup"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export XDG_RUNTIME_DIR
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
for ((i = 0; i < n; i++)); do
  for mode in bare label morvel; do
    t0=$(date +%s%N)
    line=$("$exe" "$mode")
    t1=$(date +%s%N)
    echo "$line wall_ms=$(( (t1 - t0) / 1000 ))e-3" >>"$tmp"
  done
done
python3 - "$tmp" <<'PY'
import statistics, sys
rows = {}
for line in open(sys.argv[1]):
    parts = line.split()
    mode = parts[0]
    kv = dict(p.split('=') for p in parts[1:])
    r = rows.setdefault(mode, {'paint': [], 'wall': [], 'rss': []})
    r['paint'].append(float(kv['first_paint_ms']))
    r['wall'].append(float(kv['wall_ms']))
    r['rss'].append(int(kv['peak_rss_kb']) / 1024)
med = {m: {k: statistics.median(v) for k, v in r.items()} for m, r in rows.items()}
print(f"{'':8} {'first paint ms':>15} {'process ms':>11} {'peak RSS MB':>12}")
for m in ('bare', 'label', 'morvel'):
    d = med[m]
    print(f"{m:8} {d['paint']:15.2f} {d['wall']:11.2f} {max(rows[m]['rss']):12.1f}")
for base in ('bare', 'label'):
    print(f"morvel/{base:6} {med['morvel']['paint'] / med[base]['paint']:9.2f} {med['morvel']['wall'] / med[base]['wall']:11.2f}")
PY
