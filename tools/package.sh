#!/usr/bin/env bash
# The package command: installs what is missing, builds the Windows programs
# and makes build/Quillmere-win64.zip, one folder with the four programs and
# a read-me (Japanese and English), to unpack and run on 64-bit Windows.
. "$(dirname "$0")/lib/common.sh"
qm_install_deps
qm_build_win

bin="$qm_root/build/win/bin"
programs=(QuillmereControl.exe InputStudio.exe ReplayRunner.exe WakeKeeper.exe)
for program in "${programs[@]}"; do
  [ -f "$bin/$program" ] || { echo "missing: $bin/$program" >&2; exit 1; }
done

stage="$qm_root/build/package/Quillmere"
zip_file="$qm_root/build/Quillmere-win64.zip"
rm -rf "$stage" "$zip_file"
mkdir -p "$stage"
cp "${programs[@]/#/$bin/}" "$stage/"
# Windows' text tools read UTF-8 reliably with a byte-order mark and CR LF.
printf '\xEF\xBB\xBF' >"$stage/README.txt"
sed 's/$/\r/' "$qm_root/tools/package/README.txt" >>"$stage/README.txt"
(cd "$stage/.." && zip -q -r -X "$zip_file" Quillmere)
echo "package: $zip_file"
unzip -l "$zip_file"
