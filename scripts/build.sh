#!/usr/bin/env bash
# Configures and builds the tool in build/ (or $QUORVAN_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVAN_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVAN_WERROR=ON "$@" >/dev/null
cmake --build "$build"
