# Sourced by the benchmark scripts: waits until the server writing LOG says
# where it listens ("listening on ADDRESS:PORT, ...") and sets `port`; ends
# the script with the log when it never does within about 30 s.
wait_for_port() {
  local log=$1
  for _ in $(seq 600); do
    grep -q "listening on" "$log" && break
    sleep 0.05
  done
  port=$(sed -n 's/.*listening on [^,]*:\([0-9]*\),.*/\1/p' "$log")
  [ -n "$port" ] || { cat "$log" >&2; exit 1; }
}
