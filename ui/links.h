#pragma once
// The maker's web addresses: the download page ("查询新版本") and the site the about window links.
#include <string_view>

namespace quorvan::ui {

inline constexpr std::string_view kMakerSite = "https://quorvan.example/";
inline constexpr std::string_view kDownloadPage = "https://quorvan.example/down/";

}  // namespace quorvan::ui
