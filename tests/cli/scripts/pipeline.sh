#!/usr/bin/env bash
# Two operations in a pipeline give the bytes of the two window operations in turn, and each
# process reports its own import and result on standard error.
cli=$1
source "$(dirname "$0")/common.bash"

printf 'b\r\na\r\n\r\nb\r\nc\na\r\n' > a.txt
"$cli" dedupe < a.txt 2> first.err | "$cli" sort - -o b.txt 2> second.err
statuses=("${PIPESTATUS[@]}")
[ "${statuses[*]}" = "0 0" ] || fail "exit statuses ${statuses[*]}"
same_bytes b.txt 'a\r\nb\r\nc\r\n'
same_bytes first.err '导入完毕，总数：5 行！\n剔除完成！重复数：2\n'
same_bytes second.err '导入完毕，总数：3 行！\n'

# The same two steps through files give the same bytes.
"$cli" dedupe -q a.txt -o step.txt && "$cli" sort -q step.txt -o c.txt
cmp -s b.txt c.txt || fail "the pipeline and the two runs differ"

# A refused first step stops the pipeline with no output and a non-zero status.
"$cli" swap 1 2 < a.txt 2> refused.err | "$cli" sort -q - -o d.txt
statuses=("${PIPESTATUS[@]}")
[ "${statuses[*]}" = "2 0" ] || fail "refused pipeline statuses ${statuses[*]}"
grep -q '注意：没有分隔符！' refused.err || fail "no refusal message"
same_bytes d.txt ''
finish
