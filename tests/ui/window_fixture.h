#pragma once
// A main window over a fresh engine state and a scripted desktop, and helpers to drive it.
#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "core/engine_state.h"
#include "tests/ui/scripted_desktop.h"
#include "ui/main_window.h"
#include "ui/virtual_list.h"

namespace quorvan::testing {

inline QString examplesFolder() { return qEnvironmentVariable("QUORVAN_EXAMPLES"); }
inline QString exampleFile() { return examplesFolder() + "/mobile-numbers.txt"; }

struct WindowFixture {
  EngineState state;
  ScriptedDesktop desktop;
  std::unique_ptr<ui::MainWindow> window = std::make_unique<ui::MainWindow>(state, desktop);

  ui::VirtualList& list() { return window->listView(); }
  QAbstractButton* button(std::string_view name) { return window->control<QAbstractButton>(name); }
  QLineEdit* box(std::string_view name) { return window->control<QLineEdit>(name); }
  void click(std::string_view name) { button(name)->click(); }
  // True once no job holds the controls and every job body has returned.
  bool idle() { return state.gate.idle() && window->host().runningJobs() == 0; }
  // Answers the import dialog with `path` and waits for the job to end.
  bool import(const QString& path) {
    desktop.fileAnswers.push_back(path);
    click("按钮1");
    return QTest::qWaitFor([&] { return idle(); }, 10000);
  }
  // The same with closing messages held: waits until the job shows its message.
  bool importHeld(const QString& path) {
    const size_t before = desktop.messages.size();
    desktop.holdMessages = true;
    desktop.fileAnswers.push_back(path);
    click("按钮1");
    return QTest::qWaitFor([&] { return desktop.messages.size() > before; }, 10000);
  }
};

}  // namespace quorvan::testing
