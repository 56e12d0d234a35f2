#pragma once
// The main window's controls: form name, kind, caption, place and size. Plain data (UTF-8
// literals), read once when the window is built. The radio buttons' captions and pages, and
// the panels' form names, come from the operation table.
#include <span>
#include <string_view>

namespace quorvan::ui {

enum class ControlKind { Label, RedLabel, WrappedLabel, Edit, Button, CheckBox, Separator };

// What an edit box takes from the keyboard.
enum class Input { Text, Integer, Decimal, ReadOnly };

struct ControlSpec {
  std::string_view formName;
  ControlKind kind;
  std::string_view caption;
  int x, y, width, height;
  Input input = Input::Text;
};

struct RadioPlace {
  std::string_view formName;
  int x, y, width, height;
};

struct Place {
  int x, y, width, height;
};

inline constexpr std::string_view kWindowTitle = "Quorvan文本处理工具V1.0.32";
inline constexpr int kWindowWidth = 1123;
inline constexpr int kWindowHeight = 724;
inline constexpr Place kListPlace{0, 0, 1119, 500};
inline constexpr Place kProgressPlace{1, 501, 1115, 23};
inline constexpr Place kOperationGroupPlace{1, 519, 1115, 105};
inline constexpr Place kSettingsTabsPlace{-2, 623, 1118, 72};
// Every page's group box, in the settings tab control.
inline constexpr Place kPanelPlace{3, -4, 1115, 72};
inline constexpr int kPageCount = 17;

inline constexpr std::string_view kProgressBar = "进度条1";
inline constexpr std::string_view kProgressTimer = "时钟1";
inline constexpr std::string_view kFileDialog = "通用对话框1";
inline constexpr std::string_view kListMenu = "Menu";
inline constexpr std::string_view kDelimiterBox = "编辑框1";
inline constexpr std::string_view kMergeFilesBox = "编辑框11";
inline constexpr std::string_view kMergeFilesButton = "按钮4";
inline constexpr std::string_view kCompareFileBox = "编辑框26";
inline constexpr std::string_view kCompareFileButton = "按钮6";
inline constexpr std::string_view kCompareByColumnFileBox = "编辑框27";
inline constexpr std::string_view kCompareByColumnFileButton = "按钮7";
inline constexpr std::string_view kOutputFolderBox = "编辑框36";
inline constexpr std::string_view kOutputFolderButton = "按钮8";
inline constexpr std::string_view kCustomPrefixBox = "选择框23";
inline constexpr std::string_view kCarrierBoxes[] = {"选择框12", "选择框13", "选择框14",
                                                     "选择框15"};

// The operation group "分组框1", without its radio buttons.
std::span<const ControlSpec> operationGroupControls();
std::span<const RadioPlace> radioPlaces();
// The controls of the group box on settings page `page` (0 ... kPageCount - 1).
std::span<const ControlSpec> pageControls(int page);

}  // namespace quorvan::ui
