#!/usr/bin/env bash
# Configures and builds Quorvane into build/ (or $QUORVANE_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUORVANE_BUILD_DIR:-$root/build}"
werror=OFF
if [[ "${CI:-}" == "true" ]]; then werror=ON; fi
cmake -S "$root" -B "$build" -G Ninja -DQUORVANE_WERROR="$werror" "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
