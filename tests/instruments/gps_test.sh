#!/usr/bin/env bash
# morvel-solve --gps against gpsfake (gpsd-clients) replaying ship.nmea and
# no_fix.nmea to a private gpsd on a free port of its own, and with no gpsd
# at all. Usage: gps_test.sh MORVEL_SOLVE
set -uo pipefail
solve=$1
here=$(cd "$(dirname "$0")" && pwd)
command -v gpsfake >/dev/null || { echo "gpsfake not found: install gpsd and gpsd-clients"; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# gpsfake LOG: a gpsd on a free port fed LOG over and over; its port in
# $port, its process in $fake (ended by stop_fake).
start_fake() {
    port=$(free_port)
    gpsfake -q -c 0.2 -P "$port" "$here/$1" >/dev/null 2>&1 &
    fake=$!
    for _ in $(seq 100); do
        python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "gpsfake did not listen on $port"
}
stop_fake() {
    kill "$fake" 2>/dev/null
    wait "$fake" 2>/dev/null
}
trap stop_fake EXIT

# A fix: the position, time, course and speed the log gives.
start_fake ship.nmea
json=$("$solve" --gps --gpsd "127.0.0.1:$port" --timeout 30 --json)
status=$?
[ $status -eq 0 ] || fail "a fix: exit $status"
python3 - "$json" <<'PY' || fail "a fix: $json"
import json, sys
f = json.loads(sys.argv[1])
assert abs(f["lat"] - 41.5) < 1e-6 and abs(f["lon"] + 37.2) < 1e-6, f
assert f["ut"].startswith("2026-12-07T19:41:") and f["course"] == 60 and f["speed"] == 9.5, f
assert f["fix"] in ("2D", "3D") and f["quality"] == "GPS", f
PY
text=$("$solve" --gps --gpsd "127.0.0.1:$port" --timeout 30)
grep -q "^Position  41°30.0'N 037°12.0'W$" <<<"$text" || fail "plain text: $text"
stop_fake

# Connected, but no fix within the timeout: exit 1, said.
start_fake no_fix.nmea
err=$("$solve" --gps --gpsd "127.0.0.1:$port" --timeout 2 2>&1 >/dev/null)
status=$?
[ $status -eq 1 ] && grep -q "no fix from gpsd" <<<"$err" || fail "no fix: exit $status, $err"
stop_fake

# No gpsd on the port: exit 2 at once, said.
port=$(free_port)
err=$("$solve" --gps --gpsd "127.0.0.1:$port" 2>&1 >/dev/null)
status=$?
[ $status -eq 2 ] && grep -q "no gpsd at 127.0.0.1:$port" <<<"$err" || fail "no gpsd: exit $status, $err"

exit $((failures > 0))
