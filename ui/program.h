#pragma once
// The window program: the engine state, the real desktop and the main window, until the user
// closes it.
class QApplication;

namespace quorvan::ui {

int runProgram(QApplication& app);

}  // namespace quorvan::ui
