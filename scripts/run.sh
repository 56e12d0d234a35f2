#!/usr/bin/env bash
# Sets up a fresh machine, builds the tool and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
build=${QUORVAN_BUILD_DIR:-build}
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: start the window on a desktop, or use the batch tool $build/app/quorvan-cli." >&2
  exit 1
fi
exec "$build/app/quorvan" "$@"
