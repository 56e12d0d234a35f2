// The window program.
#include <QApplication>

#include "ui/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return quorvan::ui::runProgram(app);
}
