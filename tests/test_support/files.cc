#include "test_support/files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace vantrel_test {

temp_dir::temp_dir() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  std::error_code error;
  const fs::path base = fs::temp_directory_path(error);
  // Only a name that is taken already is tried again, a bounded number of
  // times: a folder that cannot be written ends the tests at once instead
  // of keeping them waiting.
  for (int attempt = 0; !error && attempt < 100; ++attempt) {
    fs::path candidate = base / ("vantrel-test-" + std::to_string(random()));
    if (fs::create_directory(candidate, error)) {
      path_ = candidate.string();
      return;
    }
  }
  if (!error) error = std::make_error_code(std::errc::file_exists);
  const std::string where = base.empty() ? "the temporary folder" : base.string();
  std::fprintf(stderr, "no test folder can be made in %s: %s\n", where.c_str(),
               error.message().c_str());
  std::abort();
}

temp_dir::~temp_dir() {
  std::error_code error;
  fs::remove_all(path_, error);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool file_exists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

std::map<std::string, std::string> read_tree(const std::string& root) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string name = entry.path().lexically_relative(root).generic_string();
    if (entry.is_symlink()) {
      tree[name] = "<link to " + fs::read_symlink(entry.path()).generic_string() + ">";
    } else {
      tree[name] = entry.is_directory() ? "<dir>" : read_file(entry.path().string());
    }
  }
  return tree;
}

void copy_tree(const std::string& from, const std::string& to) {
  fs::copy(from, to,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing |
               fs::copy_options::copy_symlinks);
}

}  // namespace vantrel_test
