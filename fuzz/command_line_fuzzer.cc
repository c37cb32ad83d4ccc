// Feeds an argument vector (the input cut at NUL bytes, at most 8 arguments)
// to the command-line parser, then runs the whole program on it inside a
// scratch folder laid out afresh for every input. Every '/' in an argument
// becomes '_', so no name reaches outside the scratch folder. The program
// prints to standard output: run with -close_fd_mask=1.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/front_end.h"
#include "fuzz_check.h"
#include "output/run_mode.h"

using namespace vantrel;

namespace {

constexpr std::size_t max_args = 8;
std::string scratch;

void remove_tree(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0) return;
  if (S_ISDIR(info.st_mode)) {
    if (DIR* dir = opendir(path.c_str())) {
      while (const dirent* entry = readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
          remove_tree(path + "/" + entry->d_name);
        }
      }
      closedir(dir);
    }
    rmdir(path.c_str());
  } else {
    unlink(path.c_str());
  }
}

void put_file(const char* name, const char* text) {
  if (std::FILE* file = std::fopen(name, "wb")) {
    std::fputs(text, file);
    std::fclose(file);
  }
}

// Empties the scratch folder and lays out the files every run starts from.
void lay_out_scratch() {
  if (DIR* dir = opendir(".")) {
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
    closedir(dir);
    for (const std::string& name : names) {
      if (name != "." && name != "..") remove_tree(name);
    }
  }
  put_file("a.gem", " Node X Y\r\n 1 0.0 0.5\r\n 2 1.0 0.5\r\n Surface\r\n 101 1\r\n 5 1\r\n");
  put_file("b.gem", "Elem\n7 1\n8 1\nNode\n1 2 3 4 5 6 7\n");
  put_file("c.geo", "SELPIC,ND,1;\r\n");
  put_file("regions.txt", "NUM 2\n3 101\n0 5\n");
  mkdir("d.gem", 0755);
}

void remove_scratch() { remove_tree(scratch); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char pattern[] = "/tmp/vantrel-fuzz-XXXXXX";
  fuzz_check(mkdtemp(pattern) != nullptr && chdir(pattern) == 0, "a scratch folder to work in");
  scratch = pattern;
  std::atexit(remove_scratch);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args{"vantrel"};
  std::string arg;
  for (std::size_t k = 0; k < size && args.size() <= max_args; ++k) {
    const char c = static_cast<char>(data[k]);
    if (c == '\0') {
      args.push_back(arg);
      arg.clear();
    } else {
      arg.push_back(c == '/' ? '_' : c);
    }
  }
  if (args.size() <= max_args && !arg.empty()) args.push_back(arg);
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(args.size());

  command_line line;
  const command_line::error error = parse_command_line(argc, argv.data(), line);
  const int mode = line.run_mode;
  fuzz_check((mode & (mode - 1)) == 0, "at most one mode bit is set");
  fuzz_check(error != command_line::error::none || line.option_seen || mode == MODE_SELECT,
             "without an option the mode is the selection mode");
  fuzz_check(!line.dest_given || line.dest_taken, "a Dest argument takes the destination slot");

  lay_out_scratch();
  const int status = run_front_end(argc, argv.data());
  fuzz_check(status == (error == command_line::error::none ? 0 : 1),
             "exit code 1 exactly for the command-line errors");
  return 0;
}
