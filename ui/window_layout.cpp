#include "ui/window_layout.h"

namespace quorvan::ui {
namespace {

using K = ControlKind;
using I = Input;

constexpr ControlSpec kOperationGroup[] = {
    {"标签1", K::Label, "分隔符", 9, 17, 48, 16},
    {"编辑框1", K::Edit, "", 51, 16, 64, 20, I::Text},
    {"按钮1", K::Button, "导入", 8, 43, 107, 24},
    {"按钮2", K::Button, "导出", 8, 70, 107, 24},
    {"分隔条1", K::Separator, "", 122, 6, 2, 97},
    {"分隔条2", K::Separator, "", 1016, 7, 2, 97},
    {"按钮3", K::Button, "开始处理", 1024, 14, 78, 33},
    {"按钮5", K::Button, "显示上一次被剔除数据", 1024, 50, 78, 46},
};

constexpr RadioPlace kRadios[] = {
    {"单选框1", 133, 25, 128, 16},  {"单选框6", 133, 48, 93, 16},   {"单选框3", 133, 73, 93, 16},
    {"单选框4", 232, 24, 93, 16},   {"单选框9", 232, 48, 93, 16},   {"单选框7", 232, 73, 93, 16},
    {"单选框2", 331, 24, 111, 16},  {"单选框8", 331, 48, 93, 16},   {"单选框11", 331, 73, 135, 16},
    {"单选框10", 466, 24, 87, 16},  {"单选框5", 466, 48, 93, 16},   {"单选框12", 466, 72, 87, 16},
    {"单选框13", 568, 24, 111, 16}, {"单选框14", 568, 48, 151, 16}, {"单选框15", 568, 72, 111, 16},
    {"单选框16", 728, 24, 111, 16}, {"单选框17", 728, 48, 111, 16}, {"单选框18", 728, 72, 111, 16},
    {"单选框19", 816, 72, 111, 16},
};

constexpr ControlSpec kPage0[] = {
    {"标签21", K::RedLabel,
     "注：很多操作都需要您输入分隔符，请提前填入分隔符，如果只有一列就随便输入一个", 320, 32, 479,
     16},
};

constexpr ControlSpec kPage1[] = {
    {"标签2", K::Label, "列：", 88, 29, 31, 16},
    {"编辑框2", K::Edit, "", 120, 28, 64, 20, I::Integer},
    {"标签3", K::Label, "列：", 192, 29, 31, 16},
    {"编辑框3", K::Edit, "", 221, 28, 64, 20, I::Integer},
    {"标签4", K::Label, "记得填入分隔符", 344, 29, 423, 16},
};

constexpr ControlSpec kPage2[] = {
    {"标签7", K::Label, "列：", 88, 29, 31, 16},
    {"编辑框5", K::Edit, "", 120, 28, 64, 20, I::Integer},
    {"标签5", K::Label, "记得填入分隔符", 344, 29, 423, 16},
};

constexpr ControlSpec kPage3[] = {
    {"标签8", K::Label, "查找的文本：", 88, 29, 79, 16},
    {"编辑框4", K::Edit, "", 168, 28, 215, 21, I::Text},
    {"标签9", K::Label, "替换的文本：", 392, 29, 79, 16},
    {"编辑框6", K::Edit, "", 467, 29, 215, 21, I::Text},
};

constexpr ControlSpec kPage4[] = {
    {"标签10", K::Label, "列：", 88, 29, 31, 16},
    {"编辑框8", K::Edit, "", 120, 28, 103, 21, I::Integer},
    {"标签6", K::Label, "文本：", 240, 29, 79, 16},
    {"编辑框7", K::Edit, "", 291, 29, 244, 21, I::Text},
    {"标签11", K::Label, "记得填入分隔符", 760, 32, 95, 16},
};

constexpr ControlSpec kPage5[] = {
    {"标签13", K::Label, "文本：", 16, 29, 79, 16},
    {"编辑框9", K::Edit, "", 67, 29, 428, 21, I::Text},
    {"标签14", K::WrappedLabel,
     "转义符：\\2\\ 表示2个随机数字  *2* 表示2个随机小写字母 @2@ 表示2个随机大写字母   %2% "
     "表示2个随机字母   #2# 表示2个随机符号   $2$ 表示2个随机汉字   (2可改2为随机数量)",
     501, 20, 501, 48},
    {"标签12", K::Label, "记得填入分隔符", 1008, 32, 95, 16},
};

constexpr ControlSpec kPage6[] = {
    {"标签16", K::Label, "文件：", 80, 29, 79, 16},
    {"编辑框11", K::Edit, "", 120, 28, 719, 21, I::ReadOnly},
    {"按钮4", K::Button, "打开", 841, 27, 107, 23},
};

constexpr ControlSpec kPage7[] = {
    {"标签15", K::Label, "列：", 24, 29, 79, 16},
    {"编辑框10", K::Edit, "", 56, 28, 79, 21, I::Integer},
    {"选择框6", K::CheckBox, "存在数字删除", 143, 37, 105, 24},
    {"选择框2", K::CheckBox, "存在字母删除", 248, 37, 112, 24},
    {"选择框3", K::CheckBox, "存在非字母数字删除", 144, 18, 135, 24},
    {"选择框4", K::CheckBox, "长度小于             删除", 352, 19, 159, 24},
    {"编辑框12", K::Edit, "", 423, 22, 39, 17, I::Integer},
    {"选择框5", K::CheckBox, "长度大于             删除", 352, 38, 159, 24},
    {"编辑框13", K::Edit, "", 423, 41, 39, 17, I::Integer},
    {"选择框7", K::CheckBox, "数值小于             删除", 504, 19, 159, 24},
    {"编辑框14", K::Edit, "", 575, 22, 39, 17, I::Decimal},
    {"选择框8", K::CheckBox, "数值大于             删除", 504, 40, 159, 24},
    {"编辑框15", K::Edit, "", 575, 41, 39, 17, I::Decimal},
    {"选择框9", K::CheckBox, "不存在字符串                       删除", 656, 19, 215, 24},
    {"编辑框16", K::Edit, "", 750, 22, 83, 21, I::Text},
    {"选择框10", K::CheckBox, "存在字符串                          删除", 656, 40, 215, 24},
    {"编辑框17", K::Edit, "", 750, 40, 83, 21, I::Text},
    {"选择框1", K::CheckBox, "第       到       个字符不是             删除", 872, 19, 239, 24},
    {"编辑框18", K::Edit, "", 904, 22, 23, 21, I::Integer},
    {"编辑框20", K::Edit, "", 946, 22, 23, 21, I::Integer},
    {"编辑框21", K::Edit, "", 1033, 22, 46, 21, I::Text},
    {"选择框11", K::CheckBox, "第       到       个字符是                删除", 872, 40, 239, 24},
    {"编辑框22", K::Edit, "", 904, 40, 23, 21, I::Integer},
    {"编辑框23", K::Edit, "", 946, 40, 23, 21, I::Integer},
    {"编辑框24", K::Edit, "", 1033, 40, 46, 21, I::Text},
};

constexpr ControlSpec kPage8[] = {
    {"标签19", K::Label, "列：", 88, 29, 31, 16},
    {"编辑框19", K::Edit, "", 120, 28, 64, 20, I::Integer},
    {"标签17", K::Label, "记得填入分隔符", 344, 29, 423, 16},
};

constexpr ControlSpec kPage9[] = {
    {"标签20", K::Label, "所在列：", 47, 26, 80, 16},
    {"编辑框25", K::Edit, "", 104, 25, 64, 20, I::Integer},
    {"选择框12", K::CheckBox, "保留移动", 184, 25, 105, 24},
    {"选择框13", K::CheckBox, "保留联通", 264, 25, 105, 24},
    {"选择框14", K::CheckBox, "保留电信", 344, 24, 105, 24},
    {"选择框15", K::CheckBox, "保留其他", 424, 24, 105, 24},
    {"选择框23", K::CheckBox, "保留自定义号段", 504, 24, 105, 24},
    {"编辑框35", K::Edit, "", 616, 24, 255, 21, I::Text},
    {"标签35", K::Label, "支持任意长度，支持多个 以小写逗号(,)分割", 874, 25, 239, 16},
    {"标签22", K::RedLabel, "本页面任何选项处理过后都会将该列非手机号的数据删除", 48, 48, 311, 16},
    {"标签18", K::Label, "记得填入分隔符", 360, 48, 87, 16},
    {"标签36", K::RedLabel, "指定号段删除可以在‘筛选数据’功能页实现", 520, 48, 311, 16},
};

constexpr ControlSpec kPage10[] = {
    {"标签24", K::Label, "文件：", 40, 26, 79, 16},
    {"编辑框26", K::Edit, "", 80, 25, 559, 21, I::ReadOnly},
    {"按钮6", K::Button, "打开", 640, 24, 107, 23},
    {"标签23", K::RedLabel, "注：该操作会对数据重新排序", 776, 27, 199, 16},
};

constexpr ControlSpec kPage11[] = {
    {"标签25", K::Label, "文件：", 24, 26, 79, 16},
    {"编辑框27", K::Edit, "", 64, 25, 391, 21, I::ReadOnly},
    {"按钮7", K::Button, "打开", 456, 24, 79, 23},
    {"标签27", K::Label, "源文本列(已经导入的文本)：", 544, 28, 159, 16},
    {"编辑框28", K::Edit, "", 696, 28, 64, 20, I::Integer},
    {"标签28", K::Label, "剔除文本列：", 768, 29, 159, 16},
    {"编辑框29", K::Edit, "", 848, 28, 64, 20, I::Integer},
    {"标签26", K::RedLabel, "注：该操作会对数据重新排序", 936, 27, 167, 16},
};

constexpr ControlSpec kPage12[] = {
    {"标签30", K::Label, "行数：", 240, 28, 159, 16},
    {"编辑框31", K::Edit, "", 296, 28, 175, 21, I::Integer},
};

constexpr ControlSpec kPage13[] = {
    {"标签32", K::Label, "列：", 63, 29, 80, 16},
    {"编辑框30", K::Edit, "", 120, 28, 64, 20, I::Integer},
    {"选择框18", K::CheckBox, "去除非字母数字(会保留@符号)", 208, 24, 215, 24},
    {"选择框17", K::CheckBox, "去除@符号", 408, 24, 105, 24},
    {"选择框20", K::CheckBox, "去除字母", 512, 24, 105, 24},
    {"选择框21", K::CheckBox, "去除数字", 600, 24, 79, 24},
    {"选择框16", K::CheckBox, "自定义去除字符串", 696, 24, 127, 24},
    {"编辑框32", K::Edit, "", 826, 26, 103, 21, I::Text},
    {"标签31", K::Label, "记得填入分隔符", 976, 29, 119, 16},
};

constexpr ControlSpec kPage14[] = {
    {"标签29", K::Label, "列：", 240, 28, 159, 16},
    {"编辑框33", K::Edit, "", 296, 28, 175, 21, I::Integer},
    {"选择框19", K::CheckBox, "由大到小", 495, 27, 128, 24},
    {"选择框24", K::CheckBox, "该列是数值", 600, 27, 128, 24},
};

constexpr ControlSpec kPage15[] = {
    {"标签33", K::Label, "分割成：", 64, 29, 87, 16},
    {"编辑框34", K::Edit, "", 120, 27, 127, 21, I::Integer},
    {"标签34", K::Label, "份", 250, 28, 39, 16},
    {"标签37", K::Label, "写出到目录：", 336, 26, 79, 16},
    {"编辑框36", K::Edit, "", 408, 24, 391, 21, I::ReadOnly},
    {"按钮8", K::Button, "打开", 800, 23, 79, 23},
    {"标签38", K::RedLabel, "注：若数量无法平均分配，总数除以份数余下的数据将存入最后一个文本", 296,
     48, 647, 16},
};

constexpr ControlSpec kPage16[] = {
    {"选择框22", K::CheckBox, "由大到小", 495, 27, 128, 24},
};

constexpr std::span<const ControlSpec> kPages[kPageCount] = {
    kPage0, kPage1,  kPage2,  kPage3,  kPage4,  kPage5,  kPage6,  kPage7,  kPage8,
    kPage9, kPage10, kPage11, kPage12, kPage13, kPage14, kPage15, kPage16,
};

}  // namespace

std::span<const ControlSpec> operationGroupControls() { return kOperationGroup; }
std::span<const RadioPlace> radioPlaces() { return kRadios; }
std::span<const ControlSpec> pageControls(int page) {
  return page >= 0 && page < kPageCount ? kPages[page] : std::span<const ControlSpec>();
}

}  // namespace quorvan::ui
