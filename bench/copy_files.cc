// The least a program that converts many small files must do with each:
// for every file named on the command line, open it, read it whole, create
// `<name without its extension>.copy` (emptied if it exists), write the bytes
// read and close both. bench/run times it on the same small listings as
// vantrel, as the floor of that case:
//   copy_files FILE...
// A file that cannot be read or written ends the run with a message on
// standard error and exit code 1; the files before it are copied.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Prints what failed on which file, with the system's reason, and returns false.
bool fail(const char* what, const std::string& name) {
  std::fprintf(stderr, "copy_files: cannot %s %s: %s\n", what, name.c_str(), std::strerror(errno));
  return false;
}

// `name` with its last extension (after the last '.' of the last component) replaced by ".copy".
std::string copy_name(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  const std::size_t dot = name.rfind('.');
  const bool has_extension =
      dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (has_extension ? name.substr(0, dot) : name) + ".copy";
}

// Reads the whole of `fd` into `bytes`; false with errno set on a read error.
bool read_all(int fd, std::vector<char>& bytes) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return false;
  bytes.resize(static_cast<std::size_t>(info.st_size) + 1);  // one more, to see the end
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(2 * bytes.size());
    const ssize_t got = read(fd, bytes.data() + used, bytes.size() - used);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  bytes.resize(used);
  return true;
}

// Writes all of `bytes` to `fd`; false with errno set on a write error.
bool write_all(int fd, const std::vector<char>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

// Copies `name` to its .copy file; false after a message if any step fails.
bool copy_file(const std::string& name, std::vector<char>& bytes) {
  const int in = open(name.c_str(), O_RDONLY);
  if (in < 0) return fail("open", name);
  const bool read_ok = read_all(in, bytes);
  if (!read_ok) {
    const int error = errno;
    close(in);
    errno = error;
    return fail("read", name);
  }
  if (close(in) != 0) return fail("close", name);
  const std::string target = copy_name(name);
  const int out = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0) return fail("create", target);
  if (!write_all(out, bytes)) {
    const int error = errno;
    close(out);
    errno = error;
    return fail("write", target);
  }
  if (close(out) != 0) return fail("close", target);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: copy_files FILE...\n");
    return 2;
  }
  std::vector<char> bytes;
  for (int i = 1; i < argc; ++i) {
    if (!copy_file(argv[i], bytes)) return 1;
  }
  return 0;
}
