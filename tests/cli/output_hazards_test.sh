#!/usr/bin/env bash
# zak-cli's files as an unlucky or careless caller names them: a full disk, a device or a pipe
# as the output, a pipe as the import file, a refused import on a store that never saw a start,
# and who may read an exported file.
set -u
cli=$1
season=$2
# shellcheck source=../e2e/common.sh
source "$(dirname "$0")/../e2e/common.sh"
# Nothing listens there; the long user makes an export larger than the file size limit below;
# the first league's stored copy is damaged.
write_store '[Server]\nHost=127.0.0.1:1\n[Proxy]\nUser=%s\n[Data]\n140=kaputt\n' \
  "$(printf 'k%.0s' $(seq 3000))"
cd "$work" || exit 1

# Each writer with the output it is given as its last word. A pipe would make them wait for a
# reader: `timeout` turns a hang into a failure (status 124) rather than a stuck test.
writers=("print --season $season --league 0 --day 34 --pdf"
         "chart --season $season --league 0 --club Hamburger\ SV --svg"
         "chart --season $season --league 0 --club Hamburger\ SV --png"
         "html --season $season --league 0 --output"
         "export")
run() {  # writer, target
  eval "timeout 60 \"$cli\" $1 \"\$2\"" 2>"$work/err"
}

for writer in "${writers[@]}"; do
  # A full disk: the error, and the old file whole with nothing beside it.
  printf 'alt' >keep
  (trap '' XFSZ; ulimit -f 1; run "$writer" "$work/keep" >/dev/null); status=$?
  [ "$status" -eq 1 ] || fail "$writer: full disk: status $status"
  [ "$(cat keep)" = alt ] || fail "$writer: full disk: the old file was changed"
  [ -z "$(find . -maxdepth 1 -name 'keep.*')" ] || fail "$writer: full disk: a temporary file stays"

  # A pipe nobody reads is refused at once, and stays a pipe.
  mkfifo pipe
  run "$writer" "$work/pipe" >/dev/null; status=$?
  [ "$status" -eq 1 ] || fail "$writer: unread pipe: status $status"
  [ -p pipe ] || fail "$writer: the pipe was replaced"
  rm -f pipe

  # Devices stay devices: one that takes everything, and one that is always full.
  if [ "$(id -u)" -eq 0 ]; then
    mknod null c 1 3 && mknod full c 1 7
    run "$writer" "$work/null" >/dev/null; status=$?
    [ "$status" -eq 0 ] || fail "$writer: device: status $status: $(cat err)"
    run "$writer" "$work/full" >/dev/null; status=$?
    [ "$status" -eq 1 ] || fail "$writer: full device: status $status"
    [ -c null ] && [ -c full ] || fail "$writer: a device was replaced by a file"
    rm -f null full
    # Standard output through its link gets the bytes, also when it is a pipe (export checks
    # that /dev takes files, which only root may).
    bytes=$(run "$writer" /dev/stdout | wc -c; exit "${PIPESTATUS[0]}"); status=$?
    [ "$status" -eq 0 ] && [ "$bytes" -gt 1024 ] || fail "$writer: /dev/stdout: $status, $bytes bytes"
  fi
done

# The exported file carries the proxy password: for its owner only, also over an old file.
printf 'alt' >alt.zak && chmod 644 alt.zak
"$cli" export alt.zak 2>/dev/null || fail "export: status $?"
[ "$(stat -c %a alt.zak)" = 600 ] || fail "exported file mode $(stat -c %a alt.zak)"

# A pipe as import file answers at once, and a file with a junk league is refused: the store
# stays byte for byte.
cp "$store" before.ini
mkfifo pipe.zak
timeout 60 "$cli" import pipe.zak 2>err; status=$?
[ "$status" -eq 1 ] || fail "import of a pipe: status $status"
grep -q '^Warnung: Importdatei konnte nicht gelesen werden.' err || fail "pipe: $(cat err)"
{ printf 'Müll'; cat alt.zak; } >junk.zak
"$cli" import junk.zak 2>err; status=$?
[ "$status" -eq 1 ] || fail "import of a junk league: status $status"
grep -q '^Warnung: Importdatei konnte nicht geladen werden.' err || fail "junk league: $(cat err)"
cmp -s "$store" before.ini || fail "a refused import changed the store"
# What the program exports it takes back, though the store held a damaged copy.
"$cli" import alt.zak 2>err || fail "import of an exported file: $(cat err)"

# On a store that never saw a start nothing at all is written by a refused import.
export XDG_CONFIG_HOME=$work/fresh
for file in junk.zak pipe.zak fehlt.zak; do
  timeout 60 "$cli" import "$file" 2>/dev/null; status=$?
  [ "$status" -eq 1 ] || fail "fresh store, import $file: status $status"
  [ ! -e "$XDG_CONFIG_HOME/ZAK1415/ZAK1415.ini" ] || fail "fresh store, import $file: store written"
done

finish
