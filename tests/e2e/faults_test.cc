// Runs the built program where the machine or the user is unkind: files
// that fail to read, FIFOs and sockets where listings are expected, a
// standard output that nobody reads, a file-size limit, few open files, and
// file names that hold line breaks. Each run ends with complete outputs or
// with a message that names the file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "e2e/run_program.h"
#include "test_support/files.h"

using namespace vantrel_test;

namespace {

const char* const node_listing = "Node\n1 0\n";
const char* const node_records = "SELPIC,ND,1;\r\n\r\n";

// On Linux, reading /proc/self/mem at its start fails with an I/O error.
bool have_failing_file() { return access("/proc/self/mem", R_OK) == 0; }

TEST(faults, read_error_ends_the_batch_with_a_message) {
  if (!have_failing_file()) GTEST_SKIP() << "no /proc/self/mem";
  temp_dir dir;
  write_file(dir / "a.gem", node_listing);
  write_file(dir / "z.gem", node_listing);
  ASSERT_EQ(symlink("/proc/self/mem", (dir / "m.gem").c_str()), 0);
  program_result result = run_vantrel(dir.path(), {"-s", "*.gem"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner() + progress("a.gem", "a.geo") + progress("m.gem", "m.geo") +
                               "\nm.gem could not be read completely.");
  EXPECT_EQ(read_file(dir / "a.geo"), node_records);
  EXPECT_FALSE(file_exists(dir / "z.geo"));

  // A lookup table that fails to load converts nothing.
  result = run_vantrel(dir.path(), {"-rm.gem", "a.gem"});
  EXPECT_EQ(result.output, banner() + "\nm.gem could not be read completely.");
  EXPECT_EQ(read_file(dir / "a.geo"), node_records);
}

// A FIFO matched as a listing or named as the lookup file would make the
// open wait for a writer; it is refused like a directory.
TEST(faults, fifo_is_refused_without_waiting) {
  temp_dir dir;
  write_file(dir / "a.gem", node_listing);
  write_file(dir / "z.gem", node_listing);
  ASSERT_EQ(mkfifo((dir / "f.gem").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo((dir / "fifo.txt").c_str(), 0600), 0);
  const std::string refused = "\nfifo.txt will not open.  Make sure it's closed.";
  // A listing, a lookup file, a destination, a batch file; what each run
  // must not have made.
  const struct {
    std::vector<std::string> args;
    std::string output;
    const char* not_made;
  } runs[] = {{{"-s", "*.gem"},
               progress("a.gem", "a.geo") + "\nf.gem will not open.  Make sure it's closed.",
               "f.geo"},
              {{"-rfifo.txt", "z.gem"}, refused, "z.geo"},
              {{"-s", "z.gem", "fifo.txt"}, refused, "z.geo"},
              {{"-ffifo.txt", "*.geo"}, refused, "vantrel123xyz.ses"}};
  run_options quick;
  quick.time_limit = 20;
  for (const auto& run : runs) {
    const program_result result = run_vantrel(dir.path(), run.args, quick);
    EXPECT_EQ(result.exit_code, 0) << run.args[0];
    EXPECT_EQ(result.output, banner() + run.output) << run.args[0];
    EXPECT_FALSE(file_exists(dir / run.not_made)) << run.args[0];
  }
}

// Losing the console does not end the batch: every conversion, and the
// batch file of -f, is complete, and no file receives a message. But a run
// whose messages were lost must not pass for a success: standard error
// says why, and the exit code is 2.
TEST(faults, lost_standard_output_loses_no_file_and_fails_the_run) {
  temp_dir dir;
  // Far more progress lines than one buffer of standard output holds, so
  // that they are written while listings and destinations are open.
  const int count = 150;
  const auto stem_of = [](int k) { return std::string(60, 'n') + std::to_string(1000 + k); };
  std::string batch, all;
  for (int k = 0; k < count; ++k) {
    const std::string stem = stem_of(k);
    write_file(dir / (stem + ".gem"), node_listing);
    batch += "INITSEL,ALL;\r\r\nFILE," + stem + ".geo;\r\r\nLISTLOG,1," + stem +
             ".gem,0;\r\r\nFILE,vantrel123xyz.ses,0,0,0;\r\r\nLISTLOG;\r\r\n";
    all += node_records;
  }
  const struct {
    output_to output;
    const char* reason;
  } losses[] = {{output_to::closed_pipe, "Broken pipe"},
                {output_to::nothing, "Bad file descriptor"},
                {output_to::full_device, "No space left on device"}};
  for (const auto& loss : losses) {
    run_options options;
    options.output = loss.output;
    options.closed_input = loss.output == output_to::nothing;
    const std::string said = std::string("vantrel: standard output: ") + loss.reason + "\n";
    for (const std::vector<std::string>& args : {std::vector<std::string>{"-s", "*.gem"},
                                                 {"-s", "*.gem", "all.out"},
                                                 {"-fbatch.cmd", "*.geo"}}) {
      const program_result result = run_vantrel(dir.path(), args, options);
      EXPECT_EQ(result.exit_code, 2) << loss.reason << " " << args[0];
      EXPECT_EQ(result.errors, said) << args[0];
    }
    for (int k = 0; k < count; ++k) {
      const std::string name = dir / (stem_of(k) + ".geo");
      EXPECT_EQ(read_file(name), node_records) << loss.reason << " " << k;
      std::remove(name.c_str());
    }
    EXPECT_EQ(read_file(dir / "all.out"), all) << loss.reason;
    EXPECT_EQ(read_file(dir / "batch.cmd"), batch) << loss.reason;
    std::remove((dir / "all.out").c_str());
  }
  // Without arguments only the usage text is lost.
  run_options full;
  full.output = output_to::full_device;
  const program_result result = run_vantrel(dir.path(), {}, full);
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.errors, "vantrel: standard output: No space left on device\n");
  // A closed standard input alone loses nothing.
  run_options no_input;
  no_input.closed_input = true;
  const program_result quiet = run_vantrel(dir.path(), {"-s", stem_of(0) + ".gem"}, no_input);
  EXPECT_EQ(quiet.exit_code, 0);
  EXPECT_EQ(quiet.errors, "");
  EXPECT_EQ(read_file(dir / (stem_of(0) + ".geo")), node_records);
}

// A file-size limit fails the write that meets it, with the message, instead
// of ending the process in the middle of a record.
TEST(faults, file_size_limit_is_a_write_failure) {
  temp_dir dir;
  std::string listing = "Node\n";
  for (int k = 1; k <= 20000; ++k) listing += std::to_string(k) + " 0\n";
  write_file(dir / "a.gem", node_listing);
  write_file(dir / "big.gem", listing);
  write_file(dir / "c.gem", node_listing);
  run_options limited;
  limited.file_size_limit = 64 * 1024;
  const program_result result = run_vantrel(dir.path(), {"-s", "*.gem"}, limited);
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output, banner() + progress("a.gem", "a.geo") + progress("big.gem", "big.geo") +
                               "\nbig.geo could not be written completely.");
  EXPECT_EQ(read_file(dir / "a.geo"), node_records);
  EXPECT_EQ(read_file(dir / "big.geo").size(), limited.file_size_limit);
  EXPECT_FALSE(file_exists(dir / "c.geo"));
}

// Each listing and each command file is closed when its match is done: a
// run over far more matches than the program may have files open at once
// converts them all.
TEST(faults, many_matches_within_few_open_files) {
  temp_dir dir;
  write_file(dir / "t.txt", "1 1\n");
  std::string expected = banner();
  for (int k = 100; k < 160; ++k) {
    const std::string stem = std::to_string(k);
    write_file(dir / (stem + ".gem"), node_listing);
    expected += progress(stem + ".gem", stem + ".geo");
  }
  run_options few_files;
  few_files.open_files_limit = 24;
  for (const char* option : {"-s", "-rt.txt"}) {
    const program_result result = run_vantrel(dir.path(), {option, "*.gem"}, few_files);
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.output, expected) << option;
    for (int k = 100; k < 160; ++k) {
      const std::string name = dir / (std::to_string(k) + ".geo");
      EXPECT_EQ(read_file(name), node_records) << option << " " << k;
      std::remove(name.c_str());
    }
  }
}

// A name with a line break would add lines to the batch file or split a
// set header; such a match is skipped with one line, the others go on.
TEST(faults, names_that_would_add_lines) {
  temp_dir dir;
  for (const char* name : {"a\nINITSEL.geo", "b\rc.geo", "d;LISTLOG.geo", "e.geo"}) {
    write_file(dir / name, "SELPIC,ND,1;\r\n");
  }
  program_result result = run_vantrel(dir.path(), {"-fb.cmd", "*.geo"});
  EXPECT_EQ(result.output, banner() + "a?INITSEL.geo was skipped: its name would break b.cmd.\n" +
                               "b?c.geo was skipped: its name would break b.cmd.\n" +
                               "d;LISTLOG.geo was skipped: its name would break b.cmd.\n" +
                               progress("e.geo", "b.cmd"));
  EXPECT_EQ(read_file(dir / "b.cmd"),
            "INITSEL,ALL;\r\r\nFILE,e.geo;\r\r\nLISTLOG,1,e.gem,0;\r\r\n"
            "FILE,vantrel123xyz.ses,0,0,0;\r\r\nLISTLOG;\r\r\n");

  write_file(dir / "f\ng.gem", node_listing);
  write_file(dir / "h.gem", node_listing);
  result = run_vantrel(dir.path(), {"-z", "*.gem"});
  EXPECT_EQ(result.output, banner() + "f?g.gem was skipped: its name would break f?g.zset.\n" +
                               progress("h.gem", "h.zset"));
  EXPECT_FALSE(file_exists(dir / "f\ng.zset"));
  EXPECT_EQ(read_file(dir / "h.zset"), "**nset h\r\n 1\r\n");
  // Elsewhere the name only names files.
  result = run_vantrel(dir.path(), {"-s", "f\ng.gem"});
  EXPECT_EQ(result.output, banner() + progress("f\ng.gem", "f\ng.geo"));
  EXPECT_EQ(read_file(dir / "f\ng.geo"), node_records);
}

}  // namespace
