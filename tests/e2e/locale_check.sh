#!/bin/bash
# Japanese on a machine whose locale is not Japanese: runs the start-up on a Japanese-named
# list and a tally with its marks and report box again with Wine in LOCALE (default
# C.UTF-8, code page 1252), and compares the pictures the tally test leaves (the grid and
# status bar after the tally, the dialog) with those of the run in the Japanese locale.
# Empty boxes instead of characters change thousands of pixels; a blinking caret a few.
#   tests/e2e/locale_check.sh BUILD_WIN_DIR [LOCALE]
# Needs the Wine session of scripts/test-all.sh or scripts/with-wine.sh, and the
# pictures of a run in the Japanese locale in BUILD_WIN_DIR/tests/e2e/e2e-logs.
set -uo pipefail

tree=$1
locale=${2:-C.UTF-8}
logs=$tree/tests/e2e/e2e-logs
pictures=(TallyTest-marks.bmp TallyTest-dialog.bmp)
max_changed=2000

reference=$(mktemp -d)
trap 'rm -rf "$reference"' EXIT
for picture in "${pictures[@]}"; do
  [ -f "$logs/$picture" ] || { echo "locale_check: no $picture from the Japanese run" >&2; exit 1; }
  cp "$logs/$picture" "$reference/"
done

LANG=$locale LC_ALL='' ctest --test-dir "$tree" --output-on-failure \
  -R 'e2e\.(TallyTest\.TallyReportsMarksAndSurvivesSaveAndReload|StartupTest\.ShowsTheMainWindowOnItsListAndEndsWithCodeZeroWhenClosed)$' ||
  exit 1

status=0
for picture in "${pictures[@]}"; do
  changed=$(compare -metric AE "$reference/$picture" "$logs/$picture" null: 2>&1 | tr -dc '0-9')
  if [ "${changed:-999999}" -gt "$max_changed" ]; then
    echo "locale_check: $picture under $locale differs from the Japanese run in $changed pixels" >&2
    cp "$reference/$picture" "$logs/${picture%.bmp}-ja.bmp"
    status=1
  else
    echo "locale_check: $picture under $locale: $changed pixels differ (at most $max_changed)"
  fi
done
exit "$status"
