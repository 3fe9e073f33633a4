#!/usr/bin/env bash
# zak-cli html as a cron job calls it: which fragments, where they go, and its refusals.
set -u
cli=$1
season=$2
# shellcheck source=../e2e/common.sh
source "$(dirname "$0")/../e2e/common.sh"
write_store '[Server]\nHost=zak.test:81\n'

both=$("$cli" html --season "$season" --league 0 --day 34 | od -An -c | tr -d ' \n')
count() { grep -o "$1" <<<"$2" | wc -l; }
out=$("$cli" html --season "$season" --league 0 --day 34) || fail "both: status $?"
[ "$(count '<!-- Tabelle START -->' "$out")" -eq 1 ] || fail "table fragment missing"
[ "$(count '<!-- Spieltag START -->' "$out")" -eq 1 ] || fail "match-day fragment missing"
[[ "$out" == *"Tabelle ENDE"*"Spieltag START"* ]] || fail "the table comes first"
[[ "$both" == *'\r\n\r\n\r\n' ]] || fail "the text ends in one more CR LF: ${both: -40}"
[[ "$out" == *'src="http://zak.test:81/zak/i/t/a/222.gif"'* ]] || fail "badges not on the store's host"
[[ "$out" != *"color:blue"* ]] || fail "highlight without favourite"

out=$("$cli" html --season "$season" --league 0 --day 34 --table)
[[ "$out" == *"Tabelle START"* && "$out" != *"Spieltag START"* ]] || fail "--table"
out=$("$cli" html --season "$season" --league 0 --day 34 --match-day)
[[ "$out" != *"Tabelle START"* && "$out" == *"Spieltag START"* ]] || fail "--match-day"

out=$("$cli" html --season "$season" --league 0 --day 34 --favourite "Bayern München" --match-day)
[ "$(count 'color:blue' "$out")" -eq 1 ] || fail "favourite highlighted once in the match day"

# The file is the standard output's text, in UTF-8.
"$cli" html --season "$season" --league 2 --output "$work/f.html" || fail "--output: status $?"
cmp -s "$work/f.html" <("$cli" html --season "$season" --league 2) || fail "file differs from stdout"
grep -q '38. Spieltag' "$work/f.html" || fail "default day is the current one (38)"
grep -q 'Preußen Münster' "$work/f.html" || fail "UTF-8 names"

"$cli" html --season "$season" --league 0 --output "$work/no/such/folder/f.html" 2>"$work/err"
[ $? -eq 1 ] || fail "unwritable file: status"
grep -q 'nicht geschrieben' "$work/err" || fail "unwritable file: no message"

# A full disk in the middle of a cron job's refresh: the error, and last week's file whole.
printf 'alt\r\n' >"$work/keep.html"
(trap '' XFSZ; ulimit -f 1; "$cli" html --season "$season" --league 0 --output "$work/keep.html") \
  2>"$work/err"
[ $? -eq 1 ] || fail "full disk: status"
grep -q 'nicht geschrieben' "$work/err" || fail "full disk: no message"
[ "$(cat "$work/keep.html")" = "$(printf 'alt\r')" ] || fail "full disk: the old file was changed"
[ -z "$(find "$work" -maxdepth 1 -name 'keep.html.*')" ] || fail "full disk: a temporary file stays"

for args in "--league 8" "--league 0 --day 0" "--league 0 --favourite Unbekannt" "--day 3" \
            "--league 0 --bogus" "--league 0 --favourite"; do
  # shellcheck disable=SC2086
  "$cli" html --season "$season" $args >/dev/null 2>&1
  status=$?
  [ "$status" -eq 2 ] || fail "bad args: $args (status $status)"
done

finish
