#pragma once
// Cuts a fuzzer's input into the few values a target needs.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorvan::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  // One byte (0 when the input is used up).
  uint8_t byte() {
    if (rest_.empty()) return 0;
    auto b = static_cast<uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }
  // A piece of at most `limit` bytes whose length is given by the next byte.
  std::string_view piece(size_t limit) {
    size_t n = byte() % (limit + 1);
    if (n > rest_.size()) n = rest_.size();
    std::string_view p = rest_.substr(0, n);
    rest_.remove_prefix(n);
    return p;
  }
  bool empty() const { return rest_.empty(); }
  // Everything not used yet.
  std::string_view rest() {
    std::string_view r = rest_;
    rest_ = {};
    return r;
  }

 private:
  std::string_view rest_;
};

}  // namespace quorvan::fuzz
