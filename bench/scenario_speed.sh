#!/usr/bin/env bash
# The scenario runner's speed: one file of 1,000 calculations in the
# decimal-degrees window (typing every field, Enter, messages checked),
# timed over 5 runs.
#   bench/scenario_speed.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
file=$(mktemp --suffix=.scn)
trap 'rm -f "$file"' EXIT
{
  echo "click morvelf.cmdDD"
  echo "click locddf.optLatN"
  echo "click locddf.optDecS"
  for ((i = 0; i < 1000; i++)); do
    echo "type locddf.txtDeg(0) \"$((i % 90))\""
    echo "type locddf.txtDeg(1) \"$((i * 7 % 360))\""
    echo "type locddf.txtDeg(2) \"12.5\""
    echo "type locddf.txtDeg(3) \" \""
    echo "type locddf.txtDeg(4) \" \""
    echo "key locddf Return"
    echo "expect locddf.txtIo(3).Text \"Output\""
  done
} >"$file"
export QT_QPA_PLATFORM=offscreen
for run in 1 2 3 4 5; do
  /usr/bin/time -f "run $run: %e s, peak %M KB" "$build/tests/gui/runner/morvel-scenario" "$file" >/dev/null
done
