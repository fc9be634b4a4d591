#!/usr/bin/env bash
# The test command: installs what is missing, builds both configurations and
# runs every test, native and under Wine, through CTest.
. "$(dirname "$0")/lib/common.sh"
qm_install_deps
qm_build_win
qm_build_native
qm_wine_prefix
cd "$qm_root/build/native"
# One virtual display and one Wine server for the whole run. Wine's own
# background services are started here, detached from CTest's output pipes,
# which CTest would otherwise wait on until the test times out.
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
  ctest --output-on-failure -j 2 "$@"
  status=$?
  wineserver -k 2>/dev/null
  exit $status' ctest "$@"
