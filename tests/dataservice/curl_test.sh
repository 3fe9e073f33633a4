#!/usr/bin/env bash
# zak-dataservice asked by curl: HTTP/1.0 and 1.1, one connection for several requests, the
# not-found page, the league answer with the program's agent text.
set -u
service=$1
season=$2
work=$(mktemp -d)
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

"$service" --port 0 --season "$season" --state "$work/counts.tsv" >"$work/out" 2>"$work/log" &
pid=$!
for _ in $(seq 100); do grep -q '^listening on' "$work/out" && break; sleep 0.1; done
port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$work/out")
[ -n "$port" ] || { echo "FAIL: no 'listening on' line"; cat "$work/log"; exit 1; }
base=http://127.0.0.1:$port

# Top bit of every byte inverted, as the program does with its agent text and the answers.
shift_bytes() { perl -0777 -pe 'tr/\x00-\xff/\x80-\xff\x00-\x7f/'; }

[ "$(curl -s --http1.0 "$base/zak/dl/fw1415.php?s=2")" = 2.0.9.2 ] || fail "HTTP/1.0"
curl -s -o /dev/null -w '%{http_code}' "$base/gibt/es/nicht" | grep -qx 404 || fail "404 status"
curl -s "$base/gibt/es/nicht" | grep -q 'Seite nicht gefunden' || fail "404 page"

verbose=$(curl -sv "$base/zak/dl/fw1415.php?s=2" "$base/zak/dl/fw1415.php?s=0" 2>&1 >/dev/null)
grep -qi 're-using existing connection' <<<"$verbose" || fail "keep-alive: connection not reused"

agent=$(printf 'ZAK1415-1431903600' | shift_bytes)
answer=$(curl -s -A "$agent" "$base/zak/ud/gd1415.php?l=2&ui=0" | shift_bytes | iconv -f WINDOWS-1252 -t UTF-8)
grep -q '^1|0108142030|Fortuna Düsseldorf|Eintracht Braunschweig|2|2;' <<<"$answer" ||
  fail "league 2 answer starts wrong: ${answer:0:80}"
[ "${answer##*<>}" = 1 ] || fail "league 2 count"
[ "$(tr ';' '\n' <<<"${answer%<>*}" | wc -l)" -eq 306 ] || fail "league 2 items"

kill -TERM $pid
wait $pid || fail "exit status after SIGTERM"

[ $failures -eq 0 ]
