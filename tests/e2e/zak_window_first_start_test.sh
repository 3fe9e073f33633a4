#!/usr/bin/env bash
# The desktop program's first start on a fresh settings store, run as a user runs it (on the
# offscreen platform) against the real data service: it asks for every league, stores the
# leagues that have data, the options with their defaults and the installation's identity, and
# keeps its window open afterwards. A second start sends the stored update counts. Beside a
# running program, no second one and no zak-cli download writes the store.
set -u
zak=$1
service=$2
season=$3
cli=$4
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"
zak_pid=""
cleanup() {
  [ -n "$zak_pid" ] && kill "$zak_pid" 2>/dev/null && wait "$zak_pid" 2>/dev/null
  stop_service_and_clean
}
trap cleanup EXIT
unset http_proxy HTTP_PROXY all_proxy ALL_PROXY
export QT_QPA_PLATFORM=offscreen

start_service "$service" --season "$season" --state "$work/state"
write_store '[Server]\nHost=127.0.0.1:%s\n' "$port"

league_requests() { grep -c " GET /zak/ud/gd1415.php?l=$1&" "$work/service.log"; }

# Every league has been asked for at least $1 times, or the program has ended.
asked_for_every_league() {
  local l
  kill -0 "$zak_pid" 2>/dev/null || return 0
  for l in 1 2 3 4 5 6 7 8; do [ "$(league_requests "$l")" -ge "$1" ] || return 1; done
}

# Starts the program and waits until every league has been asked for at least $1 times.
start_program() {
  "$zak" >"$work/zak.out" 2>&1 &
  zak_pid=$!
  await asked_for_every_league "$1"
  sleep 1  # the leagues' loading and the first display follow the downloads
}

stop_program() {
  kill -0 "$zak_pid" 2>/dev/null || fail "the program ended by itself: $(cat "$work/zak.out")"
  kill "$zak_pid" 2>/dev/null
  wait "$zak_pid" 2>/dev/null
  zak_pid=""
}

value() { sed -n "/^\[$1\]/,/^\[/p" "$store" | sed -n "s/^$2=//p"; }

start_program 1
stop_program
for l in 1 2 3 4 5 6 7 8; do
  [ "$(league_requests "$l")" -ge 1 ] || fail "league $l was not asked for"
done
grep -q ' GET /zak/ud/news1415.php' "$work/service.log" || fail "no news request"
grep -q ' GET /zak/dl/fw1415.php' "$work/service.log" || fail "no version request"
for key in 140 141 142; do [ -n "$(value Data "$key")" ] || fail "league $key not stored"; done
[ "$(value Start autodl)" = "@ByteArray(1)" ] || fail "autodl: $(value Start autodl)"
[ "$(value Start autoup)" = "@ByteArray(1)" ] || fail "autoup: $(value Start autoup)"
for key in id id0 id1; do
  [ -n "$(value Start "$key")" ] && [ "$(value Start "$key")" != "@ByteArray()" ] ||
    fail "identity value $key not stored"
done
[ "$(stat -c %a "$store")" = 600 ] || fail "store readable by others"

# The next start sends the update count the service gave for each league with data.
start_program 2
# Meanwhile a second program, and zak-cli download, are refused: neither writes over the
# first one's leagues and edits.
before=$(sha256sum <"$store")
"$cli" download >/dev/null 2>"$work/cli.err"; status=$?
[ "$status" -eq 1 ] || fail "zak-cli download beside zak: status $status"
grep -q "ZAK 14/15 läuft bereits mit diesen Einstellungen" "$work/cli.err" || fail "cli: $(cat "$work/cli.err")"
"$zak" >"$work/second.out" 2>&1 &
second=$!
await grep -q "startet deshalb nicht" "$work/second.out"
grep -q "ZAK 14/15 läuft bereits" "$work/second.out" || fail "second start: $(cat "$work/second.out")"
kill "$second" 2>/dev/null; wait "$second" 2>/dev/null
[ "$(sha256sum <"$store")" = "$before" ] || fail "the store changed beside the running program"
stop_program
grep -q ' GET /zak/ud/gd1415.php?l=1&ui=1 ' "$work/service.log" ||
  fail "the stored update count of league 0 was not sent"

finish
