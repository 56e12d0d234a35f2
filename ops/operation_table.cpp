#include "ops/operation_table.h"

#include "io/import_export.h"
#include "io/merge_split.h"
#include "ops/column_edit.h"
#include "ops/column_sort.h"
#include "ops/dedupe.h"
#include "ops/filter_lines.h"
#include "ops/generate_column.h"
#include "ops/mobile_filter.h"
#include "ops/replace_format.h"
#include "ops/shuffle_blank.h"
#include "ops/sort_lines.h"
#include "ops/strip_characters.h"
#include "ops/subtract_file.h"

namespace quorvan {
namespace {

using K = OperationKind;
using F = FrameKind;

constexpr OperationEntry kOperations[] = {
    {K::SortLines, "单选框6", "快速排序", 16, "分组框17", "sort", F::Job, SortLines},
    {K::RemoveDuplicates, "单选框1", "剔除重复", 0, "分组框2", "dedupe", F::Job, RemoveDuplicates},
    {K::SwapColumns, "单选框3", "列交换位置", 1, "分组框3", "swap", F::Job, SwapColumns},
    {K::DeleteColumn, "单选框4", "指定列删除", 2, "分组框4", "delete-column", F::Job, DeleteColumn},
    {K::ReplaceText, "单选框9", "文本替换", 3, "分组框5", "replace", F::Job, ReplaceText},
    {K::FormatLines, "单选框7", "格式化", 0, "分组框2", "format", F::Job, FormatLines},
    {K::AppendSuffix, "单选框2", "指定列添加后缀", 4, "分组框6", "suffix", F::Job, AppendSuffix},
    {K::GenerateColumn, "单选框8", "生成自定义列", 5, "分组框7", "generate", F::Job, GenerateColumn},
    {K::MergeFiles, "单选框5", "合并文件", 6, "分组框8", "merge", F::Job, MergeFiles},
    {K::FilterLines, "单选框10", "筛选数据", 7, "分组框9", "filter", F::Job, FilterLines},
    {K::RemoveDuplicatesByColumn, "单选框11", "剔除重复(按列对比)", 8, "分组框10", "dedupe",
     F::Job, RemoveDuplicatesByColumn},
    {K::FilterMobileNumbers, "单选框12", "手机号筛选", 9, "分组框11", "mobile", F::Job,
     FilterMobileNumbers},
    {K::SubtractFile, "单选框13", "文本对比剔除", 10, "分组框12", "subtract", F::Job, SubtractFile},
    {K::SubtractFileByColumn, "单选框14", "文本对比剔除(按列对比)", 11, "分组框13", "subtract",
     F::Job, SubtractFileByColumn},
    {K::AppendBlankLines, "单选框15", "加入空行", 12, "分组框14", "blank", F::None, AppendBlankLines},
    {K::StripCharacters, "单选框16", "去除杂质", 13, "分组框15", "strip", F::Job, StripCharacters},
    {K::SortByColumn, "单选框17", "列排序", 14, "分组框16", "sort-column", F::Job, SortByColumn},
    {K::SplitExport, "单选框18", "分割导出", 15, "分组框18", "split", F::Job, SplitExport},
    {K::ShuffleLines, "单选框19", "打乱顺序", 0, "分组框2", "shuffle", F::Job, ShuffleLines},
};
static_assert(std::size(kOperations) == kOperationCount);

constexpr FileJobEntry kFileJobs[] = {
    {"按钮1", "导入", ImportLines},
    {"按钮2", "导出", ExportLines},
    {"按钮5", "显示上一次被剔除数据", WriteRemovedLines},
};

}  // namespace

std::span<const OperationEntry> operationTable() { return kOperations; }

const OperationEntry& operationEntry(OperationKind kind) {
  for (const auto& entry : kOperations) {
    if (entry.kind == kind) return entry;
  }
  return kOperations[0];  // unreachable: every kind has an entry
}

const OperationEntry* findOperationByCommand(std::string_view command) {
  for (const auto& entry : kOperations) {
    if (entry.command == command) return &entry;
  }
  return nullptr;
}

std::span<const FileJobEntry> fileJobTable() { return kFileJobs; }

}  // namespace quorvan
