#pragma once
// Files and folders, named by GBK paths.
//
// Paths inside the tool are GBK texts; the file system takes UTF-8. Every function here converts
// at this boundary, and a path that cannot be converted is an error, never a changed name.
// Errors are returned, never thrown; `reason` texts are the system's own (ASCII).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvan::platform {

// The UTF-8 file-system form of a GBK path, or nothing when it cannot be converted.
std::optional<std::string> nativePath(std::string_view gbkPath);

// The separator that joins a folder and a file name ("/" here).
inline constexpr char kPathSeparator = '/';

// folder + separator + name (no separator is doubled).
std::string joinPath(std::string_view folder, std::string_view name);

// A regular file opened for reading only. Folders, FIFOs and devices are refused before
// anything could block on them. Not copyable; closes itself.
class InputFile {
 public:
  InputFile() = default;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  ~InputFile();

  // Opens the file; on failure returns false and sets reason().
  bool open(std::string_view gbkPath);
  // Reads the process's standard input instead (a file, a pipe or a terminal; a folder is
  // refused). The descriptor is duplicated, so close() leaves standard input open. A pipe has
  // no size: size() is 0.
  bool openStandardInput();
  bool isOpen() const { return fd_ >= 0; }
  // Size in bytes at the time of opening (64-bit).
  int64_t size() const { return size_; }
  // Reads up to `size` bytes: the count, 0 at the end, -1 on an error (reason() says which).
  int64_t read(char* buffer, size_t size);
  void close();
  const std::string& reason() const { return reason_; }

 private:
  int fd_ = -1;
  int64_t size_ = 0;
  std::string reason_;
};

// Writes a file so that it appears whole or not at all.
//
// The bytes go to a temporary file in the target's folder; finish() flushes, syncs and closes
// it, and publish() renames it over the target. An existing target keeps its mode; a target
// that is a folder or is not writable is refused at open(). Until publish() succeeds the old
// target is untouched; a writer destroyed or abandoned before then removes its temporary file.
// Writes are buffered in large blocks. Use from one thread at a time.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
  ~AtomicFileWriter();

  bool open(std::string_view gbkTargetPath);
  bool write(std::string_view bytes);
  // The bytes followed by CR LF.
  bool writeLine(std::string_view line);
  // Flushes, syncs and closes the temporary file.
  bool finish();
  // Renames the finished temporary file over the target.
  bool publish();
  // publish(), keeping the old target (if any) under a hidden name beside it, so that a
  // group of files can be published all or nothing: undoPublish() puts the old target back
  // (or removes a target that did not exist), and the kept copy goes when the writer does.
  bool publishKeepingOld();
  // Undoes a publishKeepingOld() that succeeded; best effort.
  void undoPublish();
  // finish() then publish().
  bool commit() { return finish() && publish(); }
  // Closes and removes the temporary file; the target stays as it was.
  void abandon();

  const std::string& reason() const { return reason_; }

 private:
  bool flush();
  bool fail(const char* what, int error);

  int fd_ = -1;
  bool finished_ = false;
  bool failed_ = false;
  std::string target_;     // UTF-8
  std::string temporary_;  // UTF-8, empty when there is none
  std::string kept_;       // UTF-8 name of the old target kept by publishKeepingOld()
  bool published_ = false;
  bool targetExisted_ = false;
  unsigned mode_ = 0;
  std::string buffer_;
  std::string reason_;
};

// True when the path names an existing file or folder; a path with wildcards (* ? [) is true
// when at least one entry matches it. The empty path is false.
bool fileExists(std::string_view gbkPath);
bool isDirectory(std::string_view gbkPath);
// Deletes a file; a missing file or a failure is ignored.
void deleteFile(std::string_view gbkPath);

// The folder holding the running executable, without a trailing separator, as GBK (empty when
// its name cannot be written in GBK).
std::string programDirectory();

// Process set-up for a tool that writes files: a file-size limit becomes a write error
// (SIGXFSZ ignored) and a closed pipe becomes EPIPE (SIGPIPE ignored).
void ignoreWriteSignals();

}  // namespace quorvan::platform
