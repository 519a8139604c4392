#!/bin/bash
# Sets up everything and runs the program under Wine on the demo data: builds Sorvano.exe
# and Korvax50.dll for Windows, copies them with the demo list, the demo QSO database
# and a settings file that names it into build/demo-run, and starts the program there
# (with the logger simulator beside it when that has been built).
# Without a DISPLAY it runs on a private Xvfb display, waits for the main window, saves a
# screenshot, prints its path and closes the program; with a DISPLAY it runs
# interactively until the program is closed.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
trap sorvano_stop_started EXIT
trap 'exit 130' INT TERM

demo_list="道の駅.scsv"
demo_database=demo.mst
run_dir=$SORVANO_BUILD/demo-run
bin=$SORVANO_WIN_DIR/bin

sorvano_prepare_machine
for file in "$demo_list" "$demo_database"; do
  [ -f "$SORVANO_ROOT/demo/$file" ] || sorvano_die "demo/$file is missing"
done

sorvano_configure_win
targets=(Sorvano Korvax50 sorvano_winctl)
sorvano_win_has_target LoggerSim && targets+=(LoggerSim)
sorvano_log "building ${targets[*]}"
cmake --build "$SORVANO_WIN_DIR" -j "$SORVANO_JOBS" --target "${targets[@]}" >/dev/null

# A fresh copy each time, so that every demo starts from the same data.
rm -rf "$run_dir"
mkdir -p "$run_dir"
cp "$bin/Sorvano.exe" "$bin/Korvax50.dll" "$run_dir/"
cp "$SORVANO_ROOT/help/sorvano.html" "$run_dir/"
cp "$SORVANO_ROOT/demo/$demo_list" "$SORVANO_ROOT/demo/$demo_database" "$run_dir/"
# The settings file is Shift-JIS; these bytes are ASCII and so the same in it.
printf '[Main]\r\nQSO=%s\r\n\r\n' "$demo_database" > "$run_dir/Sorvano.ini"

sorvano_ensure_prefix
export LANG=$SORVANO_WINE_LANG LC_ALL=''
interactive=1
if [ -z "${DISPLAY:-}" ]; then
  interactive=
  sorvano_start_xvfb
  sorvano_start_wineserver
fi

simulator_pid=
simulator=$(find "$SORVANO_WIN_DIR" -path '*/bin/LoggerSim.exe' -print -quit)
if [ -n "$simulator" ]; then
  # Beside the program, showing QSOs from the demo database; its log of every message it
  # receives is LoggerSim.log there.
  cp "$simulator" "$run_dir/"
  sorvano_log "starting the logger simulator in $run_dir"
  (cd "$run_dir" && exec wine ./LoggerSim.exe --mst "$demo_database" --log LoggerSim.log) >/dev/null 2>&1 &
  simulator_pid=$!
fi

cd "$run_dir"
sorvano_log "starting Sorvano.exe in $run_dir"
wine ./Sorvano.exe "$demo_list" &
app_pid=$!

if [ -n "$interactive" ]; then
  wait "$app_pid" || true
  [ -z "$simulator_pid" ] || kill "$simulator_pid" 2>/dev/null || true
  exit 0
fi

winctl=$bin/winctl.exe
wine "$winctl" wait-drawn TStation 60 || sorvano_die "the main window was not drawn within 60 s"
if [ -n "$simulator_pid" ]; then
  # The link at work in the picture: the selected target sent into the simulator's entry.
  wine "$winctl" send-target TStation 60 || sorvano_log "the logger simulator did not come up"
fi
shot=$run_dir/screenshot.png
sorvano_screenshot "$shot"
echo "screenshot: $shot"
if ! wine "$winctl" close TStation 30; then
  sorvano_log "the main window did not close; ending the program"
  kill "$app_pid" 2>/dev/null || true
fi
wait "$app_pid" || true
if [ -n "$simulator_pid" ]; then
  wine "$winctl" close TKrxin 30 || kill "$simulator_pid" 2>/dev/null || true
  wait "$simulator_pid" || true
fi
