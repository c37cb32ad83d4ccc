// Runs the built program on input nobody planned for: empty and binary files,
// NUL bytes, huge lines, foreign line ends, oversized ids and field counts,
// huge lookup files, directories, a full disk, and a listing that is its own
// destination. Each test checks the exit code, the whole standard output and
// every file of the working folder afterwards: earlier outputs and
// bystanders must be intact. Big inputs are generated here, never stored.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "e2e/run_program.h"
#include "test_support/files.h"

using namespace vantrel_test;
using namespace std::string_literals;

namespace {

const std::string banner =
    "\nvantrel\n\n\n"
    "\t\tvantrel - converts cosmos entity listings into command files\n"
    "\t\t                            Manual: man vantrel, or README.md in its distribution\n"
    "\t\t                            Run vantrel without arguments for this summary\n\n\n"
    "vantrel takes entity listings from the cosmos listlog output\n"
    "and creates a cosmos .geo file to select those entities.\n\n\n";

// The progress line of one match.
std::string progress(const std::string& source, const std::string& destination) {
  std::string line = source;
  if (line.size() < 37) line.resize(37, ' ');
  return line + "    " + destination + "\n";
}

std::string will_not_open(const std::string& name) {
  return "\n" + name + " will not open.  Make sure it's closed.";
}

// An earlier output that every run must leave at the head of its file.
const std::string earlier = "SELPIC,ND,99;\r\n\r\n";
// A file no run may touch.
const std::string bystander_name = "notes.txt";
const std::string bystander = "keep me\n\0\xff"s;

using tree = std::map<std::string, std::string>;

class hostile : public testing::Test {
 protected:
  void put(const std::string& name, const std::string& bytes) { write_file(dir_ / name, bytes); }
  // Puts a file that the run must leave as it is.
  void put_kept(tree& expected, const std::string& name, const std::string& bytes) {
    put(name, bytes);
    expected[name] = bytes;
  }

  // Lays out the listing `listing` as a.gem, an earlier a.geo and the
  // bystander, and returns the folder as it is now.
  tree lay_out(const std::string& listing) {
    put("a.gem", listing);
    put("a.geo", earlier);
    put(bystander_name, bystander);
    return read_tree(dir_.path());
  }

  program_result run(const std::vector<std::string>& args) {
    return run_vantrel(dir_.path(), args);
  }

  // Compares the folder with `expected` file by file, naming a differing
  // file with both sizes instead of printing megabytes.
  void expect_folder(const tree& expected) {
    const tree actual = read_tree(dir_.path());
    for (const auto& [name, bytes] : expected) {
      auto found = actual.find(name);
      if (found == actual.end()) {
        ADD_FAILURE() << name << " is missing";
      } else if (found->second != bytes) {
        if (bytes.size() + found->second.size() < 4000) {
          EXPECT_EQ(found->second, bytes) << "in " << name;
        } else {
          ADD_FAILURE() << name << " differs: " << found->second.size() << " bytes instead of "
                        << bytes.size();
        }
      }
    }
    for (const auto& entry : actual) {
      EXPECT_TRUE(expected.count(entry.first)) << entry.first << " was written but is not expected";
    }
  }

  temp_dir dir_;
};

// The run modes that convert, with the extension of their generated
// destination; -r reads the lookup file regions.txt.
struct mode {
  const char* option;
  const char* extension;
};
const mode conversion_modes[] = {{"-s", "geo"}, {"-z", "zset"}, {"-b", "geo"},
                                 {"-d", "geo"}, {"-q", "geo"},  {"-rregions.txt", "geo"}};

// Bytes of every value in a fixed pseudo-random order.
std::string garbage(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xff);
  return bytes;
}

TEST_F(hostile, empty_listing_gives_one_line_break_in_every_mode) {
  for (const mode& m : conversion_modes) {
    SCOPED_TRACE(m.option);
    tree expected = lay_out("");
    put_kept(expected, "regions.txt", "");
    const std::string destination = std::string("a.") + m.extension;
    program_result result = run({m.option, "a.gem"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.output, banner + progress("a.gem", destination));
    expected[destination] = (destination == "a.geo" ? earlier : "") + "\r\n";
    expect_folder(expected);
    std::remove((dir_ / "a.zset").c_str());
  }
}

TEST_F(hostile, empty_lookup_file_selects_surfaces_themselves) {
  tree expected = lay_out("Surface\n101 4\n");
  put_kept(expected, "regions.txt", "");
  program_result result = run({"-rregions.txt", "a.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("a.gem", "a.geo"));
  expected["a.geo"] = earlier + "SELPIC,SF,101;\r\n\r\n";
  expect_folder(expected);
}

// Every line of a selection file is a selection record, a region record or
// empty, and every line feed comes after a carriage return.
void expect_selection_records(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "unterminated line at " << start;
    const std::string line = text.substr(start, end - start);
    start = end + 2;
    if (line.empty()) continue;
    EXPECT_EQ(line.find_first_of(std::string(" \t\r\n\0", 5)), std::string::npos) << line;
    const bool selection = line.compare(0, 7, "SELPIC,") == 0 && line.size() > 11 &&
                           line[9] == ',' && line.back() == ';';
    const bool region = line.compare(0, 10, "SELPIC,RG,") == 0 && line.back() == ',';
    EXPECT_TRUE(selection || region) << line;
  }
}

TEST_F(hostile, binary_garbage_around_listing_lines) {
  const std::string listing = garbage(1 << 20, 7) + "\nNode\n1 0\n" + garbage(1 << 20, 8) +
                              "\n\nElem\n2 0\n" + garbage(4096, 9);
  for (const mode& m : conversion_modes) {
    SCOPED_TRACE(m.option);
    tree expected = lay_out(listing);
    put_kept(expected, "regions.txt", garbage(1 << 16, 10));
    const std::string destination = std::string("a.") + m.extension;
    program_result result = run({m.option, "a.gem"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.output, banner + progress("a.gem", destination));
    const tree actual = read_tree(dir_.path());
    ASSERT_TRUE(actual.count(destination));
    std::string written = actual.at(destination);
    if (destination == "a.geo") {
      ASSERT_EQ(written.compare(0, earlier.size(), earlier), 0);
      written.erase(0, earlier.size());
    }
    ASSERT_GE(written.size(), 2u);
    EXPECT_EQ(written.substr(written.size() - 2), "\r\n");
    if (m.option == std::string("-s")) {
      expect_selection_records(written);
      EXPECT_NE(written.find("SELPIC,ND,1;\r\n"), std::string::npos);
      EXPECT_NE(written.find("SELPIC,EL,2;\r\n"), std::string::npos);
    }
    expected[destination] = actual.at(destination);
    expect_folder(expected);
    std::remove((dir_ / "a.zset").c_str());
  }
}

TEST_F(hostile, nul_bytes_end_the_text_of_their_line) {
  // A line that starts with NUL counts as no line; elsewhere NUL ends the
  // line's text, so "3" stands alone and is no data line.
  const std::string listing = "Node\r\n1 0\r\n\0\0\0 2 0\r\n3\0 0\r\n\0Elem\r\n4 0\r\n\0"s;
  tree expected = lay_out(listing);
  program_result result = run({"-s", "a.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("a.gem", "a.geo"));
  expected["a.geo"] = earlier + "SELPIC,ND,1;\r\nSELPIC,ND,4;\r\n\r\n";
  expect_folder(expected);
}

TEST_F(hostile, ten_megabyte_line_without_line_feed) {
  // The line arrives in pieces of 1019 characters; the blank after each
  // piece is skipped, so every piece starts with 7 and is a data line.
  std::string listing = "Node\n";
  const std::size_t line_size = 10 << 20;
  listing.reserve(listing.size() + line_size);
  for (std::size_t k = 0; k < line_size / 2; ++k) listing += "7 ";
  const std::size_t pieces = (line_size + 1019) / 1020;
  tree expected = lay_out(listing);
  program_result result = run({"-s", "a.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("a.gem", "a.geo"));
  std::string records = earlier;
  for (std::size_t k = 0; k < pieces; ++k) records += "SELPIC,ND,7;\r\n";
  expected["a.geo"] = records + "\r\n";
  expect_folder(expected);
}

TEST_F(hostile, ten_megabyte_word_without_line_feed) {
  tree expected = lay_out("Node\n1 0\n" + std::string(10 << 20, 'x'));
  program_result result = run({"-z", "a.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("a.gem", "a.zset"));
  expected["a.zset"] = "**nset a\r\n 1\r\n";
  expect_folder(expected);
}

TEST_F(hostile, carriage_returns_alone_do_not_end_lines) {
  // Without line feeds the whole file is one line: its first word decides.
  tree expected = lay_out("Node\r1 0\r2 0\r");
  put_kept(expected, "b.gem", "Node\n1 0\r2 0\r3 0\r");
  program_result result = run({"-s", "?.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("a.gem", "a.geo") + progress("b.gem", "b.geo"));
  expected["a.geo"] = earlier + "\r\n";
  expected["b.geo"] = "SELPIC,ND,1;\r\n\r\n";
  expect_folder(expected);

  // A lookup file of one line: its count line, and no record after it.
  put_kept(expected, "c.gem", "Surface\n101 4\n");
  put_kept(expected, "regions.txt", "NUM 2\r3 101\r4 102\r");
  result = run({"-rregions.txt", "c.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("c.gem", "c.geo"));
  expected["c.geo"] = "SELPIC,SF,101;\r\n\r\n";
  expect_folder(expected);
}

TEST_F(hostile, thousand_character_ids_in_every_mode) {
  // A captured word keeps its first 199 characters.
  const std::string id = "9" + std::string(998, '0') + "1";
  const std::string kept = id.substr(0, 199);
  const std::string listing =
      "Surface\n" + id + " 0\nNode\n" + id + " 1 2 3 4 5 6\n" + id + " 0 0 0 0 0 0\n";
  const std::map<std::string, std::string> records = {
      {"-s",
       "SELPIC,SF," + kept + ";\r\nSELPIC,ND," + kept + ";\r\nSELPIC,ND," + kept + ";\r\n\r\n"},
      {"-z", "**nset a\r\n " + kept + " " + kept + "\r\n"},
      {"-b",
       "el,,cr,0,2," + kept + "," + kept + ";\r\nel,,cr,0,2," + kept + "," + kept + ";\r\n\r\n"},
      {"-q", "\r\n"},
      // The id reads as the largest 32-bit value, which the lookup file names.
      {"-rregions.txt",
       "SELPIC,RG,4,\r\nSELPIC,ND," + kept + ";\r\nSELPIC,ND," + kept + ";\r\n\r\n"},
  };
  std::string disp = "dnd," + kept + ",UX,0;\r\n";
  for (const char* value : {"1", "2", "3", "4", "5", "6"}) {
    static const char* const labels[] = {"UX", "UY", "UZ", "RX", "RY", "RZ"};
    disp += "dnd," + kept + "," + labels[value[0] - '1'] + "," + value + ";\r\n";
  }
  for (const char* label : {"UX", "UY", "UZ", "RX", "RY", "RZ"}) {
    disp += "dnd," + kept + "," + label + ",0;\r\n";
  }
  for (const mode& m : conversion_modes) {
    SCOPED_TRACE(m.option);
    tree expected = lay_out(listing);
    put_kept(expected, "regions.txt", "NUM 1\n4 2147483647\n");
    program_result result = run({m.option, "a.gem"});
    const std::string destination = std::string("a.") + m.extension;
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.output, banner + progress("a.gem", destination));
    const std::string written =
        m.option == std::string("-d") ? disp + "\r\n" : records.at(m.option);
    expected[destination] = (destination == "a.geo" ? earlier : "") + written;
    expect_folder(expected);
    std::remove((dir_ / "a.zset").c_str());
  }
}

TEST_F(hostile, line_led_by_the_data_pattern_word_in_every_mode) {
  // "#*" equals the data pattern's token text: such a line is no data line.
  const std::string listing = "Node\n5 6\n#* 2 1.25\n#* #*\n. #* 7\n";
  const std::map<std::string, std::string> records = {
      {"-s", earlier + "SELPIC,ND,5;\r\n\r\n"},
      {"-z", "**nset a\r\n 5\r\n"},
      {"-b", earlier + "\r\n"},
      {"-d", earlier + "dnd,5,UX,6;\r\n\r\n"},
      {"-q", earlier + "\r\n"},
      {"-rregions.txt", earlier + "SELPIC,ND,5;\r\n\r\n"},
  };
  for (const mode& m : conversion_modes) {
    SCOPED_TRACE(m.option);
    tree expected = lay_out(listing);
    put_kept(expected, "regions.txt", "5 5\n");
    const std::string destination = std::string("a.") + m.extension;
    program_result result = run({m.option, "a.gem"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.output, banner + progress("a.gem", destination));
    expected[destination] = records.at(m.option);
    expect_folder(expected);
    std::remove((dir_ / "a.zset").c_str());
  }
}

TEST_F(hostile, hundred_fields_on_a_displacement_line) {
  std::string line = "1";
  for (int k = 1; k <= 100; ++k) line += " v" + std::to_string(k);
  tree expected = lay_out(line + "\n2 a b c d e f\n");
  program_result result = run({"-d", "a.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("a.gem", "a.geo"));
  expected["a.geo"] = earlier +
                      "dnd,1,UX,v1;\r\ndnd,1,UY,v2;\r\ndnd,1,UZ,v3;\r\n"
                      "dnd,1,RX,v4;\r\ndnd,1,RY,v5;\r\ndnd,1,RZ,v6;\r\n"
                      "dnd,2,UX,a;\r\ndnd,2,UY,b;\r\ndnd,2,UZ,c;\r\n"
                      "dnd,2,RX,d;\r\ndnd,2,RY,e;\r\ndnd,2,RZ,f;\r\n\r\n";
  expect_folder(expected);
}

TEST_F(hostile, fifty_thousand_lookup_records_whatever_the_count_line) {
  // Record k names surface k + 1000 in region k; surface 1000 is named a
  // second time at the end, where the earlier record must win.
  std::string records;
  for (int k = 0; k < 50000; ++k) {
    records += std::to_string(k) + " " + std::to_string(k + 1000) + "\n";
  }
  records += "77 1000\n";
  for (const char* count_line : {"", "NUM -5\n", "NUM\n", "NUM 3\n"}) {
    SCOPED_TRACE(count_line);
    tree expected = lay_out("Surface\n1000 0\n1001 0\n26000 0\n50999 0\n51000 0\n");
    put_kept(expected, "regions.txt", count_line + records);
    program_result result = run({"-rregions.txt", "a.gem"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.output, banner + progress("a.gem", "a.geo"));
    // Region 0 answers for surface 1000, so the surface is selected as well.
    expected["a.geo"] = earlier +
                        "SELPIC,RG,0,\r\nSELPIC,SF,1000;\r\nSELPIC,RG,1,\r\n"
                        "SELPIC,RG,25000,\r\nSELPIC,RG,49999,\r\nSELPIC,SF,51000;\r\n\r\n";
    expect_folder(expected);
  }
}

TEST_F(hostile, matched_directory_ends_the_batch) {
  tree expected = lay_out("Node\n1 0\n");
  put("c.gem", "Node\n3 0\n");
  put("c.geo", earlier);
  ASSERT_EQ(mkdir((dir_ / "b.gem").c_str(), 0755), 0);
  expected = read_tree(dir_.path());
  program_result result = run({"-s", "*.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("a.gem", "a.geo") + will_not_open("b.gem"));
  expected["a.geo"] = earlier + "SELPIC,ND,1;\r\n\r\n";
  expect_folder(expected);
}

TEST_F(hostile, directory_as_destination_or_lookup_file) {
  tree expected = lay_out("Node\n1 0\n");
  ASSERT_EQ(mkdir((dir_ / "out").c_str(), 0755), 0);
  expected["out"] = "<dir>";

  program_result result = run({"-s", "a.gem", "out"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + will_not_open("out"));
  expect_folder(expected);

  result = run({"-rout", "a.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + will_not_open("out"));
  expect_folder(expected);
}

TEST_F(hostile, full_disk_as_destination) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  tree expected = lay_out("Node\n1 0\n");
  put_kept(expected, "b.gem", "Node\n2 0\n");
  for (const char* option : {"-s", "-z", "-d"}) {
    SCOPED_TRACE(option);
    program_result result = run({option, "*.gem", "/dev/full"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.output, banner + progress("a.gem", "/dev/full") +
                                 "\n/dev/full could not be written completely.");
    expect_folder(expected);
  }

  // The batch file: the listing script is written, the batch file is not.
  program_result result = run({"-f/dev/full", "*.geo"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("a.geo", "/dev/full") +
                               "\n/dev/full could not be written completely.");
  const tree actual = read_tree(dir_.path());
  ASSERT_TRUE(actual.count("vantrel123xyz.ses"));
  expected["vantrel123xyz.ses"] = actual.at("vantrel123xyz.ses");
  expect_folder(expected);
}

TEST_F(hostile, listing_that_is_also_the_destination) {
  // Under another spelling and under a second name (a hard link) the
  // listing is still recognised and left alone; the other matches go on.
  tree expected = lay_out("Node\n1 0\n");
  put("b.gem", "Node\n2 0\n");
  ASSERT_EQ(link((dir_ / "b.gem").c_str(), (dir_ / "link.gem").c_str()), 0);
  expected["b.gem"] = expected["link.gem"] = "Node\n2 0\n";

  program_result result = run({"-s", "*.gem", "./b.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + progress("a.gem", "./b.gem") +
                               "b.gem is its own destination and was not converted.\n" +
                               "link.gem is its own destination and was not converted.\n");
  expected["b.gem"] = expected["link.gem"] = "Node\n2 0\nSELPIC,ND,1;\r\n\r\n";
  expect_folder(expected);

  // A batch file that is one of the selection files it is to run.
  put_kept(expected, "b.geo", earlier);
  for (const char* option : {"-fb.geo", "-f./a.geo"}) {
    result = run({option, "*.geo"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.output,
              banner + "\n" + (option + 2) + " is one of the matched files; nothing was written.");
    expect_folder(expected);
  }

  // A generated destination that is the match itself.
  result = run({"-s", "a.geo"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner + "a.geo is its own destination and was not converted.\n");
  expect_folder(expected);
}

}  // namespace
