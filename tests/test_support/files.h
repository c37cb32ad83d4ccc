#ifndef VANTREL_TESTS_TEST_SUPPORT_FILES_H
#define VANTREL_TESTS_TEST_SUPPORT_FILES_H

#include <map>
#include <string>

namespace vantrel_test {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes. When none can be made the process ends with
// the reason on standard error.
class temp_dir {
 public:
  temp_dir();
  ~temp_dir();
  temp_dir(const temp_dir&) = delete;
  temp_dir& operator=(const temp_dir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The whole content of a file, byte for byte; empty when it does not open.
std::string read_file(const std::string& path);
// Creates or replaces a file with exactly `bytes`.
void write_file(const std::string& path, const std::string& bytes);
bool file_exists(const std::string& path);

// Every regular file under `root`, by path relative to it, with its bytes.
// Directories appear as entries of their own with the text "<dir>", symbolic
// links, which are not followed, as "<link to TARGET>".
std::map<std::string, std::string> read_tree(const std::string& root);
// Copies every file under `from` into `to`, creating folders as needed;
// symbolic links are copied as links.
void copy_tree(const std::string& from, const std::string& to);

}  // namespace vantrel_test

#endif  // VANTREL_TESTS_TEST_SUPPORT_FILES_H
