#!/usr/bin/env bash
# The test command: installs what is missing, builds both configurations and
# runs every test, native and under Wine, through CTest.
. "$(dirname "$0")/lib/common.sh"
qm_install_deps
qm_build_win
qm_build_native
qm_wine_prefix
cd "$qm_root/build/native"
# One virtual display and one Wine server for the whole run.
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
  'wineserver -p 60; ctest --output-on-failure -j 2 "$@"; status=$?; wineserver -k 2>/dev/null; exit $status' \
  ctest "$@"
