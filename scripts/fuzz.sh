#!/bin/bash
# Runs the libFuzzer harnesses of tests/fuzz for as long as asked:
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# (default 600 seconds each, every target). Each target grows its own working corpus in
# build/fuzz/corpus/<name> (seeded from the committed tests/fuzz/corpus/<name>); a crash,
# hang or sanitizer report stops that target and leaves its input in
# build/fuzz/findings/<name>/. Fix what it shows, then add the input to the committed
# corpus. Prints executions and coverage per target; exits non-zero when anything was found.
set -uo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(comma_text list_load settings cp932 mst_reader adif qso_text version_page entry_record)

sorvano_install_packages
sorvano_build_fuzz || sorvano_die "the fuzz build failed"

found=0
for name in "${targets[@]}"; do
  harness=$SORVANO_FUZZ_DIR/fuzz/${name}_fuzz
  [ -x "$harness" ] || sorvano_die "no harness $name"
  corpus=$SORVANO_FUZZ_DIR/corpus/$name
  findings=$SORVANO_FUZZ_DIR/findings/$name
  mkdir -p "$corpus" "$findings"
  log=$SORVANO_FUZZ_DIR/findings/$name.log
  sorvano_log "fuzzing $name for $seconds s"
  if "$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$findings/" "$corpus" "$SORVANO_ROOT/tests/fuzz/corpus/$name" >"$log" 2>&1; then
    status=ok
  else
    status=FOUND
    found=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tr -dc '0-9')
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n1 | tr -dc '0-9')
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -n1 | tr -dc '0-9')
  printf '%-12s %-6s %10s runs  cov %s  ft %s  (%s)\n' "$name" "$status" "${runs:-?}" \
    "${coverage:-?}" "${features:-?}" "$log"
done
exit "$found"
