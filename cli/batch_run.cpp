#include "cli/batch_run.h"

#include <memory>
#include <new>
#include <system_error>

#include "cli/command_line.h"
#include "cli/headless_host.h"
#include "cli/silent_refusals.h"
#include "core/engine_state.h"
#include "core/numbers.h"
#include "core/text_primitives.h"
#include "io/file_messages.h"
#include "io/import_export.h"
#include "ops/operation_options.h"
#include "ops/operation_table.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/standard_streams.h"

namespace quorvan::cli {
namespace {

using platform::StandardStream;

Text standardInputName() { return gbk("标准输入"); }
Text standardOutputName() { return gbk("标准输出"); }

// The caption of the button that starts `body` ("导入", "导出").
std::string_view fileJobCaption(JobBody body) {
  for (const auto& job : fileJobTable()) {
    if (job.body == body) return job.caption;
  }
  return {};
}

bool startsWith(TextView text, TextView prefix) { return text.substr(0, prefix.size()) == prefix; }

// How a job ended, judged by the messages it showed, as the window's user would read them.
int judgeMessages(const HeadlessHost& host, size_t firstMessage) {
  static const Text cannotRead = cannotReadMessage("", "");
  static const Text cannotWrite = cannotWriteMessage("", "");
  const auto& messages = host.messages();
  for (size_t i = firstMessage; i < messages.size(); ++i) {
    const auto& message = messages[i];
    if (message.icon != MessageIcon::Error) continue;
    if (startsWith(message.text, cannotRead) || startsWith(message.text, cannotWrite)) {
      return kExitFileError;
    }
    return kExitRefused;
  }
  return kExitRan;
}

void printError(Console& console, TextView gbkText) {
  console.error(platform::gbkToUtf8Lossy(gbkText));
}

// The files named in the operation's settings must be there before any work is done: a file
// it reads must be readable, a folder it writes into must be a folder.
int checkNamedFiles(OperationKind kind, JobHost& host, Console& console) {
  for (const auto& option : commandOptions(kind)) {
    for (const auto& value : option.values) {
      if (value.box.empty()) continue;
      const Text text = host.controlText(value.box);
      if (text.empty()) continue;
      if (value.kind == ValueKind::Path) {
        for (const Text& path : splitText(text, option.repeatable ? "|" : "")) {
          platform::InputFile file;
          if (!file.open(path)) {
            printError(console, cannotReadMessage(path, file.reason()));
            return kExitFileError;
          }
        }
      } else if (value.kind == ValueKind::Folder && !platform::isDirectory(text)) {
        const int error = platform::fileExists(text) ? ENOTDIR : ENOENT;
        printError(console, cannotWriteMessage(text, std::generic_category().message(error)));
        return kExitFileError;
      }
    }
  }
  return -1;
}

// Where the lines of one list go: a file that appears whole or not at all, or standard
// output.
class LineSink {
 public:
  // A file (GBK path), or standard output when `path` is nothing.
  explicit LineSink(std::optional<Text> path) : path_(std::move(path)) {}

  bool open() {
    if (path_) return file_.open(*path_) || fail(file_.reason());
    return stream_.usable() || fail(stream_.reason());
  }
  bool write(const LineList& lines, std::atomic<int32_t>& progress) {
    const double total = lines.count();
    double done = 0;
    for (TextView line : lines) {
      bool wrote = path_ ? file_.writeLine(line) : stream_.writeLine(line);
      if (!wrote) return fail(path_ ? file_.reason() : stream_.reason());
      progress.store(progressOf(++done, total), std::memory_order_relaxed);
    }
    return true;
  }
  // Everything written and synced (a file) or handed to standard output.
  bool finish() {
    if (path_) return file_.finish() || fail(file_.reason());
    return stream_.flush() || fail(stream_.reason());
  }
  // The file takes its place; standard output has nothing left to do.
  bool publish() { return !path_ || file_.publish() || fail(file_.reason()); }

  Text message() const {
    return cannotWriteMessage(path_ ? *path_ : standardOutputName(), reason_);
  }

 private:
  bool fail(const std::string& reason) {
    reason_ = reason;
    return false;
  }

  std::optional<Text> path_;
  platform::AtomicFileWriter file_;
  platform::StreamWriter stream_{StandardStream::Output};
  std::string reason_;
};

int run(const BatchRequest& request, Console& console) {
  platform::ignoreWriteSignals();
  console.setQuiet(request.quiet);
  console.setProgressShown(request.progress.value_or(platform::isTerminal(StandardStream::Error)));

  const OperationEntry& entry = *request.operation;
  EngineState state;
  HeadlessHost host(console);
  for (const auto& [form, value] : request.settings) host.setControl(form, value);
  host.setDialogAnswers(request.input, request.output);

  if (int status = checkNamedFiles(entry.kind, host, console); status >= 0) return status;

  // Opened before any work, so that an output that cannot be written costs no reading.
  std::unique_ptr<LineSink> result;
  if (entry.kind != OperationKind::SplitExport) {
    result = std::make_unique<LineSink>(request.output);
    if (!result->open()) {
      printError(console, result->message());
      return kExitFileError;
    }
  }
  std::unique_ptr<LineSink> removed;
  if (request.removed) {
    removed = std::make_unique<LineSink>(request.removed);
    if (!removed->open()) {
      printError(console, removed->message());
      return kExitFileError;
    }
  }

  // "导入": the window's import job, its dialog answered with INPUT.
  state.store.setProgress(0);
  console.beginPhase(fileJobCaption(ImportLines), state.store.progressPercent);
  {
    Job job(state, host, FrameKind::File);
    if (request.input) {
      ImportLines(job);
    } else {
      platform::InputFile file;
      file.openStandardInput();
      importFromFile(job, standardInputName(), file);
      // Standard input has no file name to give the split parts.
      state.store.lastImportedPath.clear();
    }
  }
  console.endPhase();
  if (judgeMessages(host, 0) != kExitRan) return kExitFileError;

  // The operation, as "开始处理" runs it.
  const size_t firstMessage = host.messages().size();
  const std::optional<Text> refusal =
      silentRefusal(entry.kind, host, state.store.workingLines.count());
  // Each phase's bar starts empty, not at the last phase's 100.
  state.store.setProgress(0);
  console.beginPhase(entry.caption, state.store.progressPercent);
  {
    Job job(state, host, entry.frame);
    entry.body(job);
  }
  console.endPhase();
  if (int status = judgeMessages(host, firstMessage); status != kExitRan) return status;
  if (refusal && host.messages().size() == firstMessage) {
    printError(console, *refusal);
    return kExitRefused;
  }

  // "导出" (and "显示上一次被剔除数据"): every file finished before any takes its place.
  std::vector<LineSink*> sinks;
  if (removed) sinks.push_back(removed.get());
  if (result) sinks.push_back(result.get());
  state.store.setProgress(0);
  console.beginPhase(fileJobCaption(ExportLines), state.store.progressPercent);
  for (LineSink* sink : sinks) {
    const LineList& lines =
        sink == removed.get() ? state.store.removedLines : state.store.workingLines;
    if (!sink->write(lines, state.store.progressPercent) || !sink->finish()) {
      console.endPhase();
      printError(console, sink->message());
      return kExitFileError;
    }
  }
  console.endPhase();
  for (LineSink* sink : sinks) {
    if (!sink->publish()) {
      printError(console, sink->message());
      return kExitFileError;
    }
  }
  return kExitRan;
}

}  // namespace

int runBatch(const BatchRequest& request, Console& console) {
  try {
    return run(request, console);
  } catch (const std::bad_alloc&) {
    console.endPhase();
    console.error(platform::gbkToUtf8Lossy(gbk("注意：内存不足。")));
    return kExitFileError;
  }
}

int runCommandLine(int argc, const char* const* argv) {
  platform::occupyClosedStandardStreams();
  Console console;
  BatchRequest request;
  const int status = parseCommandLine(argc, argv, console, request);
  if (status >= 0) return status;
  return runBatch(request, console);
}

}  // namespace quorvan::cli
