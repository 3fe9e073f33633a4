#!/usr/bin/env bash
# zak-cli export and import as a backup script calls them: the exit status tells success, the
# messages go to standard error, a relative name means the current folder.
set -u
cli=$1
# shellcheck source=../e2e/common.sh
source "$(dirname "$0")/../e2e/common.sh"
# Nothing listens there: a league without a stored copy is asked for in vain.
write_store '[Server]\nHost=127.0.0.1:1\n[Proxy]\nUser=Kassenwart\n'
cd "$work" || exit 1

"$cli" export sicherung.zak 2>err; status=$?
[ "$status" -eq 0 ] || fail "export: status $status: $(cat err)"
[ "$(cat err)" = "Information: Die Daten wurden erfolgreich exportiert." ] || fail "export: $(cat err)"
grep -qF 'Kassenwart' sicherung.zak || fail "the stored user is not in the file"
[ "$(grep -o 'Rw](e' sicherung.zak | wc -l)" -eq 14 ] || fail "14 separators expected"

"$cli" export fehlt/sicherung.zak 2>err; status=$?
[ "$status" -eq 1 ] || fail "export into a missing folder: status $status"
grep -q '^Warnung: Der Zielpfad konnte nicht gefunden werden.' err || fail "missing folder: $(cat err)"

printf 'Rw](e%.0s' $(seq 15) >kaputt.zak
"$cli" import kaputt.zak 2>err; status=$?
[ "$status" -eq 1 ] || fail "import of 16 fields: status $status"
grep -q '^Warnung: Importdatei konnte nicht geladen werden.' err || fail "16 fields: $(cat err)"

"$cli" import sicherung.zak 2>err; status=$?
[ "$status" -eq 0 ] || fail "import: status $status: $(cat err)"
[ "$(tail -1 err)" = "Information: Daten wurden erfolgreich importiert." ] || fail "import: $(cat err)"

"$cli" import fehlt.zak 2>err; status=$?
[ "$status" -eq 1 ] || fail "import of a missing file: status $status"
grep -q '^Warnung: Importdatei konnte nicht gelesen werden.' err || fail "missing file: $(cat err)"

for args in "" "a.zak b.zak" "--league 0"; do
  # shellcheck disable=SC2086
  "$cli" export $args >/dev/null 2>&1; status=$?
  [ "$status" -eq 2 ] || fail "export '$args': status $status"
done

finish
