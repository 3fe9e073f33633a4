#!/usr/bin/env bash
# zak-dataservice asked by curl: HTTP/1.0 and 1.1, one connection for several requests, the
# not-found page, the league answer with the program's agent text.
set -u
service=$1
season=$2
# shellcheck source=../e2e/common.sh
source "$(dirname "$0")/../e2e/common.sh"
unset http_proxy HTTP_PROXY all_proxy ALL_PROXY

start_service "$service" --season "$season" --state "$work/counts.tsv"
grep -qx "listening on 127.0.0.1:$port" "$work/service.out" || fail "not on loopback by default"
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

kill -TERM "$service_pid"
wait "$service_pid" || fail "exit status after SIGTERM"
service_pid=""

finish
