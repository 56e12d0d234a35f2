#include "ops/generate_column.h"

#include "core/columns.h"
#include "core/job_frame.h"
#include "core/numbers.h"
#include "ops/line_rewrite.h"
#include "ops/random_text.h"

namespace quorvan {
namespace {

using Generator = Text (*)(int32_t count);

// The generator a marker stands for, or nullptr when the byte is no marker.
Generator generatorOf(char byte) {
  switch (byte) {
    case '\\':
      return randomDigits;
    case '*':
      return randomLowerLetters;
    case '@':
      return randomUpperLetters;
    case '%':
      return randomLetters;
    case '#':
      return randomSymbols;
    case '$':
      return randomChineseChars;
    default:
      return nullptr;
  }
}

}  // namespace

Text generateFromPattern(TextView pattern) {
  Text result;
  bool inEscape = false;
  size_t countStart = 0;  // the count text runs from here to the closing marker
  for (size_t pos = 0; pos < pattern.size();) {
    const size_t length = characterLength(pattern, pos);
    const Generator generator = length == 1 ? generatorOf(pattern[pos]) : nullptr;
    if (generator && !inEscape) {
      inEscape = true;
      countStart = pos + 1;
    } else if (generator) {
      inEscape = false;
      result.append(generator(toInt(pattern.substr(countStart, pos - countStart))));
    } else if (!inEscape) {
      result.append(pattern.substr(pos, length));
    }
    pos += length;
  }
  return result;
}

void GenerateColumn(Job& job) {
  openJobFrame(job, false);
  const Text delimiter = job.host.controlText(kDelimiterBoxName);
  const Text pattern = job.host.controlText(kPatternBox);
  if (delimiter.empty() || pattern.empty()) {
    closeJobFrame(job);
    job.host.showMessage(noDelimiterMessage(), MessageIcon::Error);
    return;
  }
  job.host.clearItems();
  Text extended;
  rewriteLines(job.store, [&](TextView line) -> TextView {
    extended.assign(line).append(delimiter).append(generateFromPattern(pattern));
    return extended;
  });
  closeJobFrame(job);
}

}  // namespace quorvan
