#pragma once
// Temporary folders and whole-file reads and writes for tests.
#include <string>
#include <vector>

#include "core/line_list.h"

namespace quorvan::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  // path + "/" + name
  std::string file(std::string_view name) const;

 private:
  std::string path_;
};

void writeFile(const std::string& path, std::string_view bytes);
std::string readFile(const std::string& path);
// Names of the entries of a folder, sorted.
std::vector<std::string> listFolder(const std::string& path);

// A list made of the given lines; the lines of a list as strings.
LineList makeLines(const std::vector<std::string>& lines);
std::vector<std::string> linesOf(const LineList& list);

// True when the test runs with root's power over file permissions.
bool runningAsRoot();

}  // namespace quorvan::testing
