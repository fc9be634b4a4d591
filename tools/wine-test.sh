#!/usr/bin/env bash
# Runs one Win32 test program under Wine in the project's prefix:
#   tools/wine-test.sh LOCALE PROGRAM [ARGUMENTS...]
# LOCALE sets the process's ANSI code page (ja_JP.UTF-8 gives 932, C gives 1252).
set -u
qm_root=$(cd "$(dirname "$0")/.." && pwd)
. "$qm_root/tools/lib/wine-env.sh"
locale=$1
shift
export LANG=$locale LC_ALL=$locale
qm_wine_prefix
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
