#!/usr/bin/env bash
# zak-cli download and table on a fresh settings store against the real data service: the first
# run downloads and stores, the next reads the stored copies, the stored tables equal the
# season's, and without the service the stored copies carry on.
set -u
cli=$1
service=$2
season=$3
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"
# Loopback traffic stays on loopback, whatever proxy the environment names.
unset http_proxy HTTP_PROXY all_proxy ALL_PROXY

start_service "$service" --season "$season" --state "$work/state"
# An administrator's defaults count for nothing: with them read, downloads were off and every
# write judged cut.
mkdir -p "$work/xdg/ZAK1415"
printf '[Start]\nautodl=0\n[Proxy]\nen=1\n' >"$work/xdg/ZAK1415/ZAK1415.ini"
export XDG_CONFIG_DIRS=$work/xdg
# The store names the service's address, as a user's store names the maker's host.
write_store '[Server]\nHost=127.0.0.1:%s\n' "$port"
requests() { grep -c " GET /zak/ud/gd1415.php?$1" "$work/service.log"; }

out=$("$cli" download 2>"$work/err"); status=$?
[ "$status" -eq 0 ] || fail "first download: status $status: $(cat "$work/err")"
# Every league comes from the service; in the Regionalliga Nordost the 30 struck matches of
# VFC Plauen have no result.
expected=$(printf '%s\t%s\tDatendienst\t%s\n' 0 "1. Bundesliga" 306 1 "2. Bundesliga" 306 \
  2 "3. Liga" 380 3 "Regionalliga Nord" 306 4 "Regionalliga Nordost" 210 \
  5 "Regionalliga West" 306 6 "Regionalliga Südwest" 306 7 "Regionalliga Bayern" 306)
[ "$out" = "$expected" ] || fail "first download: $out"
[ ! -s "$work/err" ] || fail "messages on a clean download: $(cat "$work/err")"
[ "$(stat -c %a "$XDG_CONFIG_HOME/ZAK1415/ZAK1415.ini")" = 600 ] || fail "store readable by others"
first=$(requests "l=1&ui=0")

out=$("$cli" download 2>"$work/err"); status=$?
[ "$status" -eq 0 ] || fail "second download: status $status"
[ "$out" = "${expected//Datendienst/gespeichert}" ] || fail "second run: $out"
# The second run sends the stored update count and reads the stored copy without a request.
[ "$(requests "l=1&ui=0")" -eq "$first" ] || fail "league 0 was asked again without its count"
[ "$(requests "l=1&ui=1")" -eq 1 ] || fail "the stored update count was not sent"

for league in 0 1 2 3 4 5 6 7; do
  stored=$("$cli" table --league "$league" --tsv); status=$?
  [ "$status" -eq 0 ] || fail "stored table $league: status $status"
  [ "$stored" = "$("$cli" table --season "$season" --league "$league" --tsv)" ] \
    || fail "stored table of league $league differs from the season's"
done
# Commands that only read leave the store as it was, even its mode.
store=$XDG_CONFIG_HOME/ZAK1415/ZAK1415.ini
chmod 400 "$store"; before=$(sha256sum <"$store")
for args in "table --league 2" "print --text --league 2" "html --league 2" "export $work/copy.zak"; do
  # shellcheck disable=SC2086
  "$cli" $args >/dev/null 2>"$work/err" || fail "$args: $(cat "$work/err")"
done
[ "$(sha256sum <"$store")" = "$before" ] || fail "a reading command wrote the store"
[ "$(stat -c %a "$store")" = 400 ] || fail "a reading command changed the store's mode"
chmod 600 "$store"
# A damaged stored copy: the bundled season, and a word about it.
mkdir -p "$work/junk/ZAK1415"; printf '[Data]\n140=kaputt\n' >"$work/junk/ZAK1415/ZAK1415.ini"
out=$(XDG_CONFIG_HOME=$work/junk "$cli" table --league 0 --tsv 2>"$work/err") || fail "damaged copy: exit $?"
[ "$out" = "$("$cli" table --season "$season" --league 0 --tsv)" ] || fail "damaged copy: $out"
grep -qF "die gespeicherten Daten der Liga 0 sind fehlerhaft, daher aus der mitgelieferten Saison" \
  "$work/err" || fail "no word about the damaged copy: $(cat "$work/err")"
# Downloads that cannot be stored (a full disk), or a store that is a pipe: exit 1.
mkdir -p "$work/full/ZAK1415"; printf '[Server]\nHost=127.0.0.1:%s\n' "$port" >"$work/full/ZAK1415/ZAK1415.ini"
(trap '' XFSZ; ulimit -f 16; XDG_CONFIG_HOME=$work/full "$cli" download >/dev/null 2>"$work/err"); status=$?
[ "$status" -eq 1 ] || fail "unstored downloads: status $status"
grep -q "nicht gespeichert werden" "$work/err" || fail "no word about the store: $(cat "$work/err")"
mkdir -p "$work/pipe/ZAK1415"; mkfifo "$work/pipe/ZAK1415/ZAK1415.ini"
XDG_CONFIG_HOME=$work/pipe timeout 60 "$cli" download >/dev/null 2>"$work/err"; status=$?
[ "$status" -eq 1 ] && [ -p "$work/pipe/ZAK1415/ZAK1415.ini" ] || fail "a pipe as store: status $status"
grep -q "ist beschädigt und bleibt, wie sie ist" "$work/err" || fail "pipe: $(cat "$work/err")"
# Without a stored copy, run from its build, the table comes from the source tree's season.
out=$(XDG_CONFIG_HOME=$work/empty "$cli" table --league 4 --tsv 2>"$work/err") \
  || fail "a league without stored data: $(cat "$work/err")"
[ "$out" = "$("$cli" table --season "$season" --league 4 --tsv)" ] || fail "bundled season: $out"
grep -qF "keine gespeicherten Daten der Liga 4, daher aus der mitgelieferten Saison $season" \
  "$work/err" || fail "no word about the missing data: $(cat "$work/err")"

# Without the service: the connection message, then the stored copies.
kill "$service_pid"; wait "$service_pid" 2>/dev/null; service_pid=""
out=$("$cli" download 2>"$work/err"); status=$?
# Every league has its stored copy, so the run still counts as a success.
[ "$status" -eq 0 ] || fail "download without the service: status $status"
grep -q "^Warnung: Konnte keine Verbindung zum Server herstellen." "$work/err" \
  || fail "no connection message: $(cat "$work/err")"
[ "$out" = "${expected//Datendienst/gespeichert}" ] || fail "offline: $out"
# Without the service and without stored copies no league has data: a failure.
mkdir -p "$work/fresh/ZAK1415"
printf '[Server]\nHost=127.0.0.1:%s\n' "$port" >"$work/fresh/ZAK1415/ZAK1415.ini"
out=$(XDG_CONFIG_HOME=$work/fresh "$cli" download 2>/dev/null); status=$?
[ "$status" -eq 1 ] || fail "download without service and copies: status $status"
[ "$(cut -f3 <<<"$out" | sort -u)" = "keine Daten" ] || fail "no data expected: $out"

finish
