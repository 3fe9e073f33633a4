#!/usr/bin/env bash
# zak-cli print as a script calls it: the printout's lines on standard output, the same printout
# as a PDF, and its refusals.
set -u
cli=$1
season=$2
# shellcheck source=../e2e/common.sh
source "$(dirname "$0")/../e2e/common.sh"

bayern='  1.( 1) Bayern München            34   25  4  5   80:18     62    79'
augsburg="$(printf '%s%17s%s' ' Sa 23.05.15 15:30  Bor. Mönchengladbach        - FC Augsburg' '' '1:3  ')"

out=$("$cli" print --season "$season" --league 0 --day 34 --text); check "both blocks" $? 0
expect_line "title" "$out" "  Tabelle der 1. Fußball Bundesliga 2014 / 2015"
expect_line "day line" "$out" "  34. Spieltag (23.05.15 bis 23.05.15)"
expect_line "table row" "$out" "$bayern"
expect_line "match line" "$out" "$augsburg"
# The match day comes before the table.
[ "$(grep -nF 'Bor. Mönchengladbach        - FC Augsburg' <<<"$out" | cut -d: -f1)" -lt \
  "$(grep -nF 'MANNSCHAFT' <<<"$out" | cut -d: -f1)" ] || fail "match day before the table"
grep -q 'ZAK v2.0.9.2  © 2005–2015 ZAK-Team$' <<<"$out" || fail "footer"

out=$("$cli" print --season "$season" --league 0 --day 34 --table --text); check "table only" $? 0
expect_line "table row" "$out" "$bayern"
grep -qF ' - ' <<<"$out" && fail "no match day with --table"

out=$("$cli" print --season "$season" --league 2 --day 1 --match-day --text); check "match day only" $? 0
grep -q 'MANNSCHAFT' <<<"$out" && fail "no table with --match-day"
[ "$(grep -c ' - ' <<<"$out")" -eq 10 ] || fail "3. Liga: ten fixtures"

# The 16 clubs of the Regionalliga Nordost, with no position before match day 1.
out=$("$cli" print --season "$season" --league 4 --day 1 --table --text); check "league 4" $? 0
[ "$(grep -c '^ *[0-9]*\.(--) ' <<<"$out")" -eq 16 ] || fail "16 rows"

# The PDF: the same printout on one A4 page.
"$cli" print --season "$season" --league 0 --day 34 --pdf "$work/druck.pdf"; check "pdf" $? 0
[ "$(pdfinfo "$work/druck.pdf" | awk '/^Pages:/ {print $2}')" = 1 ] || fail "one A4 page"
pdf=$(pdftotext -layout "$work/druck.pdf" -)
grep -qE 'Bayern München +34 +25 +4 +5 +80:18 +62 +79$' <<<"$pdf" || fail "table row in the PDF"
grep -qE 'Sa 23.05.15 15:30 +Bor. Mönchengladbach +- FC Augsburg +1:3$' <<<"$pdf" \
  || fail "match line in the PDF"

for args in "--league 0" "--league 0 --text --pdf $work/x.pdf" "--league 8 --text" \
            "--league 0 --day 39 --text" "--day 3 --text" "--league 0 --pdf" "--league 0 --text --bogus"; do
  # shellcheck disable=SC2086
  "$cli" print --season "$season" $args >/dev/null 2>&1; check "bad args: $args" $? 2
done
"$cli" print --season "$season" --league 0 --pdf /proc/kein-ordner/x.pdf >/dev/null 2>&1
check "unwritable pdf" $? 1
"$cli" print --season /nonexistent --league 0 --text >/dev/null 2>&1; check "missing folder" $? 1

finish
