#pragma once
#include <QFont>

namespace quorvan::ui {

// The font of every control: "Microsoft YaHei" where it exists, else an installed font for
// simplified Chinese, 12 pixels, normal weight. Chosen by a family list, since fontconfig does
// not map the Windows name to anything.
QFont programFont();

}  // namespace quorvan::ui
