#!/usr/bin/env bash
# morvel-solve in batch mode, standard input to standard output, side by side
# with GeographicLib's GeodSolve on the same sphere (one minute of arc one
# nautical mile) over the same positions, in one run:
#   - N great-circle inverse problems (default 1,000,000): morvel-solve
#     --batch - on from_lat,from_lon,to_lat,to_lon against GeodSolve -i;
#   - N celestial reductions (code 28: latitude, LHA, declination).
# Each is run R times (default 3), alternating; the best of each is reported,
# wall and CPU (user + system) seconds, and morvel-solve's share of
# GeodSolve's time.
#   bench/solve_batch.sh [BUILD_DIR] [N] [R]
set -euo pipefail
build=${1:-build}
n=${2:-1000000}
runs=${3:-3}
solve="$build/cli/morvel-solve"
command -v GeodSolve >/dev/null || { echo "GeodSolve is missing (apt install geographiclib-tools)" >&2; exit 2; }
[ -x "$solve" ] || { echo "$solve is missing: build first" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The same random positions for both programs; awk's generator with a fixed seed.
awk -v n="$n" 'BEGIN { srand(12); for (i = 0; i < n; i++)
  printf "%.5f %.5f %.5f %.5f\n", rand()*178-89, rand()*360-180, rand()*178-89, rand()*360-180 }' >"$tmp/pairs.txt"
{ echo from_lat,from_lon,to_lat,to_lon; tr ' ' ',' <"$tmp/pairs.txt"; } >"$tmp/pairs.csv"
awk -v n="$n" 'BEGIN { srand(28); print "lat,lha,dec"; for (i = 0; i < n; i++)
  printf "%.5f,%.5f,%.5f\n", rand()*178-89, rand()*360, rand()*178-89 }' >"$tmp/sights.csv"
radius=$(awk 'BEGIN { printf "%.13f", 10800 / atan2(0, -1) }')  # nautical miles

# best NAME COMMAND...: runs COMMAND, keeps the least wall and CPU seconds in
# $tmp/NAME.wall and $tmp/NAME.cpu.
best() {
  local name=$1
  shift
  local t0 t1 s0 s1
  t0=$(date +%s%N)
  s0=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$$/stat)
  "$@"
  t1=$(date +%s%N)
  s1=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$$/stat)
  local wall cpu
  wall=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')
  cpu=$(awk -v a="$s0" -v b="$s1" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.2f", (b - a) / hz }')
  if [ ! -f "$tmp/$name.wall" ] || awk -v a="$wall" -v b="$(cat "$tmp/$name.wall")" 'BEGIN { exit !(a < b) }'; then
    echo "$wall" >"$tmp/$name.wall"
  fi
  if [ ! -f "$tmp/$name.cpu" ] || awk -v a="$cpu" -v b="$(cat "$tmp/$name.cpu")" 'BEGIN { exit !(a < b) }'; then
    echo "$cpu" >"$tmp/$name.cpu"
  fi
}

for ((r = 0; r < runs; r++)); do
  best geodsolve sh -c 'GeodSolve -i -e "$1" 0 <"$2" >"$3"' - "$radius" "$tmp/pairs.txt" "$tmp/geod.out"
  best inverse sh -c '"$1" --batch - <"$2" >"$3"' - "$solve" "$tmp/pairs.csv" "$tmp/inverse.out"
  best sights sh -c '"$1" --batch - <"$2" >"$3"' - "$solve" "$tmp/sights.csv" "$tmp/sights.out"
done

# Every problem answered, none failed.
[ "$(wc -l <"$tmp/geod.out")" -eq "$n" ]
[ "$(grep -c ',ok,' "$tmp/inverse.out")" -eq "$n" ]
[ "$(grep -c ',ok,' "$tmp/sights.out")" -eq "$n" ]

g_wall=$(cat "$tmp/geodsolve.wall") g_cpu=$(cat "$tmp/geodsolve.cpu")
printf '%-44s %9s %9s\n' "$n problems, best of $runs" "wall s" "CPU s"
printf '%-44s %9s %9s\n' "GeodSolve -i (great-circle inverse)" "$g_wall" "$g_cpu"
for name in inverse sights; do
  label="morvel-solve --batch - (great-circle inverse)"
  [ "$name" = sights ] && label="morvel-solve --batch - (sights, code 28)"
  w=$(cat "$tmp/$name.wall") c=$(cat "$tmp/$name.cpu")
  printf '%-44s %9s %9s   %s of GeodSolve (wall), %s (CPU)\n' "$label" "$w" "$c" \
    "$(awk -v a="$w" -v b="$g_wall" 'BEGIN { printf "%.0f%%", 100 * a / b }')" \
    "$(awk -v a="$c" -v b="$g_cpu" 'BEGIN { printf "%.0f%%", (b > 0) ? 100 * a / b : 0 }')"
done
