#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvane on its default data folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUORVANE_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "$build/tools/cli/quorvane-cli" profiles --json
