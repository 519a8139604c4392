#!/bin/bash
# Sets up everything and runs all tests: the native tree with AddressSanitizer and
# UndefinedBehaviorSanitizer (all unit tests), then the Windows tree under Wine (the same
# unit tests and the end-to-end tests) on a private Xvfb display. Stops Xvfb and
# wineserver at the end whatever happened, prints a summary, and exits non-zero when
# anything failed.
set -uo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
trap sorvano_stop_started EXIT
trap 'exit 130' INT TERM

started=$SECONDS
summary=()
passed_total=0
failed_total=0
any_failure=0

# Runs one step, timing it and noting the outcome for the summary.
step() {
  local name=$1
  shift
  local step_start=$SECONDS
  sorvano_log "== $name"
  if "$@"; then
    summary+=("ok      $name ($((SECONDS - step_start)) s)")
    return 0
  fi
  summary+=("FAILED  $name ($((SECONDS - step_start)) s)")
  any_failure=1
  return 1
}

# ctest with its output kept, so that the counts can be added up for the summary.
run_ctest() {
  local tree=$1
  shift
  local log=$tree/ctest-output.log
  "$@" ctest --test-dir "$tree" -j "$SORVANO_JOBS" --timeout 600 --output-on-failure 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  local counts
  counts=$(sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' "$log" | tail -n1)
  if [ -n "$counts" ]; then
    local failed=${counts% *} total=${counts#* }
    passed_total=$((passed_total + total - failed))
    failed_total=$((failed_total + failed))
  fi
  return "$status"
}

build_native() {
  sorvano_configure_native && cmake --build "$SORVANO_NATIVE_DIR" -j "$SORVANO_JOBS"
}

build_win() {
  sorvano_configure_win && cmake --build "$SORVANO_WIN_DIR" -j "$SORVANO_JOBS"
}

# Always a private display, also on a desktop: tests must not depend on what is there.
wine_session() {
  sorvano_ensure_prefix || return 1
  sorvano_start_xvfb || return 1
  sorvano_start_wineserver
}

if step "machine set-up" sorvano_prepare_machine; then
  step "native build (sanitizers)" build_native &&
    step "native tests" run_ctest "$SORVANO_NATIVE_DIR"
  step "windows build" build_win &&
    step "wine prefix, display and wineserver" wine_session &&
    step "windows tests under wine" run_ctest "$SORVANO_WIN_DIR" env LANG="$SORVANO_WINE_LANG" LC_ALL=''
fi

echo
echo "summary ($((SECONDS - started)) s):"
printf '  %s\n' "${summary[@]}"
echo "tests: $passed_total passed, $failed_total failed"
exit "$any_failure"
