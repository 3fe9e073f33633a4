#!/usr/bin/env bash
# The committed club badges are exactly what the badge tool draws today.
set -u
tool=$1
committed=$2
# shellcheck source=../e2e/common.sh
source "$(dirname "$0")/../e2e/common.sh"
fresh=$work/badges
mkdir "$fresh"
"$tool" "$fresh" || fail "the badge tool: status $?"
diff -r "$committed" "$fresh" || fail "the committed badges differ from the drawn ones"
echo "badges in step: $(ls "$fresh" | grep -c '^club-') club badges"
finish
