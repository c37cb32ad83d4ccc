#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "test_support/files.h"

namespace vantrel {
namespace {

// Only regular files are read: a socket and a device are refused at once
// instead of waiting for input (a FIFO: faults_test; a link to a listing:
// the case run_listing_through_a_link).
TEST(file_system_posix, only_regular_files_are_read) {
  vantrel_test::temp_dir dir;
  EXPECT_EQ(nullptr, open_for_reading("/dev/null"));

  const std::string socket_name = dir / "s.gem";
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socket_name.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, socket_name.c_str(), socket_name.size() + 1);
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(nullptr, open_for_reading(socket_name.c_str()));
  close(listener);
}

// A kept file keeps its content until it is emptied, and says whether the
// open made it: also through a link that led nowhere, whose target is then
// what remove_file removes, while the link stays.
TEST(file_system_posix, kept_files_and_what_an_open_made) {
  vantrel_test::temp_dir dir;
  vantrel_test::write_file(dir / "a.cmd", "old");
  ASSERT_EQ(symlink("new.cmd", (dir / "link.cmd").c_str()), 0);
  bool created = true;
  std::FILE* kept = open_for_writing((dir / "a.cmd").c_str(), write_mode::kept, &created);
  ASSERT_NE(nullptr, kept);
  EXPECT_FALSE(created);
  EXPECT_EQ(vantrel_test::read_file(dir / "a.cmd"), "old");
  EXPECT_TRUE(empty_file(kept));
  std::fclose(kept);
  EXPECT_EQ(vantrel_test::read_file(dir / "a.cmd"), "");

  std::FILE* made = open_for_writing((dir / "link.cmd").c_str(), write_mode::kept, &created);
  ASSERT_NE(nullptr, made);
  EXPECT_TRUE(created);
  std::fclose(made);
  EXPECT_TRUE(vantrel_test::file_exists(dir / "new.cmd"));
  EXPECT_TRUE(remove_file((dir / "link.cmd").c_str()));
  EXPECT_FALSE(vantrel_test::file_exists(dir / "new.cmd"));
  struct stat info;
  EXPECT_EQ(lstat((dir / "link.cmd").c_str(), &info), 0);
}

// A file that an open makes, straight or through a link that led nowhere,
// is readable and writable by all that the umask allows, and executable
// by none.
TEST(file_system_posix, files_made_take_the_usual_permissions) {
  vantrel_test::temp_dir dir;
  ASSERT_EQ(symlink("target.geo", (dir / "link.geo").c_str()), 0);
  const mode_t saved = umask(0);
  for (const char* name : {"plain.geo", "link.geo"}) {
    bool created = false;
    std::FILE* file = open_for_writing((dir / name).c_str(), write_mode::appended, &created);
    ASSERT_NE(nullptr, file) << name;
    std::fclose(file);
    struct stat info;
    ASSERT_EQ(stat((dir / name).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666u) << name;
  }
  umask(saved);
}

}  // namespace
}  // namespace vantrel
