#!/usr/bin/env bash
# Runs one golden case of the batch tool (see cases/README.md) and compares everything it
# leaves: exit status, standard output, standard error and the files of its folder.
set -u
cli=$1
case_dir=$(cd "$2" && pwd)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
work=$tmp/work
mkdir "$work"
if [ -d "$case_dir/in" ]; then cp -a "$case_dir/in/." "$work/"; fi

args=()
mapfile -t args < "$case_dir/args"
stdin=/dev/null
if [ -f "$case_dir/stdin" ]; then stdin=$case_dir/stdin; fi

(cd "$work" && exec "$cli" "${args[@]}" < "$stdin" > "$tmp/stdout" 2> "$tmp/stderr")
status=$?

failed=0
fail() { echo "FAIL: $*"; failed=1; }
show() { echo "--- $1:"; od -c "$2" | head -40; }

expected_status=0
if [ -f "$case_dir/status" ]; then expected_status=$(cat "$case_dir/status"); fi
[ "$status" = "$expected_status" ] || fail "exit status $status, expected $expected_status"

for stream in stdout stderr; do
  expected=$case_dir/$stream
  [ -f "$expected" ] || expected=/dev/null
  if ! cmp -s "$expected" "$tmp/$stream"; then
    fail "$stream differs"
    show "expected $stream" "$expected"
    show "actual $stream" "$tmp/$stream"
  fi
done

# The folder holds exactly the files given to the case and the files it is expected to
# write: nothing else (no temporary file, no output of a refused run).
list() { (cd "$1" 2>/dev/null && find . -type f | sort); }
expected_files=$( (list "$case_dir/in"; list "$case_dir/out") | sort -u)
actual_files=$(list "$work")
if [ "$expected_files" != "$actual_files" ]; then
  fail "files differ"
  diff <(echo "$expected_files") <(echo "$actual_files")
fi
while read -r name; do
  [ -n "$name" ] || continue
  if [ -f "$case_dir/out/$name" ]; then
    cmp -s "$case_dir/out/$name" "$work/$name" || { fail "$name differs"; show "expected $name" "$case_dir/out/$name"; show "actual $name" "$work/$name"; }
  elif [ -f "$work/$name" ]; then
    cmp -s "$case_dir/in/$name" "$work/$name" || fail "$name was changed"
  fi
done <<< "$expected_files"

if [ "$failed" = 0 ]; then echo "ok"; fi
exit "$failed"
