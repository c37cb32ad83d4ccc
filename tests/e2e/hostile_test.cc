// Runs the built program on inputs generated here, too big or too odd to keep
// as case folders: a 10 MB line, 1000-character ids, 50,000 lookup records
// and a hard link. Each conversion runs beside an earlier a.geo and a
// bystander file, which must come through intact.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e/run_program.h"
#include "test_support/files.h"

using namespace vantrel_test;
using namespace std::string_literals;

namespace {

const std::string earlier = "SELPIC,ND,99;\r\n\r\n";
std::string repeat(const std::string& text, std::size_t times) {
  std::string result;
  while (times-- > 0) result += text;
  return result;
}

// `text` with every '#' replaced by `id`.
std::string with_id(std::string text, const std::string& id) {
  for (std::size_t at; (at = text.find('#')) != std::string::npos;) text.replace(at, 1, id);
  return text;
}

// Converts a.gem holding `listing` with `option`, beside regions.txt holding
// `lookup`. Checks the exit code, the output and that no other file changed;
// returns what the run wrote after the earlier output.
std::string convert(const std::string& option, const std::string& listing,
                    const std::string& lookup) {
  temp_dir dir;
  write_file(dir / "a.gem", listing);
  write_file(dir / "regions.txt", lookup);
  write_file(dir / "a.geo", earlier);
  write_file(dir / "notes.txt", "keep me\n\0\xff"s);
  const auto before = read_tree(dir.path());
  const std::string destination = option == "-z" ? "a.zset" : "a.geo";
  const program_result result = run_vantrel(dir.path(), {option, "a.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner() + progress("a.gem", destination));
  auto after = read_tree(dir.path());
  std::string written = after[destination];
  after.erase(destination);
  if (destination == "a.geo") {
    EXPECT_EQ(written.compare(0, earlier.size(), earlier), 0) << "the earlier output is lost";
    written.erase(0, earlier.size());
    after[destination] = earlier;
  }
  EXPECT_TRUE(after == before) << "a file other than " << destination << " changed";
  return written;
}

struct generated_case {
  std::string name, option, listing, lookup, written;
};

std::vector<generated_case> generated_cases() {
  std::vector<generated_case> cases;
  // The line comes in pieces of 1019 characters; the blank after each is
  // skipped, so every piece starts with 7 and is a data line.
  const std::size_t mb10 = 10 << 20;
  cases.push_back({"10 MB line", "-s", "Node\n" + repeat("7 ", mb10 / 2), "",
                   repeat("SELPIC,ND,7;\r\n", (mb10 + 1019) / 1020) + "\r\n"});
  cases.push_back(
      {"10 MB word", "-z", "Node\n1 0\n" + std::string(mb10, 'x'), "", "**nset a\r\n 1\r\n"});

  // A captured word keeps its first 199 characters. The id lies far
  // outside 32 bits, so it names no surface, not even the largest 32-bit
  // value that the lookup file names.
  const std::string id = "9" + std::string(998, '0') + "1";
  const std::string id_listing = with_id("Surface\n# 0\nNode\n# 1 2 3 4 5 6\n# 0 0 0 0 0 0\n", id);
  const char* const id_records[][2] = {
      {"-s", "SELPIC,SF,#;\r\nSELPIC,ND,#;\r\nSELPIC,ND,#;\r\n\r\n"},
      {"-z", "**nset a\r\n # #\r\n"},
      {"-b", "el,,cr,0,2,#,#;\r\nel,,cr,0,2,#,#;\r\n\r\n"},
      {"-d",
       "dnd,#,UX,0;\r\ndnd,#,UX,1;\r\ndnd,#,UY,2;\r\ndnd,#,UZ,3;\r\ndnd,#,RX,4;\r\n"
       "dnd,#,RY,5;\r\ndnd,#,RZ,6;\r\ndnd,#,UX,0;\r\ndnd,#,UY,0;\r\ndnd,#,UZ,0;\r\n"
       "dnd,#,RX,0;\r\ndnd,#,RY,0;\r\ndnd,#,RZ,0;\r\n\r\n"},
      {"-rregions.txt", "SELPIC,SF,#;\r\nSELPIC,ND,#;\r\nSELPIC,ND,#;\r\n\r\n"}};
  for (const auto& [option, expected] : id_records) {
    cases.push_back({"1000-character ids", option, id_listing, "NUM 1\n4 2147483647\n",
                     with_id(expected, id.substr(0, 199))});
  }

  // Record k names surface k + 1000 in region k, whatever the count line
  // says; the second record of surface 1000 loses to the first, and its
  // region 0 selects the surface as well.
  std::string records;
  for (int k = 0; k < 50000; ++k)
    records += std::to_string(k) + " " + std::to_string(k + 1000) + "\n";
  for (const std::string count_line : {"", "NUM -5\n", "NUM\n", "NUM 3\n"}) {
    cases.push_back({"50,000 lookup records after " + count_line, "-rregions.txt",
                     "Surface\n1000 0\n1001 0\n26000 0\n50999 0\n51000 0\n",
                     count_line + records + "77 1000\n",
                     "SELPIC,RG,0,\r\nSELPIC,SF,1000;\r\nSELPIC,RG,1,\r\nSELPIC,RG,25000,\r\n"
                     "SELPIC,RG,49999,\r\nSELPIC,SF,51000;\r\n\r\n"});
  }
  return cases;
}

TEST(hostile, generated_inputs) {
  for (const generated_case& c : generated_cases()) {
    SCOPED_TRACE(c.name + " " + c.option);
    const std::string written = convert(c.option, c.listing, c.lookup);
    EXPECT_TRUE(written == c.written) << written.size() << " bytes instead of " << c.written.size()
                                      << ": " << written.substr(0, 400);
  }
}

// A listing named as the destination under a second name is recognised and
// left alone; the other matches go on.
TEST(hostile, listing_that_is_also_the_destination_by_a_hard_link) {
  temp_dir dir;
  write_file(dir / "a.gem", "Node\n1 0\n");
  write_file(dir / "b.gem", "Node\n2 0\n");
  std::filesystem::create_hard_link(dir / "b.gem", dir / "link.gem");
  const program_result result = run_vantrel(dir.path(), {"-s", "*.gem", "./b.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner() + progress("a.gem", "./b.gem") +
                               "b.gem is its own destination and was not converted.\n"
                               "link.gem is its own destination and was not converted.\n");
  const std::string appended = "Node\n2 0\nSELPIC,ND,1;\r\n\r\n";
  EXPECT_EQ(read_tree(dir.path()),
            (std::map<std::string, std::string>{
                {"a.gem", "Node\n1 0\n"}, {"b.gem", appended}, {"link.gem", appended}}));
}

}  // namespace
