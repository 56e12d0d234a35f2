#pragma once
// The program's own pictures, drawn in code: the about window's picture and the window icon.
#include <QIcon>
#include <QPixmap>

namespace quorvan::ui {

// 88 x 64: a sheet of lines passing through a funnel, the tool's picture.
QPixmap aboutPicture();
QIcon windowIcon();

}  // namespace quorvan::ui
