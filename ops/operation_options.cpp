#include "ops/operation_options.h"

namespace quorvan {
namespace {

using V = ValueKind;

constexpr CommandOption kCommon[] = {
    {.name = "-d,--delimiter", .caption = "分隔符", .values = {{{"编辑框1", V::Text, "TEXT"}}}},
};

constexpr CommandOption kSortLines[] = {
    {.name = "--desc", .caption = "由大到小", .checkBox = "选择框22"},
};

constexpr CommandOption kRemoveDuplicatesByColumn[] = {
    {.name = "--column",
     .caption = "列：",
     .values = {{{"编辑框19", V::Integer, "N"}}},
     .required = true},
};

constexpr CommandOption kSwapColumns[] = {
    {.name = "A", .caption = "列：", .values = {{{"编辑框2", V::Integer, "A"}}}, .required = true},
    {.name = "B", .caption = "列：", .values = {{{"编辑框3", V::Integer, "B"}}}, .required = true},
};

constexpr CommandOption kDeleteColumn[] = {
    {.name = "N", .caption = "列：", .values = {{{"编辑框5", V::Integer, "N"}}}, .required = true},
};

constexpr CommandOption kReplaceText[] = {
    {.name = "FIND",
     .caption = "查找的文本：",
     .values = {{{"编辑框4", V::Text, "FIND"}}},
     .required = true},
    {.name = "REPLACEMENT",
     .caption = "替换的文本：",
     .values = {{{"编辑框6", V::Text, "REPLACEMENT"}}}},
};

constexpr CommandOption kAppendSuffix[] = {
    {.name = "--column",
     .caption = "列：",
     .values = {{{"编辑框8", V::Integer, "N"}}},
     .required = true},
    {.name = "TEXT",
     .caption = "文本：",
     .values = {{{"编辑框7", V::Text, "TEXT"}}},
     .required = true},
};

constexpr CommandOption kGenerateColumn[] = {
    {.name = "PATTERN",
     .caption = "文本：",
     .values = {{{"编辑框9", V::Text, "PATTERN"}}},
     .required = true},
};

constexpr CommandOption kMergeFiles[] = {
    {.name = "--with",
     .caption = "文件：",
     .values = {{{"编辑框11", V::Path, "FILE"}}},
     .repeatable = true},
};

constexpr CommandOption kFilterLines[] = {
    {.name = "--column",
     .caption = "列：",
     .values = {{{"编辑框10", V::Integer, "N"}}},
     .required = true},
    {.name = "--has-digit", .caption = "存在数字删除", .checkBox = "选择框6"},
    {.name = "--has-letter", .caption = "存在字母删除", .checkBox = "选择框2"},
    {.name = "--has-other", .caption = "存在非字母数字删除", .checkBox = "选择框3"},
    {.name = "--shorter",
     .caption = "长度小于             删除",
     .checkBox = "选择框4",
     .values = {{{"编辑框12", V::Integer, "N"}}}},
    {.name = "--longer",
     .caption = "长度大于             删除",
     .checkBox = "选择框5",
     .values = {{{"编辑框13", V::Integer, "N"}}}},
    {.name = "--less",
     .caption = "数值小于             删除",
     .checkBox = "选择框7",
     .values = {{{"编辑框14", V::Decimal, "X"}}}},
    {.name = "--greater",
     .caption = "数值大于             删除",
     .checkBox = "选择框8",
     .values = {{{"编辑框15", V::Decimal, "X"}}}},
    {.name = "--lacks",
     .caption = "不存在字符串                       删除",
     .checkBox = "选择框9",
     .values = {{{"编辑框16", V::Text, "S"}}}},
    {.name = "--contains",
     .caption = "存在字符串                          删除",
     .checkBox = "选择框10",
     .values = {{{"编辑框17", V::Text, "S"}}}},
    {.name = "--range-is-not",
     .caption = "第       到       个字符不是             删除",
     .checkBox = "选择框1",
     .values = {{{"编辑框18", V::Integer, "A"},
                 {"编辑框20", V::Integer, "B"},
                 {"编辑框21", V::Text, "X"}}}},
    {.name = "--range-is",
     .caption = "第       到       个字符是                删除",
     .checkBox = "选择框11",
     .values = {{{"编辑框22", V::Integer, "A"},
                 {"编辑框23", V::Integer, "B"},
                 {"编辑框24", V::Text, "X"}}}},
};

constexpr OptionChoice kCarriers[] = {
    {"mobile", "选择框12", "保留移动"},
    {"unicom", "选择框13", "保留联通"},
    {"telecom", "选择框14", "保留电信"},
    {"other", "选择框15", "保留其他"},
};

constexpr CommandOption kFilterMobileNumbers[] = {
    {.name = "--column",
     .caption = "所在列：",
     .values = {{{"编辑框25", V::Integer, "N"}}},
     .required = true},
    // As in the window, the carrier boxes and the custom mode exclude each other.
    {.name = "--keep",
     .caption = "保留移动/保留联通/保留电信/保留其他",
     .uncheckBoxes = {"选择框12", "选择框13", "选择框14", "选择框15", "选择框23"},
     .choices = kCarriers},
    {.name = "--prefixes",
     .caption = "保留自定义号段",
     .checkBox = "选择框23",
     .uncheckBoxes = {"选择框12", "选择框13", "选择框14", "选择框15"},
     .values = {{{"编辑框35", V::Text, "LIST"}}}},
};

constexpr CommandOption kSubtractFile[] = {
    {.name = "FILE",
     .caption = "文件：",
     .values = {{{"编辑框26", V::Path, "FILE"}}},
     .required = true},
};

constexpr CommandOption kSubtractFileByColumn[] = {
    {.name = "FILE",
     .caption = "文件：",
     .values = {{{"编辑框27", V::Path, "FILE"}}},
     .required = true},
    {.name = "--column",
     .caption = "源文本列(已经导入的文本)：",
     .values = {{{"编辑框28", V::Integer, "N"}}},
     .required = true},
    {.name = "--file-column",
     .caption = "剔除文本列：",
     .values = {{{"编辑框29", V::Integer, "M"}}},
     .required = true},
};

constexpr CommandOption kAppendBlankLines[] = {
    {.name = "N",
     .caption = "行数：",
     .values = {{{"编辑框31", V::Integer, "N"}}},
     .required = true},
};

constexpr CommandOption kStripCharacters[] = {
    {.name = "--column",
     .caption = "列：",
     .values = {{{"编辑框30", V::Integer, "N"}}},
     .required = true},
    {.name = "--non-alnum", .caption = "去除非字母数字(会保留@符号)", .checkBox = "选择框18"},
    {.name = "--at", .caption = "去除@符号", .checkBox = "选择框17"},
    {.name = "--letters", .caption = "去除字母", .checkBox = "选择框20"},
    {.name = "--digits", .caption = "去除数字", .checkBox = "选择框21"},
    {.name = "--remove",
     .caption = "自定义去除字符串",
     .checkBox = "选择框16",
     .values = {{{"编辑框32", V::Text, "TEXT"}}}},
};

constexpr CommandOption kSortByColumn[] = {
    {.name = "--column",
     .caption = "列：",
     .values = {{{"编辑框33", V::Integer, "N"}}},
     .required = true},
    {.name = "--desc", .caption = "由大到小", .checkBox = "选择框19"},
    {.name = "--numeric", .caption = "该列是数值", .checkBox = "选择框24"},
};

constexpr CommandOption kSplitExport[] = {
    {.name = "N",
     .caption = "分割成：",
     .values = {{{"编辑框34", V::Integer, "N"}}},
     .required = true},
    {.name = "DIR",
     .caption = "写出到目录：",
     .values = {{{"编辑框36", V::Folder, "DIR"}}},
     .required = true},
};

}  // namespace

std::span<const CommandOption> commonCommandOptions() { return kCommon; }

std::span<const CommandOption> commandOptions(OperationKind kind) {
  using K = OperationKind;
  switch (kind) {
    case K::SortLines:
      return kSortLines;
    case K::RemoveDuplicates:
      return {};
    case K::SwapColumns:
      return kSwapColumns;
    case K::DeleteColumn:
      return kDeleteColumn;
    case K::ReplaceText:
      return kReplaceText;
    case K::FormatLines:
      return {};
    case K::AppendSuffix:
      return kAppendSuffix;
    case K::GenerateColumn:
      return kGenerateColumn;
    case K::MergeFiles:
      return kMergeFiles;
    case K::FilterLines:
      return kFilterLines;
    case K::RemoveDuplicatesByColumn:
      return kRemoveDuplicatesByColumn;
    case K::FilterMobileNumbers:
      return kFilterMobileNumbers;
    case K::SubtractFile:
      return kSubtractFile;
    case K::SubtractFileByColumn:
      return kSubtractFileByColumn;
    case K::AppendBlankLines:
      return kAppendBlankLines;
    case K::StripCharacters:
      return kStripCharacters;
    case K::SortByColumn:
      return kSortByColumn;
    case K::SplitExport:
      return kSplitExport;
    case K::ShuffleLines:
      return {};
  }
  return {};
}

}  // namespace quorvan
