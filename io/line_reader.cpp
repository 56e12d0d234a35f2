#include "io/line_reader.h"

#include <array>
#include <cstring>

namespace quorvan {
namespace {

enum ByteClass : unsigned char { Plain = 0, Lead = 1, LineEnd = 2, DataEnd = 3 };

constexpr std::array<unsigned char, 256> makeClasses() {
  std::array<unsigned char, 256> classes{};
  for (int b = 0x80; b < 256; ++b) classes[b] = Lead;
  classes[0x0A] = LineEnd;
  classes[0x00] = DataEnd;
  classes[0x1A] = DataEnd;
  return classes;
}

constexpr auto kClasses = makeClasses();

TextView withoutFinalCr(const char* begin, size_t size) {
  if (size > 0 && begin[size - 1] == '\r') --size;
  return TextView(begin, size);
}

}  // namespace

LineReader::LineReader(platform::InputFile& file, size_t blockSize)
    : file_(&file), blockSize_(blockSize == 0 ? 1 : blockSize) {}

LineReader::LineReader(TextView data) : blockSize_(0), end_(data.size()), eof_(true) {
  data_ = data.data();
}

bool LineReader::fill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    bufferOffset_ += int64_t(begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (buffer_.size() - end_ < blockSize_)
    buffer_.resize(std::max(buffer_.size() * 2, end_ + blockSize_));
  data_ = buffer_.data();
  int64_t got = file_->read(buffer_.data() + end_, blockSize_);
  if (got < 0) {
    failed_ = true;
    return false;
  }
  if (got == 0) eof_ = true;
  end_ += size_t(got);
  return true;
}

bool LineReader::startsWithUtf16Mark() {
  while (bufferOffset_ == 0 && end_ < 2 && !eof_ && !failed_) {
    if (!fill()) return false;
  }
  if (bufferOffset_ != 0 || end_ < 2) return false;
  auto first = static_cast<unsigned char>(data_[0]);
  auto second = static_cast<unsigned char>(data_[1]);
  return (first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF);
}

LineReader::Status LineReader::next(TextView& line) {
  if (failed_) return Status::Failed;
  if (stopped_) return Status::Stopped;
  size_t pos = begin_;
  for (;;) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data_);
    bool needMore = false;
    while (pos < end_) {
      unsigned char kind = kClasses[bytes[pos]];
      if (kind == Plain) {
        ++pos;
      } else if (kind == Lead) {
        if (pos + 1 < end_) {
          pos += 2;  // the trail byte is never a terminator
        } else if (eof_) {
          ++pos;  // a lone lead byte at the very end of the file
        } else {
          needMore = true;
          break;
        }
      } else {
        break;
      }
    }
    if (pos < end_ && !needMore) {
      const char* start = data_ + begin_;
      size_t size = pos - begin_;
      if (kClasses[bytes[pos]] == LineEnd) {
        consumed_ += int64_t(size) + 1;
        begin_ = pos + 1;
        line = withoutFinalCr(start, size);
        return Status::Line;
      }
      // NUL or SUB: the readable data ends here; the bytes before it are the last line.
      consumed_ += int64_t(size);
      stopped_ = true;
      stopOffset_ = bufferOffset_ + int64_t(pos);
      begin_ = pos;
      line = withoutFinalCr(start, size);
      return Status::Line;
    }
    if (eof_) {
      if (begin_ == end_) return Status::End;
      const char* start = data_ + begin_;
      size_t size = end_ - begin_;
      consumed_ += int64_t(size);
      begin_ = end_;
      line = withoutFinalCr(start, size);
      return Status::Line;
    }
    size_t scanned = pos - begin_;
    if (!fill()) return Status::Failed;
    pos = begin_ + scanned;
  }
}

}  // namespace quorvan
