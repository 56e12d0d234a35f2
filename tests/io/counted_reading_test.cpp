#include "io/counted_reading.h"

#include <gtest/gtest.h>

#include "platform/syscalls.h"
#include "tests/support/files.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::TempDir;
using testing::writeFile;
using Lines = std::vector<std::string>;

struct Counted {
  ReadOutcome outcome;
  Lines lines;
  int32_t progress;
};

Counted readCounted(const std::string& bytes, LineList list = LineList()) {
  TempDir dir;
  writeFile(dir.file("f"), bytes);
  platform::InputFile file;
  EXPECT_TRUE(file.open(dir.file("f")));
  std::atomic<int32_t> progress{-1};
  ReadOutcome outcome = readCountedLines(file, list, progress, 5);
  return {outcome, linesOf(list), progress.load()};
}

TEST(ReadCountedLines, CountsEachLineWithTwoBytesForItsEnd) {
  Counted crlf = readCounted("ab\r\n\r\ncd\r\n");
  EXPECT_EQ(crlf.outcome.lines, 2);
  EXPECT_EQ(crlf.progress, 100);
  // A last line without terminator counts two bytes more than it has.
  Counted open = readCounted("ab\r\ncd");
  EXPECT_EQ(open.lines, (Lines{"ab", "cd"}));
  EXPECT_EQ(open.progress, 133);
}

TEST(ReadCountedLines, ReadsLfFilesToTheirTrueEnd) {
  Counted lf = readCounted("1\n2\n3\n4\n5\n6\n");
  EXPECT_EQ(lf.lines, (Lines{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(lf.outcome.kind, ReadOutcome::Kind::Complete);
}

TEST(ReadCountedLines, AppendsAfterTheLinesAlreadyThere) {
  Counted merged = readCounted("b\r\n", testing::makeLines({"a"}));
  EXPECT_EQ(merged.lines, (Lines{"a", "b"}));
  EXPECT_EQ(merged.outcome.lines, 1);
}

TEST(ReadCountedLines, ReportsAReadErrorInTheMiddle) {
  static int reads;
  reads = 0;
  platform::sysCalls().read = [](int fd, void* buffer, size_t size) -> ssize_t {
    if (++reads == 3) {
      errno = EIO;
      return -1;
    }
    return platform::realSysCalls().read(fd, buffer, size);
  };
  Counted failed = readCounted("line one\r\nline two\r\nline three\r\n");
  platform::sysCalls() = platform::realSysCalls();
  EXPECT_EQ(failed.outcome.kind, ReadOutcome::Kind::Failed);
  EXPECT_FALSE(failed.outcome.reason.empty());
}

TEST(ReadCountedLines, TheWholeFileAtOnceReadsAsBlockByBlock) {
  using namespace std::string_literals;
  const std::string cases[] = {
      "ab\r\n\r\ncd\r\n"s,          "one\ntwo\n\nthree"s,
      "\xD6\n\xD0x\r\nend\xB0"s,  // a lead byte takes the LF with it; a lone one at the end
      "before\r\nstop\0after\r\n"s, "cut\x1Ahere"s,       "\r\n\r\n"s, "\xFF\xFEu\0t\0f\0"s,
  };
  for (const std::string& bytes : cases) {
    TempDir dir;
    writeFile(dir.file("f"), bytes);
    Counted results[2];
    for (size_t block : {kWholeFile, size_t(3)}) {
      platform::InputFile file;
      ASSERT_TRUE(file.open(dir.file("f")));
      LineList list;
      std::atomic<int32_t> progress{-1};
      ReadOutcome outcome = readCountedLines(file, list, progress, block);
      results[block == kWholeFile ? 0 : 1] = {outcome, linesOf(list), progress.load()};
    }
    EXPECT_EQ(results[0].lines, results[1].lines) << bytes;
    EXPECT_EQ(results[0].outcome.kind, results[1].outcome.kind) << bytes;
    EXPECT_EQ(results[0].outcome.stopOffset, results[1].outcome.stopOffset) << bytes;
    EXPECT_EQ(results[0].progress, results[1].progress) << bytes;
  }
}

}  // namespace
}  // namespace quorvan
