#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvane on its default data folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUORVANE_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
# The project's SANE folder (the test scanner) goes in front of the system's.
export QUORVANE_SANE_CONFIG="$root/config/sane.d"
# Without a data folder of the user's own, the window starts on a demo folder
# in the build tree: demo profiles writing into its "Dokumente" folder and the
# SANE test scanner chosen; its settings stay beside it.
if [[ -z "${QUORVANE_HOME:-}" ]]; then
  export QUORVANE_HOME="$build/demo-home"
  export XDG_CONFIG_HOME="$QUORVANE_HOME/config"
  "$build/src/app/quorvane-demo-home"
fi
exec "$build/src/app/quorvane"
