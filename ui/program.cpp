#include "ui/program.h"

#include <QApplication>

#include "core/engine_state.h"
#include "platform/files.h"
#include "ui/main_window.h"
#include "ui/program_font.h"
#include "ui/qt_desktop.h"

namespace quorvan::ui {

int runProgram(QApplication& app) {
  platform::ignoreWriteSignals();
  QApplication::setFont(programFont());
  // The engine state outlives the window, which waits for its jobs when it goes.
  EngineState state;
  QtDesktop desktop;
  MainWindow window(state, desktop);
  // A job's message is a window of its own; the program ends with the main window all the same.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&window, &MainWindow::closed, &app, &QApplication::quit);
  window.show();
  return app.exec();
}

}  // namespace quorvan::ui
