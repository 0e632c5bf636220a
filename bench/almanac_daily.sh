#!/usr/bin/env bash
# A year of the almanac's daily pages through morvel-solve: every day of
# YEAR (default 2026) in one run, as the text pages (--daily DATE --days
# 365), as CSV, and as a PDF when morvel-solve writes one; then the same
# year a process a day (--daily DATE --csv), as a script calling it would.
# Reports the wall seconds for the year and per page.
#   bench/almanac_daily.sh [BUILD_DIR] [YEAR]
set -euo pipefail
build=${1:-build}
year=${2:-2026}
solve="$build/cli/morvel-solve"
[ -x "$solve" ] || { echo "$solve is missing: build first" >&2; exit 2; }
days=$(( $(date -u -d "$((year + 1))-01-01" +%s) / 86400 - $(date -u -d "$year-01-01" +%s) / 86400 ))
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

timed() {  # label, then the command
  local label=$1; shift
  local start end
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  awk -v l="$label" -v s="$start" -v e="$end" -v n="$days" \
    'BEGIN { printf "%-28s %d pages in %.2f s, %.2f ms a page\n", l, n, e - s, (e - s) * 1000 / n }'
}

timed "one run, text" sh -c "\"$solve\" --daily $year-01-01 --days $days > \"$out/year.txt\""
timed "one run, CSV" sh -c "\"$solve\" --daily $year-01-01 --days $days --csv > \"$out/year.csv\""
if "$solve" --help | grep -q -- "--pdf"; then
  timed "one run, PDF" env QT_QPA_PLATFORM=offscreen "$solve" --daily "$year-01-01" --days "$days" --pdf "$out/year.pdf"
fi
each_day() {
  for day in $(seq 0 $((days - 1))); do
    "$solve" --daily "$(date -u -d "$year-01-01 +$day days" +%F)" --csv >/dev/null
  done
}
timed "a process a day, CSV" each_day
