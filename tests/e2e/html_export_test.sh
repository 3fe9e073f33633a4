#!/usr/bin/env bash
# An exported fragment on a web page, as a club's visitors see it: zak-cli html writes the
# fragments with the store's data service host, a second web server serves the page that
# includes them, and every picture and link in the page answers 200 from the real
# zak-dataservice with a picture or a page. The program's own two links answer too.
set -u
cli=$1
service=$2
season=$3
# shellcheck source=common.sh
source "$(dirname "$0")/common.sh"
site_pid=""
trap '[ -n "$site_pid" ] && kill "$site_pid" 2>/dev/null; stop_service_and_clean' EXIT
unset http_proxy HTTP_PROXY all_proxy ALL_PROXY

start_service "$service" --season "$season" --state "$work/state"
mkdir -p "$work/site"
write_store '[Server]\nHost=127.0.0.1:%s\n' "$port"

# The club's page: its own frame around the fragments of three leagues.
page=$work/site/index.html
printf '<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>Verein</title></head><body>\n' >"$page"
export_part() {  # zak-cli html options
  "$cli" html --season "$season" "$@" --output "$work/part.html" || fail "zak-cli html $*: status $?"
  cat "$work/part.html" >>"$page"
}
export_part --league 0 --day 34 --favourite "FC Schalke 04"
export_part --league 1 --day 17 --table
export_part --league 2 --day 1 --match-day
printf '</body></html>\n' >>"$page"
grep -q 'color:blue;">FC Schalke 04' "$page" || fail "the favourite is not highlighted"

# A second web server, the club's, serves the page.
python3 -u -m http.server --bind 127.0.0.1 --directory "$work/site" 0 >"$work/site.out" 2>&1 &
site_pid=$!
await grep -qs 'port [0-9]' "$work/site.out"
site_port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$work/site.out" | head -1)
[ -n "$site_port" ] || { echo "FAIL: the page's web server does not start"; exit 1; }
curl -s -o "$work/served.html" "http://127.0.0.1:$site_port/index.html" || fail "page not served"
cmp -s "$work/served.html" "$page" || fail "the served page differs from the written one"

# Every address of the page, as the browser would ask for it.
check_address() {  # address, expected content type pattern, expected first bytes (or "")
  local answer
  answer=$(curl -s -o "$work/body" -w '%{http_code} %{content_type}' "$1")
  [[ "$answer" =~ ^200\ $2 ]] || { fail "$1: $answer"; return; }
  [ -z "$3" ] || [ "$(head -c ${#3} "$work/body")" = "$3" ] || fail "$1: not a picture"
}
pictures=$(grep -o '<img src="[^"]*"' "$work/served.html" | sed 's/<img src="//; s/"$//' | sort -u)
links=$(grep -o '<a href="[^"]*"' "$work/served.html" | sed 's/<a href="//; s/"$//' | sort -u)
[ "$(wc -l <<<"$pictures")" -ge 40 ] || fail "too few pictures: $pictures"
[ "$links" = "http://127.0.0.1:$port/zak/" ] || fail "links: $links"
while read -r address; do
  case "$address" in
    */zak_logo.png) check_address "$address" 'image/png' $'\x89PNG' ;;
    *.gif) check_address "$address" 'image/gif' 'GIF89a' ;;
    *) fail "unexpected picture $address" ;;
  esac
  [[ "$address" == "http://127.0.0.1:$port/zak/"* ]] || fail "$address is not on the service"
done <<<"$pictures"
check_address "http://127.0.0.1:$port/zak/" 'text/html' '<!DOCTYPE html>'
# The main window's links "ZAK Homepage" and "Fehler melden...".
check_address "http://127.0.0.1:$port/zak/?s=report" 'text/html' '<!DOCTYPE html>'
grep -q 'mailto:' "$work/body" || fail "the report page names no contact address"

finish
