# shellcheck shell=bash
# Sourced by every shell test: a work folder removed at the end, a settings store of its own,
# failure counting, waiting for a condition, and the real zak-dataservice on a free loopback port.
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
check() {  # description, command status, expected status
  [ "$2" -eq "$3" ] || fail "$1 (status $2, expected $3)"
}
expect_line() {  # description, output, line
  grep -qxF -- "$3" <<<"$2" || fail "$1: no line '$3'"
}
# Ends the test: a line of counts, and status 0 only when nothing failed.
finish() {
  echo "$((failures == 0 ? 1 : 0)) passed, $failures failed"
  exit $((failures == 0 ? 0 : 1))
}

work=$(mktemp -d)
service_pid=""
# Stops the service, if running, and removes the work folder. A test that starts more replaces
# the trap with its own and calls this from it.
stop_service_and_clean() {
  [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null && wait "$service_pid" 2>/dev/null
  rm -rf "$work"
}
trap stop_service_and_clean EXIT

# The programs the test starts read and write this store, never the user's.
export XDG_CONFIG_HOME=$work/config
store=$XDG_CONFIG_HOME/ZAK1415/ZAK1415.ini
write_store() {  # printf's format and values
  mkdir -p "${store%/*}"
  # shellcheck disable=SC2059
  printf "$@" >"$store"
}

# Runs the command until it succeeds, every 0.1 s for 60 s at most, so that a loaded machine only
# makes the wait longer; the status is the command's last.
await() {
  local _
  for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
  "$@"
}

# The service's "listening on" line has come, or it has ended.
service_answered() { grep -qs '^listening on' "$work/service.out" || ! kill -0 "$service_pid" 2>/dev/null; }

# Starts the service (`--port 0 --threads 1` and the given options) and waits for its
# "listening on" line. Sets service_pid and port; its standard error is service.log in the work
# folder. Ends the test when the service does not come up.
start_service() {  # executable, further options
  "$1" --port 0 --threads 1 "${@:2}" >"$work/service.out" 2>"$work/service.log" &
  service_pid=$!
  await service_answered
  port=$(sed -n 's/^listening on .*:\([0-9]*\)$/\1/p' "$work/service.out")
  [ -n "$port" ] || { cat "$work/service.log"; echo "FAIL: the data service does not start"; exit 1; }
}
