#!/usr/bin/env bash
# Runs every example of the README's "Batch tool" section on its sample file and compares the
# files they write with the expected ones.
cli=$1
source_dir=$2
source "$(dirname "$0")/common.bash"
set -o pipefail
data=$source_dir/tests/cli/readme

bin=$tmp/bin
mkdir "$bin" && ln -s "$cli" "$bin/quorvan-cli"
mkdir work && cp "$data/phones.txt" work/
examples=$(sed -n '/^## Batch tool/,/^## /p' "$source_dir/README.md" | sed -n 's/^    \$ //p')
[ -n "$examples" ] || fail "no examples found"
while IFS= read -r example; do
  (cd work && PATH=$bin:$PATH bash -c "$example" 2> /dev/null) || fail "example failed: $example"
done <<< "$examples"

expected=$( (cd "$data/expected" && find . -type f | sort) )
actual=$( (cd work && find . -type f ! -name phones.txt | sort) )
[ "$expected" = "$actual" ] || { fail "files differ"; diff <(echo "$expected") <(echo "$actual"); }
while IFS= read -r name; do
  cmp -s "$data/expected/$name" "work/$name" || fail "$name differs"
done <<< "$expected"
finish
