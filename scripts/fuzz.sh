#!/usr/bin/env bash
# Builds the libFuzzer targets (clang-14, ASan + UBSan) and runs each for SECONDS.
#   scripts/fuzz.sh SECONDS [TARGET...]      (targets: fuzz/*_fuzz.cpp without _fuzz.cpp)
# Two targets run at a time when QUORVAN_FUZZ_JOBS=2. The corpus grows in the build folder;
# the committed seeds in fuzz/corpus stay as they are. A crash leaves its input in
# <build>/crashes and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
build=${QUORVAN_FUZZ_BUILD_DIR:-build-fuzz}
jobs=${QUORVAN_FUZZ_JOBS:-1}
if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for f in fuzz/*_fuzz.cpp; do n=${f#fuzz/}; targets+=("${n%_fuzz.cpp}"); done
fi

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVAN_WERROR=ON -DQUORVAN_BUILD_FUZZ=ON -DQUORVAN_SANITIZE=address,undefined \
  -DQUORVAN_BUILD_TESTS=OFF -DQUORVAN_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/crashes" "$build/logs"
run_one() {
  local name=$1 work="$build/corpus/$1"
  mkdir -p "$work"
  if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=60 \
      -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" "$work" "fuzz/corpus/$name" \
      >"$build/logs/$name.log" 2>&1; then
    echo "fuzz $name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$name.log" | grep -o '[0-9]*$') runs, no crash"
  else
    echo "fuzz $name: FAILED, see $build/logs/$name.log"
    tail -40 "$build/logs/$name.log"
    return 1
  fi
}

status=0
pids=()
for name in "${targets[@]}"; do
  run_one "$name" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
