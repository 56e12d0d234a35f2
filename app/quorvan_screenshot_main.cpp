// Renders the window to a PNG: quorvan-screenshot INPUT.txt OUTPUT.png [PAGE]
#include <QApplication>
#include <cstdio>

#include "ui/screenshot.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: quorvan-screenshot INPUT.txt OUTPUT.png [PAGE]\n");
    return 2;
  }
  const int page = argc > 3 ? std::atoi(argv[3]) : 9;
  return quorvan::ui::renderScreenshot(QString::fromLocal8Bit(argv[1]),
                                       QString::fromLocal8Bit(argv[2]), page);
}
