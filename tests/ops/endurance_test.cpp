// Endurance: more than 200 jobs in a row on one engine state (import, every operation of the
// table, export), as a long session in the window would run them. Under LeakSanitizer this
// also proves that no job leaks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/engine_state.h"
#include "io/import_export.h"
#include "ops/operation_table.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::readFile;
using testing::RecordingHost;
using testing::TempDir;
using testing::writeFile;

std::string fixtureLines(int count, int seed, int64_t base) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    int n = (i * 7919 + seed) % (count / 2 + 1);  // about half the numbers repeat
    bytes += "1" + std::to_string(base + n * 97) + ",\xD5\xC5\xC8\xFD" + std::to_string(n % 13) +
             ",city" + std::to_string(n % 5) + "," + std::to_string(n % 1000) + ".5\r\n";
  }
  return bytes;
}

// Settings under which every operation does real work.
void fillSettings(RecordingHost& host, const TempDir& dir) {
  host.setText("编辑框1", ",");
  host.setText("编辑框2", "1");
  host.setText("编辑框3", "3");
  host.setText("编辑框4", "city");
  host.setText("编辑框6", "town");
  host.setText("编辑框5", "4");
  host.setText("编辑框7", "_x");
  host.setText("编辑框8", "2");
  host.setText("编辑框9", "A\\3\\*2*$1$#1#");
  host.setText("编辑框10", "1");
  host.setText("编辑框19", "9");
  host.setText("编辑框25", "3");
  host.setText("编辑框26", dir.file("compare.txt"));
  host.setText("编辑框27", dir.file("compare.txt"));
  host.setText("编辑框28", "1");
  host.setText("编辑框29", "1");
  host.setText("编辑框30", "2");
  host.setText("编辑框31", "2");
  host.setText("编辑框33", "4");
  host.setText("编辑框34", "3");
  host.setText("编辑框36", dir.file("parts"));
  host.setChecked("选择框24", true);
  host.setChecked("选择框12", true);
  host.setChecked("选择框13", true);
  host.setChecked("选择框5", true);
  host.setText("编辑框13", "40");
  host.setChecked("选择框18", true);
}

TEST(Endurance, TwoHundredJobsInARowOnOneState) {
  TempDir dir;
  writeFile(dir.file("in.txt"), fixtureLines(400, 1, 3000000000));
  writeFile(dir.file("compare.txt"), fixtureLines(100, 5, 3500000000));
  std::filesystem::create_directory(dir.file("parts"));
  EngineState state;
  int jobs = 0;
  for (int round = 0; jobs < 200; ++round) {
    RecordingHost host;
    fillSettings(host, dir);
    host.setText("编辑框11", dir.file("compare.txt") + "|" + dir.file("in.txt"));
    host.answerDialog(dir.file("in.txt"));
    {
      Job job(state, host, FrameKind::File);
      ImportLines(job);
      ++jobs;
    }
    ASSERT_EQ(state.store.workingLines.count(), 400) << host.lastMessage();
    for (const OperationEntry& entry : operationTable()) {
      SCOPED_TRACE(std::string(entry.caption) + " with " + std::to_string(state.store.workingLines.count()));
      Job job(state, host, entry.frame);
      entry.body(job);
      ++jobs;
    }
    ASSERT_GT(state.store.workingLines.count(), 0) << round;
    EXPECT_EQ(host.calls("showMessage error"), std::vector<std::string>{}) << round;
    host.answerDialog(dir.file("out.txt"));
    Job job(state, host, FrameKind::File);
    ExportLines(job);
    ++jobs;
    ASSERT_EQ(host.lastMessage(), "导出完毕！");
  }
  // The last export holds exactly the working lines.
  std::string expected;
  for (TextView line : state.store.workingLines) expected += std::string(line) + "\r\n";
  EXPECT_EQ(readFile(dir.file("out.txt")), expected);
}

}  // namespace
}  // namespace quorvan
