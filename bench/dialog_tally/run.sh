#!/bin/bash
# The same tally through the program's dialog and through the command-line tally, both
# under the same Wine, on a generated database of about 200 000 QSOs (the demo log 63
# times over) against the demo list. The dialog's time runs from the click on 集計開始 to
# the report box (winctl tally); the command line's from the start of sorvano-tally.exe
# to its end, Wine's process start included. Prints each run, the medians and the ratio.
#   bench/dialog_tally/run.sh [RUNS]        (default 3)
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../wine_bench.sh"

runs=${1:-3}
dir=$SORVANO_BUILD/dialog-tally

bench_build_win Sorvano Korvax50 sorvano_winctl sorvano-tally korvax_import

rm -rf "$dir"
mkdir -p "$dir"
cp "$bin/Sorvano.exe" "$bin/Korvax50.dll" "$bin/sorvano-tally.exe" "$dir/"
cp "$SORVANO_ROOT/demo/道の駅.scsv" "$dir/list.scsv"
for _ in $(seq 63); do cat "$SORVANO_ROOT/demo/demo_qsos.txt"; done > "$dir/big.txt"
# Remarks1 first, then Remarks2: where the demo log has its codes.
printf '[Main]\r\nQSO=big.mst\r\n\r\n[Set]\r\nRmks=593\r\n\r\n' > "$dir/settings.ini"

sorvano_ensure_prefix
export LANG=$SORVANO_WINE_LANG LC_ALL=''
sorvano_start_xvfb
sorvano_start_wineserver
cd "$dir"
wine "$bin/korvax_import.exe" --text big.txt big.mst >/dev/null
sorvano_log "database: $(( $(stat -c %s big.mst) / 256 )) QSOs"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

dialog=()
command_line=()
for run in $(seq "$runs"); do
  start=$(now_ms)
  wine ./sorvano-tally.exe --settings settings.ini list.scsv big.mst > cli-report.txt
  command_line+=($(( $(now_ms) - start )))

  cp settings.ini Sorvano.ini
  wine ./Sorvano.exe list.scsv &
  app=$!
  wine "$bin/winctl.exe" wait-window TStation 60 || sorvano_die "the main window did not come up"
  wine "$bin/winctl.exe" tally TStation 3600 > dialog-report.txt || sorvano_die "the dialog's tally failed"
  wine "$bin/winctl.exe" close TStation 60 >/dev/null || sorvano_die "the window did not close"
  wait "$app" || true
  dialog+=("$(sed -n 's/^tally_ms=\([0-9]*\).*/\1/p' dialog-report.txt)")
  echo "run $run: dialog ${dialog[-1]} ms, command line ${command_line[-1]} ms"
done
dialog_median=$(printf '%s\n' "${dialog[@]}" | median)
command_line_median=$(printf '%s\n' "${command_line[@]}" | median)
echo "median: dialog $dialog_median ms, command line $command_line_median ms," \
     "ratio $(awk -v d="$dialog_median" -v c="$command_line_median" 'BEGIN { printf "%.2f", d / c }')"
echo "the dialog's report:"
sed -n '2,$p' dialog-report.txt | iconv -f UTF-8 -t UTF-8 -c
