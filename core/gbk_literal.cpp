#include <cstdio>
#include <cstdlib>

#include "core/text.h"
#include "platform/gbk.h"

namespace quorvan {

Text gbk(std::string_view utf8Literal) {
  auto converted = platform::utf8ToGbk(utf8Literal);
  if (!converted) {
    std::fprintf(stderr, "quorvan: literal not convertible to GBK\n");
    std::abort();
  }
  return *converted;
}

}  // namespace quorvan
