#!/usr/bin/env bash
# Runs every example of the README's "Batch tool" section on the example file and checks what
# they write against awk and sort, which know nothing of the tool.
cli=$1
source_dir=$2
source "$(dirname "$0")/common.bash"
set -o pipefail
export LC_ALL=C

bin=$tmp/bin
mkdir "$bin" && ln -s "$cli" "$bin/quorvan-cli"
mkdir -p work/examples && cp "$source_dir/examples/mobile-numbers.txt" work/examples/
examples=$(sed -n '/^## Batch tool/,/^## /p' "$source_dir/README.md" | sed -n 's/^    \$ //p')
[ "$(echo "$examples" | wc -l)" -ge 5 ] || fail "too few examples found"
while IFS= read -r example; do
  (cd work && PATH=$bin:$PATH bash -c "$example" 2> /dev/null) || fail "example failed: $example"
done <<< "$examples"
cd work

# same FILE COMMAND...: the file holds exactly what the command prints.
same() {
  local file=$1; shift
  cmp -s <("$@") "$file" || fail "$file differs from: $*"
}
file=examples/mobile-numbers.txt
same unique.txt awk -F, '!seen[$1]++' "$file"
same repeated.txt awk -F, 'seen[$1]++' "$file"
same china-mobile.txt awk -F, 'BEGIN {
    n = split("134 135 136 137 138 139 147 148 150 151 152 157 158 159 172 178 182 183 184 187 188 198", p, " ")
    for (i = 1; i <= n; i++) mobile[p[i]] = 1 }
  length($1) == 11 && $1 ~ /^[0-9]+$/ && (substr($1, 1, 3) in mobile)' unique.txt
same large.txt awk -F, '!($4 + 0 < 100)' unique.txt
same sorted.txt sort -u "$file"
# Equal amounts may come in any order: the same lines, amounts never rising.
cmp -s <(sort by-amount.txt) <(sort large.txt) || fail "by-amount.txt holds other lines"
awk -F, 'NR > 1 && $4 + 0 > last + 0 { bad = 1 } { last = $4 } END { exit bad }' by-amount.txt ||
  fail "by-amount.txt is not from large to small"
same <(cat parts/1_unique.txt parts/2_unique.txt parts/3_unique.txt) cat unique.txt
n=$(wc -l < unique.txt)
[ "$(wc -l < parts/1_unique.txt)" = $((n / 3)) ] || fail "part 1 holds $(wc -l < parts/1_unique.txt) lines"
[ -s china-mobile.txt ] && [ -s repeated.txt ] && [ -s large.txt ] || fail "an example wrote nothing"
finish
