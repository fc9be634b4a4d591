#!/usr/bin/env bash
# The run command: installs what is missing, builds, and starts the program
# under Wine in the project's own prefix.
. "$(dirname "$0")/lib/common.sh"
qm_install_deps
qm_build_win
qm_wine_prefix
echo "The interactive program is not built yet; nothing to show."
