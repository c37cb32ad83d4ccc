#include "listing/input_file.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support/files.h"
#include "test_support/string_streams.h"

namespace vantrel {
namespace {

// The lines that next_line gives, up to the first indication.
std::string lines_of(input_stream& in, std::size_t limit) {
  std::string spare(limit + 1, 'z'), lines;
  for (const char* line; (line = in.next_line(&spare[0], limit)), !in.fail();) {
    lines += std::string(line) + "|";
  }
  return lines + (in.bad() ? "bad" : "");
}

// A file read in chunks, the next one read ahead while one is worked
// through, gives the lines of the same text from memory, wherever the
// chunks end, with lines longer than the room in front of a chunk; a
// UTF-8 byte-order mark is passed over and a file of CR line ends is read
// by them.
TEST(input_file, gives_the_lines_of_its_text) {
  vantrel_test::temp_dir dir;
  const std::string name = dir / "a.gem";
  std::string text = " 1 2\n" + std::string(9000, 'c') + "\n\n b\r\n";
  for (int i = 0; i < 300; ++i) text += std::to_string(i * 7919) + " x\n";
  for (const char* head : {"", "\xEF\xBB\xBF"}) {
    vantrel_test::write_file(name, std::string(head) + text + "last");
    for (std::size_t chunk : {7, 64, 1019, 4096, 6000, 20000, 1 << 20}) {
      for (std::size_t limit : {1019, 10000}) {
        input_file file(chunk);
        ASSERT_TRUE(file.open(name.c_str()));
        vantrel_test::string_input plain(text + "last", chunk);
        ASSERT_EQ(lines_of(file, limit), lines_of(plain, limit)) << chunk << " " << limit;
      }
    }
  }
  vantrel_test::write_file(name, "1\r2\r\n3\r");
  input_file file;
  ASSERT_TRUE(file.open(name.c_str()));
  EXPECT_EQ("1|2|3|", lines_of(file, 1019));
}

}  // namespace
}  // namespace vantrel
