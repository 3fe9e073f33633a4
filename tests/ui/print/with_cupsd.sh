#!/usr/bin/env bash
# Runs a test program against a CUPS of its own, never the machine's: cupsd on a free loopback
# port (CUPS_SERVER), all its folders in ZAK_CUPS_DIR; the PDF printer of device ZAK_CUPS_DEVICE
# writes into pdf/ there, log/page_log has a line per job printed: queue, job, name, copies, sides.
# Exit 77 (skipped) where no cupsd can run: not root, or the CUPS packages missing.
set -euo pipefail
if [ "$(id -u)" -ne 0 ] || [ ! -x /usr/sbin/cupsd ] || [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
  echo "SKIP: a private cupsd needs root and the packages cups-daemon, printer-driver-cups-pdf"
  exit 77
fi
dir=$(mktemp -d /tmp/zak-cups.XXXXXX)
conf=/etc/cups/cups-pdf-zak-test-$$.conf  # the PDF printer reads its settings only from there
cupsd=
trap 'kill $cupsd 2>/dev/null; wait $cupsd 2>/dev/null; rm -rf "$dir" "$conf"' EXIT
chmod 755 "$dir" && mkdir "$dir"/{spool,cache,state,log,pdf}
printf 'Out %s/pdf\nLog %s/log\nGrp root\n' "$dir" "$dir" >"$conf"
answers() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }
for _ in $(seq 50); do port=$((20000 + RANDOM % 30000)) && ! answers && break; done
printf '%s\n' "Listen 127.0.0.1:$port" "Browsing No" "WebInterface No" \
  "PageLogFormat \"%p	%j	%{job-name}	%C	%{sides}\"" \
  "<Policy default>" "<Limit All>" "Order allow,deny" "Allow all" "</Limit>" "</Policy>" \
  >"$dir/cupsd.conf"
printf '%s\n' "ServerRoot $dir" "RequestRoot $dir/spool" "TempDir $dir/spool" \
  "CacheDir $dir/cache" "StateDir $dir/state" "AccessLog $dir/log/access_log" \
  "ErrorLog $dir/log/error_log" "PageLog $dir/log/page_log" >"$dir/cups-files.conf"
/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
cupsd=$!
for _ in $(seq 600); do answers && break; kill -0 $cupsd 2>/dev/null || break; sleep 0.1; done
answers || { echo "cupsd does not answer on port $port"; cat "$dir/log/error_log"; exit 1; }
export CUPS_SERVER=127.0.0.1:$port ZAK_CUPS_DIR=$dir ZAK_CUPS_DEVICE=cups-pdf:/zak-test-$$
"$@"
