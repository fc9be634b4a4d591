# Sourced by the run and test commands: installs what is missing and builds.
set -euo pipefail
qm_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$qm_root/tools/lib/wine-env.sh"

qm_packages=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
  libbenchmark-dev g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine xvfb xauth
  x11-apps imagemagick fonts-ipafont-gothic fonts-ipafont-mincho locales zip)

qm_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

qm_install_deps() {
  local missing=()
  for package in "${qm_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== installing: ${missing[*]}"
    qm_as_root apt-get update -qq
    qm_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "== generating the ja_JP.UTF-8 locale"
    qm_as_root sed -i 's/^# *\(ja_JP.UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | qm_as_root tee -a /etc/locale.gen >/dev/null
    qm_as_root locale-gen >/dev/null
  fi
}

qm_jobs=${QM_JOBS:-$(nproc)}

qm_build_win() {
  echo "== building the Windows programs (build/win)"
  cmake -S "$qm_root" -B "$qm_root/build/win" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qm_root/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$qm_root/build/win" -j "$qm_jobs" -- --no-print-directory
}

qm_build_native() {
  echo "== building the portable core and its tests (build/native)"
  cmake -S "$qm_root" -B "$qm_root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQM_WIN_BUILD_DIR="$qm_root/build/win" >/dev/null
  cmake --build "$qm_root/build/native" -j "$qm_jobs" -- --no-print-directory
}
