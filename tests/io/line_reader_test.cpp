#include "io/line_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/files.h"

namespace quorvan {
namespace {

using testing::TempDir;
using testing::writeFile;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

// The line rules read directly over the whole text: the reference the reader must match.
Lines referenceLines(const std::string& b, bool* stopped) {
  Lines lines;
  *stopped = false;
  size_t pos = 0;
  const size_t n = b.size();
  while (pos < n) {
    size_t start = pos;
    while (pos < n && b[pos] != '\n' && b[pos] != '\0' && b[pos] != '\x1A') {
      pos += (static_cast<unsigned char>(b[pos]) >= 0x80 && pos + 1 < n) ? 2 : 1;
    }
    std::string line = b.substr(start, pos - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    if (pos < n && b[pos] != '\n') {
      *stopped = true;
      break;
    }
    ++pos;
  }
  return lines;
}

Lines readAll(const std::string& path, size_t block, LineReader::Status* last) {
  platform::InputFile file;
  EXPECT_TRUE(file.open(path));
  LineReader reader(file, block);
  Lines lines;
  TextView line;
  LineReader::Status status;
  while ((status = reader.next(line)) == LineReader::Status::Line) lines.emplace_back(line);
  *last = status;
  return lines;
}

const size_t kBlocks[] = {1, 7, 512, 64 * 1024};

TEST(LineReader, FollowsTheLineRulesAtEveryBlockSize) {
  struct Case {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"a\0b\r\n"s, {"a"}},
      {"a\x1A" "b", {"a"}},
      {"x\ry\r\r\n", {"x\ry\r"}},          // one CR removed, inner CR kept
      {"last\r", {"last"}},
      {"\xD6\xD0\n\xD6\xD0", {"\xD6\xD0", "\xD6\xD0"}},
      {"\x81\n" "b\n", {"\x81\nb"}},       // LF as a trail byte ends nothing
      {"\x81\x1A" "b", {"\x81\x1A" "b"}},  // nor does SUB
      {"end\x81", {"end\x81"}},            // a lone lead byte at the end
      {"", {}},
  };
  for (const auto& c : cases) {
    for (size_t block : kBlocks) {
      TempDir dir;
      writeFile(dir.file("f"), c.bytes);
      LineReader::Status last;
      EXPECT_EQ(readAll(dir.file("f"), block, &last), c.lines) << "block " << block;
    }
  }
}

TEST(LineReader, MatchesTheReferenceOnRandomBytes) {
  const char alphabet[] = {'a', 'b', ' ', '\r', '\n', '\0', '\x1A', '\x81', '\xD6', '\xD0', '\x7C'};
  std::mt19937 random(12345);
  TempDir dir;
  for (int round = 0; round < 300; ++round) {
    std::string bytes;
    size_t length = random() % 1200;
    for (size_t i = 0; i < length; ++i) {
      // NUL and SUB are rare, so that most texts run long.
      char c = alphabet[random() % sizeof alphabet];
      if ((c == '\0' || c == '\x1A') && random() % 20 != 0) c = 'a';
      bytes.push_back(c);
    }
    writeFile(dir.file("f"), bytes);
    bool stopped = false;
    Lines expected = referenceLines(bytes, &stopped);
    for (size_t block : kBlocks) {
      LineReader::Status last;
      ASSERT_EQ(readAll(dir.file("f"), block, &last), expected) << "round " << round << " block " << block;
      EXPECT_EQ(last, stopped ? LineReader::Status::Stopped : LineReader::Status::End);
    }
  }
}

TEST(LineReader, ReadsAVeryLongLineWhole) {
  TempDir dir;
  std::string big(5 << 20, 'a');
  writeFile(dir.file("f"), "x\n" + big + "\r\ny");
  LineReader::Status last;
  Lines lines = readAll(dir.file("f"), 64 * 1024, &last);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], big);
}

TEST(LineReader, ToldTheOffsetOfTheStoppingByte) {
  TempDir dir;
  writeFile(dir.file("f"), std::string("ab\r\ncd\0ef", 9));
  platform::InputFile file;
  ASSERT_TRUE(file.open(dir.file("f")));
  LineReader reader(file, 3);
  TextView line;
  while (reader.next(line) == LineReader::Status::Line) {}
  EXPECT_EQ(reader.stopOffset(), 6);
}

TEST(LineReader, RecognisesUtf16Marks) {
  TempDir dir;
  for (const std::string& mark : {std::string("\xFF\xFE"), std::string("\xFE\xFF")}) {
    writeFile(dir.file("f"), mark + std::string("a\0", 2));
    platform::InputFile file;
    ASSERT_TRUE(file.open(dir.file("f")));
    LineReader reader(file, 1);
    EXPECT_TRUE(reader.startsWithUtf16Mark());
  }
  writeFile(dir.file("f"), "\xFF");
  platform::InputFile file;
  ASSERT_TRUE(file.open(dir.file("f")));
  LineReader reader(file);
  EXPECT_FALSE(reader.startsWithUtf16Mark());
}

}  // namespace
}  // namespace quorvan
