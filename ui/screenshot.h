#pragma once
// Renders the real main window to a PNG: a file imported through the import job, a settings
// page shown with a few values typed in, one row selected. For the README's picture.
#include <QString>

namespace quorvan::ui {

// 0 on success; otherwise a message has gone to standard error.
int renderScreenshot(const QString& inputFile, const QString& outputPng, int page);

}  // namespace quorvan::ui
