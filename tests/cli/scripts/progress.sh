#!/usr/bin/env bash
# A progress bar appears on standard error when it is a terminal (or with --progress) and is
# absent otherwise (or with --no-progress); the data never carries it.
cli=$1
source "$(dirname "$0")/common.bash"
command -v script > /dev/null || { echo "script (bsdutils) is missing"; exit 77; }

seq 1 200000 | sed 's/$/\r/' > in.txt
bar='快速排序 \[[#.]*\] [0-9]*%'

# stderr on a terminal: the typescript holds what the terminal showed.
script -qec "'$cli' sort in.txt -o out1.txt" terminal.txt > /dev/null
grep -aq "$bar" terminal.txt || fail "no bar on a terminal"
grep -aq '100%' terminal.txt || fail "the bar does not reach 100%"
grep -aq '导入完毕，总数：200000 行！' terminal.txt || fail "no message on a terminal"

script -qec "'$cli' sort --no-progress in.txt -o out2.txt" quiet-terminal.txt > /dev/null
grep -aq '%' quiet-terminal.txt && fail "a bar despite --no-progress"

"$cli" sort in.txt -o out3.txt 2> file.err
grep -aq '%' file.err && fail "a bar on a file"
same_bytes file.err '导入完毕，总数：200000 行！\n'

"$cli" sort --progress in.txt -o out4.txt 2> forced.err
grep -aq "$bar" forced.err || fail "no bar with --progress"
# Messages stand on lines of their own, never after a bar.
grep -aq $'\r\x1b\[K导入完毕' forced.err || grep -aq $'^导入完毕' forced.err || fail "message not on its own line"

for out in out2.txt out3.txt out4.txt; do cmp -s out1.txt "$out" || fail "$out differs"; done
finish
