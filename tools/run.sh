#!/usr/bin/env bash
# The run command: installs what is missing, builds, and starts the program
# under Wine in the project's own prefix. With a display it opens a Wine
# virtual desktop there; without one it runs under Xvfb and saves a screenshot.
. "$(dirname "$0")/lib/common.sh"
. "$qm_root/tools/lib/samples.sh"
qm_install_deps
qm_build_win
qm_wine_prefix
qm_lay_samples "$(qm_data_dir)"
program="$qm_root/build/win/bin/QuillmereControl.exe"
export LANG=ja_JP.UTF-8

if [ -n "${DISPLAY:-}" ]; then
  echo "== starting Quillmere on $DISPLAY"
  exec wine explorer /desktop=Quillmere,1024x768 "$program"
fi

shot="$qm_root/build/screenshots/quillmere.png"
mkdir -p "$(dirname "$shot")"
echo "== no display: running Quillmere under Xvfb for a screenshot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine explorer /desktop=Quillmere,1024x768 "$1" >/dev/null 2>&1 &
  sleep "${QM_SHOT_DELAY:-8}"
  xwd -root -silent | convert xwd:- "$2"
  wineserver -k' run "$program" "$shot"
echo "screenshot: $shot"
