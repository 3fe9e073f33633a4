#!/usr/bin/env bash
# The committed club badges are exactly what the badge tool draws today.
set -euo pipefail
tool=$1
committed=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
"$tool" "$fresh"
diff -r "$committed" "$fresh"
echo "badges in step: $(ls "$fresh" | grep -c '^club-') club badges"
