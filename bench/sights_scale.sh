#!/usr/bin/env bash
# morvel-solve --sights on logs of N exact star sights (default 1,000,
# 20,000 and 100,000; morvel-sights-bench --log writes them), in text and
# in JSON: wall and CPU (user + system) seconds and peak resident memory of
# each run, by /usr/bin/time. The sights are reduced on every core, so CPU
# seconds may exceed wall seconds; on a busy machine quote the CPU.
#   bench/sights_scale.sh [BUILD_DIR] [N...]
set -euo pipefail
build=${1:-build}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 20000 100000)
solve="$build/cli/morvel-solve"
writer="$build/bench/morvel-sights-bench"
for f in "$solve" "$writer"; do
  [ -x "$f" ] || { echo "$f is missing: build first" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt install time)" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf '%-8s %-5s %9s %9s %11s\n' sights form "wall s" "CPU s" "peak MiB"
for n in "${sizes[@]}"; do
  "$writer" --log "$n" "$tmp/log.csv"
  for form in text json; do
    flag=()
    [ "$form" = json ] && flag=(--json)
    /usr/bin/time -f '%e %U %S %M' -o "$tmp/time" "$solve" --sights "$tmp/log.csv" "${flag[@]}" >"$tmp/out"
    # Every sight answered and a fix found.
    if [ "$form" = text ]; then
      grep -q '^Fix at ' "$tmp/out"
    else
      grep -q '"fix":{' "$tmp/out"
    fi
    read -r wall user sys peak <"$tmp/time"
    awk -v n="$n" -v f="$form" -v w="$wall" -v u="$user" -v s="$sys" -v p="$peak" \
      'BEGIN { printf "%-8d %-5s %9.2f %9.2f %11.1f\n", n, f, w, u + s, p / 1024 }'
  done
done
