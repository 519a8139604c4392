#!/bin/bash
# Start-to-drawn benchmark under Wine: how long from starting Sorvano.exe until its main
# window is fully drawn, on the demo list and on a 30 000-target list, each run several
# times on a private Xvfb display. An X client (first_paint_watch) takes pictures of the
# display from the moment it starts the program and reports when the window first
# appeared and when it was last changed before the screen stood still with the grid's
# highlighted row on it, and how long a large black area (a window shown before it was
# painted) was on screen. Prints every run and the medians.
#   bench/first_paint/run.sh [RUNS]        (default 5 runs a list)
# SORVANO_BENCH_CPU_PERCENT=N runs the program (not the X server, not wineserver) with
# N per cent of one core, through a cgroup v1 cpu controller, to see what a slower
# machine (or Wine under an emulator) would show.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../wine_bench.sh"

runs=${1:-5}
bench_dir=$SORVANO_BUILD/first-paint
watch=$bench_dir/first_paint_watch

bench_build_win Sorvano Korvax50 sorvano_winctl
missing=$(sorvano_missing_packages libx11-dev)
[ -z "$missing" ] || sorvano_apt_install $missing
mkdir -p "$bench_dir"
g++ -O2 -std=c++20 -o "$watch" "$SORVANO_ROOT/bench/first_paint/first_paint_watch.cpp" -lX11

# One folder a list, with the program, its library and the list.
prepare() {
  local dir=$bench_dir/$1
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$bin/Sorvano.exe" "$bin/Korvax50.dll" "$dir/"
}
prepare demo
cp "$SORVANO_ROOT/demo/道の駅.scsv" "$bench_dir/demo/list.scsv"
prepare big
# 30 000 targets, a third of them worked, in Shift-JIS.
awk 'BEGIN {
  printf "No,名称,Code,所在地,交信局,道の駅\r\n"
  for (n = 1; n <= 30000; n++) {
    printf "%02d-%05d,道の駅%d,%02d%03d,所在地%d", n % 47 + 1, n, n, n % 47 + 1, n % 1000, n
    if (n % 3 == 0) printf ",JA%dAAA<%d>", n % 10, n
    printf "\r\n"
  }
}' | iconv -f UTF-8 -t CP932 > "$bench_dir/big/list.scsv"

sorvano_ensure_prefix
export LANG=$SORVANO_WINE_LANG LC_ALL=''
sorvano_start_xvfb
sorvano_start_wineserver

launch=()
if [ -n "${SORVANO_BENCH_CPU_PERCENT:-}" ]; then
  group=/sys/fs/cgroup/cpu/sorvano-bench
  mkdir -p "$group" && echo 100000 > "$group/cpu.cfs_period_us" &&
    echo $((SORVANO_BENCH_CPU_PERCENT * 1000)) > "$group/cpu.cfs_quota_us" ||
    sorvano_die "no cgroup v1 cpu controller to slow the program down"
  launch=(sh -c 'echo $$ > "$0/tasks" && exec "$@"' "$group")
  sorvano_log "the program runs with $SORVANO_BENCH_CPU_PERCENT % of one core"
fi

for list in demo big; do
  drawn=()
  appeared=()
  black=()
  for run in $(seq "$runs"); do
    (
      cd "$bench_dir/$list"
      rm -f Sorvano.ini
      "$watch" --timeout-s 120 -- "${launch[@]}" wine ./Sorvano.exe list.scsv
    ) > "$bench_dir/result.txt"
    result=$(cat "$bench_dir/result.txt")
    wine "$bin/winctl.exe" close TStation 30 >/dev/null 2>&1 || sorvano_die "the window did not close"
    # The next run needs this one gone (the single-instance lock).
    for _ in $(seq 100); do pgrep -f 'Sorvano.exe list.scsv' >/dev/null || break; sleep 0.2; done
    echo "$list run $run: $result"
    appeared+=("$(sed -n 's/.*appeared_ms=\([0-9]*\).*/\1/p' <<<"$result")")
    drawn+=("$(sed -n 's/.*drawn_ms=\([0-9]*\).*/\1/p' <<<"$result")")
    black+=("$(sed -n 's/.*black_ms=\([0-9]*\).*/\1/p' <<<"$result")")
  done
  echo "$list: median appeared $(printf '%s\n' "${appeared[@]}" | median) ms," \
       "median fully drawn $(printf '%s\n' "${drawn[@]}" | median) ms," \
       "median black $(printf '%s\n' "${black[@]}" | median) ms ($runs runs)"
done
