# The shared start of the benchmarks that run the Windows build under Wine (source it,
# bash only): the set-up functions, Xvfb and wineserver stopped at the end whatever
# happens, and the helpers below.

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
trap sorvano_stop_started EXIT
trap 'exit 130' INT TERM

bin=$SORVANO_WIN_DIR/bin

# Makes the machine ready and builds the named targets of the Windows tree.
bench_build_win() {
  sorvano_prepare_machine
  sorvano_configure_win
  cmake --build "$SORVANO_WIN_DIR" -j "$SORVANO_JOBS" --target "$@" >/dev/null
}

# The median of the numbers on standard input, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
