#!/usr/bin/env bash
# The help of the tool lists every operation with the window's caption; the help of an
# operation lists its options with the captions of the controls they set.
cli=$1
source "$(dirname "$0")/common.bash"

expect_status 0 "$cli" -h > tool.txt
while IFS=: read -r command caption; do
  grep -q "^  $command  *$caption" tool.txt || fail "tool help lacks $command $caption"
  expect_status 0 "$cli" "$command" -h > "$command.txt"
  grep -q '分隔符 (编辑框1)' "$command.txt" || fail "$command help lacks the delimiter"
done <<'LIST'
sort:快速排序
dedupe:剔除重复 / 剔除重复(按列对比)
swap:列交换位置
delete-column:指定列删除
replace:文本替换
format:格式化
suffix:指定列添加后缀
generate:生成自定义列
merge:合并文件
filter:筛选数据
mobile:手机号筛选
subtract:文本对比剔除 / 文本对比剔除(按列对比)
blank:加入空行
strip:去除杂质
sort-column:列排序
split:分割导出
shuffle:打乱顺序
LIST
grep -q -- '--desc  *由大到小 (选择框22)' sort.txt || fail "sort help lacks --desc"
grep -q -- '--shorter N  *长度小于 … 删除 (选择框4, 编辑框12)' filter.txt || fail "filter help lacks --shorter"
grep -q -- '--keep LIST.*mobile=选择框12 保留移动' mobile.txt || fail "mobile help lacks --keep"
grep -q -- '--file-column M  *剔除文本列' subtract.txt || fail "subtract help lacks --file-column"

expect_status 2 "$cli" > /dev/null 2> none.err
grep -q 'quorvan-cli' none.err || fail "no usage message without an operation"
finish
