#!/usr/bin/env bash
# The Debian package as a fan gets it: built with CPack from this build's programs, unpacked into
# a temporary root, its zak-cli and zak-dataservice run from there on the installed season
# files, its desktop entry, AppStream metadata and systemd unit checked by their validators, and
# the whole package by lintian, which must report no error.
set -u
build=$1
# shellcheck source=../e2e/common.sh
source "$(dirname "$0")/../e2e/common.sh"
unset http_proxy HTTP_PROXY all_proxy ALL_PROXY

# Packages the programs this build already has, in a folder of the test's own.
if ! cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  fail "cpack"
  exit 1
fi
deb=$(ls "$work"/package/*.deb)
root=$work/root
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
app=example.zak.zak1415
share=$root/usr/share
season=$share/zak1415/season-2014-15

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6network6 libqt6svg6 libstdc++6 libsystemd0 fonts-liberation procps \
    qt6-translations-l10n libcups2; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -q qt6-wayland <<<"$recommends" || fail "Recommends lacks qt6-wayland: $recommends"
for file in usr/bin/zak usr/bin/zak-cli usr/bin/zak-dataservice; do
  [ -x "$root/$file" ] || fail "$file missing"
done
for league in 0 1 2 3 4 5 6 7; do
  [ -f "$season/league-$league.tsv" ] || fail "season file of league $league missing"
done

# zak-cli without stored data shows the installed season.
out=$("$root/usr/bin/zak-cli" table --league 5 --tsv 2>"$work/err"); status=$?
[ "$status" -eq 0 ] || fail "zak-cli table: status $status: $(cat "$work/err")"
grep -qxF "$(printf '5\tRot-Weiss Essen\t34\t16\t8\t10\t58\t38\t20\t56')" <<<"$out" \
  || fail "table of the Regionalliga West: $out"
grep -qF "$season" "$work/err" || fail "zak-cli did not read the installed season: $(cat "$work/err")"

# zak-dataservice without --season serves the installed files: without the installed file of
# league 7 it has nothing for that league, every other league comes from it.
rm "$season/league-7.tsv"
start_service "$root/usr/bin/zak-dataservice" --state "$work/state/counts.tsv"
write_store '[Server]\nHost=127.0.0.1:%s\n' "$port"
out=$("$root/usr/bin/zak-cli" download 2>"$work/err")
[ "$(cut -f3 <<<"$out" | head -7 | sort -u)" = Datendienst ] || fail "download: $out"
[ "$(sed -n 8p <<<"$out" | cut -f3)" = "keine Daten" ] || fail "league 7 from elsewhere: $out"

# The files that describe the package to the desktop and to systemd.
desktop-file-validate "$share/applications/$app.desktop" || fail "desktop-file-validate"
[ -f "$share/icons/hicolor/scalable/apps/$app.svg" ] || fail "icon missing"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" >"$work/appstream.log" 2>&1 \
  || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
unit=$root/usr/lib/systemd/system/zak-dataservice.service
# The unit is checked inside the package's root, with the system's targets and the kill of its
# reload beside it and its manual page found among the package's.
cp -n /lib/systemd/system/*.target "$root/usr/lib/systemd/system/"
mkdir -p "$root/bin" && cp -n /bin/kill "$root/bin/"
verify=$(MANPATH=$share/man systemd-analyze verify --root="$root" "$unit" 2>&1) \
  || fail "systemd-analyze verify: $verify"
[ -z "$verify" ] || fail "systemd-analyze verify: $verify"
grep -q '^Environment=ZAK_BIND=127.0.0.1$' "$unit" || fail "the unit does not keep to loopback"
for line in 'Type=notify' 'WatchdogSec=20s' 'ExecReload=/bin/kill -HUP $MAINPID'; do
  grep -qxF "$line" "$unit" || fail "the unit lacks $line"
done
grep -q '^ExecStart=/usr/bin/zak-dataservice --bind ${ZAK_BIND} --port 8014 ' "$unit" \
  || fail "unit's command: $(grep ExecStart "$unit")"

# lintian: errors fail the test; the warnings that remain are shown in the log.
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
cat "$work/lintian.log"
! grep -q '^E:' "$work/lintian.log" || fail "lintian reports errors"

finish
