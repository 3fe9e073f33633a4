# Sourced by the whole-program tests: a work folder, failure counting, and the real
# zak-dataservice on a free loopback port.
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
work=$(mktemp -d)
service_pid=""

# Starts the service with the given season folder and a state file in the work folder. Sets
# service_pid and port; ends the test when the service does not come up.
start_service() {  # executable, season folder, work folder
  "$1" --port 0 --threads 1 --season "$2" --state "$3/state" >"$3/service.out" 2>"$3/service.log" &
  service_pid=$!
  for _ in $(seq 100); do grep -q '^listening on' "$3/service.out" 2>/dev/null && break; sleep 0.1; done
  port=$(sed -n 's/^listening on .*:\([0-9]*\)$/\1/p' "$3/service.out")
  [ -n "$port" ] || { echo "FAIL: the data service does not start"; exit 1; }
}

# Stops the service, if running, and removes the work folder.
stop_service_and_clean() {
  [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null && wait "$service_pid" 2>/dev/null
  rm -rf "$work"
}
