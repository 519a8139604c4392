#!/bin/bash
# Runs a command in the Wine environment that the tests use: the prefix in the build
# folder, LANG for Wine, a private Xvfb display when no DISPLAY is set, and a persistent
# wineserver; stops what it started afterwards. For running tests by hand, e.g.
#   scripts/with-wine.sh ctest --test-dir build/win -R e2e.StartupTest --output-on-failure
# It installs nothing and builds nothing: run scripts/test-all.sh once first.
set -uo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
trap sorvano_stop_started EXIT
trap 'exit 130' INT TERM

[ $# -gt 0 ] || sorvano_die "usage: scripts/with-wine.sh COMMAND [ARGUMENTS...]"
sorvano_ensure_i386
sorvano_ensure_prefix
[ -n "${DISPLAY:-}" ] || sorvano_start_xvfb
sorvano_start_wineserver
LANG=$SORVANO_WINE_LANG LC_ALL='' "$@"
