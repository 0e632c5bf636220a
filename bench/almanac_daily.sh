#!/usr/bin/env bash
# A year of the almanac's hourly daily pages through morvel-solve: every
# day of YEAR (default 2026) as --daily DATE --csv, one process a day (24
# hours of Aries, the planets, the Sun and the Moon, and the stars at 0h).
# Reports the wall seconds for the year and per page.
#   bench/almanac_daily.sh [BUILD_DIR] [YEAR]
set -euo pipefail
build=${1:-build}
year=${2:-2026}
solve="$build/cli/morvel-solve"
[ -x "$solve" ] || { echo "$solve is missing: build first" >&2; exit 2; }

start=$(date +%s.%N)
days=0
for day in $(seq 0 364); do
  "$solve" --daily "$(date -u -d "$year-01-01 +$day days" +%F)" --csv >/dev/null
  days=$((days + 1))
done
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" -v n="$days" \
  'BEGIN { printf "%d daily pages in %.2f s, %.1f ms a page\n", n, e - s, (e - s) * 1000 / n }'
