#!/usr/bin/env bash
# Sets up a fresh machine, builds the tool and runs every test: the plain build, the whole
# suite under AddressSanitizer + UndefinedBehaviorSanitizer (LeakSanitizer included), the job
# and threading tests under ThreadSanitizer, and a short run of every fuzz target.
# QUORVAN_QUICK=1 runs the plain build's tests only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
start=$SECONDS
stage() { echo "== $1 ($((SECONDS - start)) s)"; }

stage "plain build"
scripts/build.sh
ctest --test-dir "${QUORVAN_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
[ "${QUORVAN_QUICK:-0}" = 1 ] && exit 0

# Each sanitizer has a build tree of its own; only the test programs are built.
sanitized() {
  local tree=$1 sanitizers=$2
  shift 2
  cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVAN_WERROR=ON \
    -DQUORVAN_SANITIZE="$sanitizers" >/dev/null
  cmake --build "$tree" -j 2 --target "$@"
}

stage "AddressSanitizer + UndefinedBehaviorSanitizer"
sanitized build-asan address,undefined all
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

stage "ThreadSanitizer"
sanitized build-tsan thread core_tests ops_tests
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp"
build-tsan/tests/core_tests --gtest_brief=1
build-tsan/tests/ops_tests --gtest_brief=1 \
  --gtest_filter='OperationTable*:DispatchOperation*:Endurance*'

stage "fuzz targets, 20 s each"
QUORVAN_FUZZ_JOBS=2 scripts/fuzz.sh 20
stage "done"
