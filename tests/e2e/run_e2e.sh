#!/bin/bash
# Runs the end-to-end test program under Wine: ctest calls it with the .exe and its
# arguments (a --gtest_filter naming one test, or --gtest_list_tests for discovery).
# When a test fails, its program windows are still up (the driver leaves them for us):
# a screenshot of the display is saved next to the test's log, then they are ended.
set -u

exe=$1
shift
name=all
for argument in "$@"; do
  case $argument in
    --gtest_list_tests) exec wine "$exe" "$@" ;;
    --gtest_filter=*) name=${argument#--gtest_filter=} ;;
  esac
done

if [ -z "${DISPLAY:-}" ]; then
  echo "run_e2e.sh: the end-to-end tests need an X display; run them through" \
       "scripts/test-all.sh or scripts/with-wine.sh" >&2
  exit 1
fi

log_dir=$(dirname "$exe")/e2e-logs
mkdir -p "$log_dir"
base=$log_dir/$(printf '%s' "$name" | tr -c 'A-Za-z0-9._-' '_')
rm -f "$base.png" "$base.leftover"

# The update tests talk to a web server of ours on 127.0.0.1 (a free port, passed on in
# SORVANO_E2E_HTTP_PORT); it is stopped when the test ends.
server_pid=
stop_server() { [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null; server_pid=; }
trap stop_server EXIT
case $name in
  UpdateTest*)
    port_file=$base.port
    rm -f "$port_file"
    python3 "$(dirname "${BASH_SOURCE[0]}")/http/version_server.py" "$port_file" 2>"$base.server.log" &
    server_pid=$!
    for _ in $(seq 100); do [ -s "$port_file" ] && break; sleep 0.05; done
    export SORVANO_E2E_HTTP_PORT=$(cat "$port_file" 2>/dev/null)
    rm -f "$port_file"
    ;;
esac

# Into a file, not a pipe: a program the test leaves running must not hold our output.
SORVANO_E2E_LEFTOVER=$base.leftover wine "$exe" "$@" </dev/null >"$base.log" 2>&1
status=$?
stop_server
cat "$base.log"

if [ "$status" -ne 0 ]; then
  if xwd -root -silent -display "$DISPLAY" | xwdtopnm 2>/dev/null | pnmtopng > "$base.png" 2>/dev/null; then
    echo "screenshot: $base.png"
  else
    echo "screenshot failed"
  fi
  echo "log: $base.log"
  if [ -s "$base.leftover" ]; then
    tr -d '\r' < "$base.leftover" | while read -r pid; do
      [ -n "$pid" ] && wine taskkill /f /pid "$pid" >/dev/null 2>&1
    done
  fi
fi
rm -f "$base.leftover"
exit "$status"
