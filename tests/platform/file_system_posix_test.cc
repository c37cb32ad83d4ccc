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

// Only regular files are read: a FIFO without a writer, a socket and a
// device are refused at once instead of waiting for input.
TEST(file_system_posix, only_regular_files_are_read) {
  vantrel_test::temp_dir dir;
  const std::string fifo = dir / "f.gem";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(nullptr, open_for_reading(fifo.c_str()));
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

  // A link to a regular file is the file.
  vantrel_test::write_file(dir / "a.gem", "1 2\n");
  ASSERT_EQ(symlink((dir / "a.gem").c_str(), (dir / "link.gem").c_str()), 0);
  std::FILE* file = open_for_reading((dir / "link.gem").c_str());
  ASSERT_NE(nullptr, file);
  char bytes[8] = {};
  EXPECT_EQ(std::fread(bytes, 1, sizeof bytes, file), 4u);
  std::fclose(file);
}

}  // namespace
}  // namespace vantrel
