#!/usr/bin/env bash
# Sets up a fresh machine, builds the tool and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
ctest --test-dir "${QUORVAN_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
