#!/usr/bin/env bash
# zak-cli table as a user calls it: final tables of the real season, and its refusals.
set -u
cli=$1
season=$2
# shellcheck source=../e2e/common.sh
source "$(dirname "$0")/../e2e/common.sh"

out=$("$cli" table --season "$season" --league 0 --day 34 --tsv); check "league 0" $? 0
expect_line "Bayern" "$out" "$(printf '1\tBayern München\t34\t25\t4\t5\t80\t18\t62\t79')"
[ "$(wc -l <<<"$out")" -eq 18 ] || fail "18 rows expected"
[ "$(awk -F'\t' '{print NF}' <<<"$out" | sort -u)" = 10 ] || fail "10 columns"

# "--name=value" is "--name value".
[ "$("$cli" table --season="$season" --league=0 --day=34 --tsv)" = "$out" ] ||
  { echo "FAIL: --name=value"; failures=$((failures + 1)); }

out=$("$cli" table --season "$season" --league 1 --day 34 --tsv); check "league 1" $? 0
expect_line "Ingolstadt" "$out" "$(printf '1\tFC Ingolstadt 04\t34\t17\t13\t4\t53\t32\t21\t64')"
aalen=$(grep -F 'VfR Aalen' <<<"$out" | awk -F'\t' '{print $4*3+$5-$10}')
[ "$aalen" = 2 ] || fail "Aalen's deduction ($aalen)"
sandhausen=$(grep -F 'SV Sandhausen' <<<"$out" | awk -F'\t' '{print $4*3+$5-$10}')
[ "$sandhausen" = 3 ] || fail "Sandhausen's deduction"

out=$("$cli" table --season "$season" --league 2 --day 38); check "league 2 text" $? 0
expect_line "title" "$(head -1 <<<"$out")" "3. Fußball Liga - 38. Spieltag"
grep -q 'SpVgg Unterhaching' <<<"$out" || fail "Unterhaching row"

# Regionalliga West: Essen's 1:1 at Lotte booked as lost, as in the published table.
out=$("$cli" table --season "$season" --league 5 --tsv); check "league 5" $? 0
expect_line "Essen" "$out" "$(printf '5\tRot-Weiss Essen\t34\t16\t8\t10\t58\t38\t20\t56')"
# Regionalliga Nordost: VFC Plauen's struck matches leave it last without a game.
out=$("$cli" table --season "$season" --league 4 --tsv); check "league 4" $? 0
expect_line "Plauen" "$out" "$(printf '16\tVFC Plauen\t0\t0\t0\t0\t0\t0\t0\t0')"

# The default day is the current one: after the season, the last.
[ "$("$cli" table --season "$season" --league 0 | head -1)" = "1. Fußball Bundesliga - 34. Spieltag" ] \
  || fail "default day"

# A given date replays the season: its current day, without the results of later days.
[ "$("$cli" table --season "$season" --league 0 --date 2015-03-01 | head -1)" = "1. Fußball Bundesliga - 23. Spieltag" ] \
  || fail "day in force on 1 March"
# On Saturday 28 February seven of match day 23's nine matches had been played.
out=$("$cli" table --season "$season" --league 0 --date 2015-02-28 --tsv)
[ "$(awk -F'\t' '{s += $3} END {print s}' <<<"$out")" = $((22 * 18 + 7 * 2)) ] \
  || fail "games counted on 28 February"

for args in "--league 8" "--league x" "--league 0 --day 39" "--league 0 --day 0" "--day 3" \
            "--league 0 --bogus" "--league" "--league 0 --date 2015-02-30" "--league 0 --date 1.3.2015"; do
  # shellcheck disable=SC2086
  "$cli" table --season "$season" $args >/dev/null 2>&1; check "bad args: $args" $? 2
done
# A day beyond the league's last, or an option given twice, was taken silently.
for args in "table --league 0 --day 35" "table --league 4 --day 31" "print --text --league 0 --day 35" \
            "html --league 4 --day 31" "table --league 0 --league 5" "table --league 0 --tsv --tsv"; do
  # shellcheck disable=SC2086
  err=$("$cli" $args --season "$season" 2>&1 >/dev/null); check "refused: $args" $? 2
  grep -qE "bis (30|34)|mehrfach" <<<"$err" || fail "no range or repeat: $err"
done
err=$("$cli" table --season /nonexistent --league 0 2>&1 >/dev/null); check "missing folder" $? 1
[ -n "$err" ] || fail "no message for a missing folder"
bad=$work/bad
mkdir "$bad"
printf 'day\tkickoff\thome\taway\thome_goals\taway_goals\n1\t22.08.14 20:30\tA\tB\t2\n' >"$bad/league-0.tsv"
err=$("$cli" table --season "$bad" --league 0 2>&1 >/dev/null); check "bad file" $? 1
grep -q "league-0.tsv:2:" <<<"$err" || fail "line number missing: $err"
# A league without a season file: all zero, the corrections applied.
out=$("$cli" table --season "$bad" --league 5 --day 3 --tsv); check "league without file" $? 0
expect_line "Essen" "$out" "$(printf '18\tRot-Weiss Essen\t0\t0\t-1\t1\t-1\t1\t-2\t-1')"
# A pipe or a giant as league file: refused at once, never read whole.
mkfifo "$bad/league-1.tsv"; truncate -s 17M "$bad/league-2.tsv"
for league in 1 2; do
  err=$(timeout 60 "$cli" table --season "$bad" --league $league 2>&1 >/dev/null); check "unreadable $league" $? 1
done
grep -q "größer als 16 MiB" <<<"$err" || fail "a giant was read: $err"
"$cli" bogus >/dev/null 2>&1; check "unknown command" $? 2

finish
