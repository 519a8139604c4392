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

# The value of a count attribute of the test suite in ctest's JUnit report (0 if absent).
junit_count() {
  local value
  value=$(grep -o "[[:space:]]$2=\"[0-9]*\"" "$1" | head -n1 | tr -dc '0-9')
  echo "${value:-0}"
}

# ctest with its output kept and a JUnit report, whose counts are added up for the
# summary (the report is ctest's own record of every test, whatever its console says).
run_ctest() {
  local tree=$1
  shift
  local log=$tree/ctest-output.log
  local junit=$tree/ctest-junit.xml
  rm -f "$junit"
  "$@" ctest --test-dir "$tree" -j "$SORVANO_JOBS" --timeout 600 --output-on-failure \
    --output-junit "$junit" 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  if [ -f "$junit" ]; then
    local total failed skipped disabled
    total=$(junit_count "$junit" tests)
    failed=$(junit_count "$junit" failures)
    skipped=$(junit_count "$junit" skipped)
    disabled=$(junit_count "$junit" disabled)
    passed_total=$((passed_total + total - failed - skipped - disabled))
    failed_total=$((failed_total + failed))
  elif [ "$status" -ne 0 ]; then
    failed_total=$((failed_total + 1))  # ctest itself failed before it could report
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
  step "fuzz build (clang, libFuzzer)" sorvano_build_fuzz &&
    step "fuzz regression runs" run_ctest "$SORVANO_FUZZ_DIR"
  step "windows build" build_win &&
    step "wine prefix, display and wineserver" wine_session && {
    step "windows tests under wine" run_ctest "$SORVANO_WIN_DIR" env LANG="$SORVANO_WINE_LANG" LC_ALL=''
    step "japanese under a C.UTF-8 wine" "$SORVANO_ROOT/tests/e2e/locale_check.sh" "$SORVANO_WIN_DIR"
  }
fi

echo
echo "summary ($((SECONDS - started)) s):"
printf '  %s\n' "${summary[@]}"
echo "tests: $passed_total passed, $failed_total failed"
exit "$any_failure"
