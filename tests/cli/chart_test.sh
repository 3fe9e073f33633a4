#!/usr/bin/env bash
# zak-cli chart as a club's web master calls it: the SVG parses and its line runs through the
# club's position after every match day, which zak-cli table tells independently; the PNG has
# the picture's size; a mid-season date cuts the line; wrong clubs and dates are refused.
set -u
cli=$1
season=$2
# shellcheck source=../e2e/common.sh
source "$(dirname "$0")/../e2e/common.sh"

points() {  # svg file: the line's points, one "x y" per line
  xmllint --xpath 'string(//*[local-name()="g"][@stroke-width="2"]/*[local-name()="polyline"]/@points)' "$1" | tr ' ' '\n' | tr ',' ' ' |
    sed '/^$/d'
}

# Where the line must pass after each of the days: column i at i × column width + 420 twips,
# position q in the middle of row q at q × row height - row height / 2; 15 twips to the pixel.
# 18 clubs and 34 days make columns of 248 twips and rows of 201; 20 and 38 make 222 and 181.
expected_points() {  # league, club, days, column width, row height, [date]
  local day rank extra=()
  [ -n "${6:-}" ] && extra=(--date "$6")
  for day in $(seq 1 "$3"); do
    rank=$("$cli" table --season "$season" --league "$1" --day "$day" --tsv "${extra[@]}" |
      awk -F'\t' -v club="$2" '$2 == club {print $1}')
    awk -v i=$((day - 1)) -v q="$rank" -v w="$4" -v h="$5" \
      'BEGIN {printf "%.3f %.3f\n", (i * w + 420) / 15, (q * h - h / 2) / 15}'
  done
}

same_points() {  # description, actual file, expected file
  if ! paste "$2" "$3" | awk 'NF != 4 || ($1 - $3) ^ 2 > 0.0001 || ($2 - $4) ^ 2 > 0.0001 {bad = 1} END {exit bad}' ||
    [ "$(wc -l <"$2")" -ne "$(wc -l <"$3")" ]; then
    fail "$1: line points differ"; paste "$2" "$3" | head -40
  fi
}

"$cli" chart --season "$season" --league 0 --club "Hamburger SV" --svg "$work/hsv.svg" \
  --png "$work/hsv.png" || fail "chart exit status $?"
xmllint --noout "$work/hsv.svg" || fail "the SVG does not parse"
points "$work/hsv.svg" >"$work/actual"
expected_points 0 "Hamburger SV" 34 248 201 >"$work/expected"
[ "$(wc -l <"$work/expected")" -eq 34 ] || fail "34 expected points"
same_points "Hamburger SV" "$work/actual" "$work/expected"
[ "$(identify -format '%w x %h' "$work/hsv.png" 2>/dev/null)" = "585 x 257" ] || fail "PNG size"

# Mid-season: the 3. Liga's line stops at match day 27, played on 27 and 28 February 2015.
"$cli" chart --season "$season" --league 2 --club "Arminia Bielefeld" --date 2015-03-01 \
  --svg "$work/dsc.svg" || fail "mid-season chart"
points "$work/dsc.svg" >"$work/actual"
expected_points 2 "Arminia Bielefeld" 27 222 181 2015-03-01 >"$work/expected"
same_points "Arminia Bielefeld 2015-03-01" "$work/actual" "$work/expected"

err=$("$cli" chart --season "$season" --league 0 --club "Hamburg" --svg "$work/x.svg" 2>&1)
[ $? -eq 2 ] || fail "unknown club: status"
grep -q "Hamburger SV" <<<"$err" && grep -q "Werder Bremen" <<<"$err" || fail "unknown club lists the clubs: $err"
[ ! -e "$work/x.svg" ] || fail "a file for an unknown club"
for args in "--league 0 --club Hamburger" "--league 0 --svg $work/y.svg" \
            "--league 0 --club Hertha --svg $work/y.svg --date 2015-02-30" "--club X --svg $work/y.svg"; do
  # shellcheck disable=SC2086
  "$cli" chart --season "$season" $args >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad args: $args"
done
"$cli" chart --season "$season" --league 0 --club "Hertha BSC" --svg /nonexistent/dir/c.svg \
  >/dev/null 2>&1; [ $? -eq 1 ] || fail "unwritable file"

finish
