#!/usr/bin/env bash
# Sets up a fresh machine, builds the tool and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
build=${QUORVAN_BUILD_DIR:-build}
if [ -x "$build/app/quorvan" ]; then
  exec "$build/app/quorvan" "$@"
fi
echo "The window is not built yet. What can be run so far: the tests (scripts/test.sh)."
