#!/usr/bin/env bash
# An almanac batch of N lines (default 1,000,000) through morvel-solve
# --batch -, standard input to standard output: every body in turn, at an
# instant a minute apart from the last, with every hundredth line a body
# that does not exist (answered in its place and named on standard error).
# Reports wall and CPU (user + system) seconds and peak resident memory,
# by /usr/bin/time: the answers go out as the lines are read, so the peak
# does not grow with N.
#   bench/almanac_batch.sh [BUILD_DIR] [N]
set -euo pipefail
build=${1:-build}
n=${2:-1000000}
solve="$build/cli/morvel-solve"
[ -x "$solve" ] || { echo "$solve is missing: build first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt install time)" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
awk -v n="$n" 'BEGIN { split("Sun Moon Venus Mars Jupiter Saturn Aries Sirius Vega Polaris", b, " ")
  print "body,at"; for (i = 0; i < n; i++) {
    m = i % 1440; d = 1 + int(i / 1440) % 28; mo = 1 + int(i / 40320) % 12
    printf "%s,2026-%02d-%02dT%02d:%02d:00Z\n", (i % 100 == 99) ? "Vulcan" : b[1 + i % 10], mo, d, int(m / 60), m % 60 } }' \
  >"$tmp/batch.csv"
status=0
/usr/bin/time -f '%e %U %S %M' -o "$tmp/time" "$solve" --batch - <"$tmp/batch.csv" >"$tmp/out" 2>"$tmp/err" || status=$?
[ "$status" -eq 2 ]  # the lines without a body
[ "$(grep -c ',ok$' "$tmp/out")" -eq $((n - n / 100)) ]
[ "$(wc -l <"$tmp/err")" -eq $((n / 100)) ]
read -r wall user sys peak <"$tmp/time"
awk -v n="$n" -v w="$wall" -v u="$user" -v s="$sys" -v p="$peak" \
  'BEGIN { printf "%d almanac lines: %.2f s wall, %.2f s CPU, peak %.1f MiB\n", n, w, u + s, p / 1024 }'
