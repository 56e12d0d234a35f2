#include "platform/gbk.h"

#include <unicode/ucnv.h>

#include <memory>
#include <vector>

namespace quorvan::platform {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU converters are not thread-safe; each thread keeps its own pair.
UConverter* openConverter(const char* name, bool strict) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* c = ucnv_open(name, &status);
  if (U_FAILURE(status)) return nullptr;
  if (strict) {
    ucnv_setToUCallBack(c, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(c, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  }
  return c;
}

UConverter* gbkConverter(bool strict) {
  thread_local Converter strictOne(openConverter("windows-936-2000", true));
  thread_local Converter lenientOne(openConverter("windows-936-2000", false));
  UConverter* c = strict ? strictOne.get() : lenientOne.get();
  if (c) ucnv_reset(c);
  return c;
}

UConverter* utf8Converter() {
  thread_local Converter one(openConverter("UTF-8", true));
  if (one) ucnv_reset(one.get());
  return one.get();
}

std::optional<std::string> convert(UConverter* to, UConverter* from, std::string_view in) {
  if (in.empty()) return std::string();
  if (!to || !from) return std::nullopt;
  std::string out(in.size() * 2 + 16, '\0');
  std::vector<UChar> pivot(1024);
  UChar* pivotSource = pivot.data();
  UChar* pivotTarget = pivot.data();
  const char* source = in.data();
  char* target = out.data();
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(to, from, &target, out.data() + out.size(), &source, in.data() + in.size(),
                   pivot.data(), &pivotSource, &pivotTarget, pivot.data() + pivot.size(),
                   false, true, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      size_t used = target - out.data();
      out.resize(out.size() * 2);
      target = out.data() + used;
      continue;
    }
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(target - out.data());
    return out;
  }
}

}  // namespace

std::optional<std::string> gbkToUtf8(std::string_view gbk) {
  return convert(utf8Converter(), gbkConverter(true), gbk);
}

std::string gbkToUtf8Lossy(std::string_view gbk) {
  auto result = convert(utf8Converter(), gbkConverter(false), gbk);
  return result ? *result : std::string();
}

std::optional<std::string> utf8ToGbk(std::string_view utf8) {
  return convert(gbkConverter(true), utf8Converter(), utf8);
}

}  // namespace quorvan::platform
