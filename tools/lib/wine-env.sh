# Sourced: the project's own Wine prefix and quiet, prompt-free Wine settings.
qm_root=${qm_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export WINEPREFIX=${QM_WINEPREFIX:-$qm_root/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# Creates the prefix once; later calls reuse it.
qm_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating the Wine prefix $WINEPREFIX (once, about 30 s)"
    mkdir -p "$WINEPREFIX"
    LANG=ja_JP.UTF-8 wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
}

# The data directory as the program sees it in the prefix (C:\ProgramData\Tallowgate\Quillmere).
qm_data_dir() {
  echo "$WINEPREFIX/drive_c/ProgramData/Tallowgate/Quillmere"
}
