#pragma once
// The process's standard output and standard error.
//
// The batch tool writes its result to standard output and its messages and progress bar to
// standard error. Every write is checked: a full disk or a closed pipe is an error the caller
// reports, never a result that silently went missing.
#include <string>
#include <string_view>

namespace quorvan::platform {

enum class StandardStream { Input = 0, Output = 1, Error = 2 };

// Opens /dev/null on each of standard input, output and error that is closed, so that no file
// opened later takes its number and receives what was meant for the stream (messages written
// into an output file). A stream found closed stays closed for StreamWriter: usable() is false.
// Call it first thing in main().
void occupyClosedStandardStreams();
// True when occupyClosedStandardStreams() found the stream closed.
bool wasClosed(StandardStream stream);

// True when the stream is a terminal.
bool isTerminal(StandardStream stream);

// Buffered, checked writes to one standard stream. Use from one thread at a time.
class StreamWriter {
 public:
  explicit StreamWriter(StandardStream stream) : fd_(int(stream)) {}
  StreamWriter(const StreamWriter&) = delete;
  StreamWriter& operator=(const StreamWriter&) = delete;

  // False (with reason()) when the stream is closed.
  bool usable();
  bool write(std::string_view bytes);
  // The bytes followed by CR LF.
  bool writeLine(std::string_view line);
  bool flush();
  const std::string& reason() const { return reason_; }

 private:
  bool fail(int error);

  int fd_;
  bool failed_ = false;
  std::string buffer_;
  std::string reason_;
};

}  // namespace quorvan::platform
