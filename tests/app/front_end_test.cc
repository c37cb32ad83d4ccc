#include "app/front_end.h"

#include <gtest/gtest.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "test_support/files.h"
#include "test_support/injected_faults.h"

namespace vantrel {
namespace {

std::string run(const char* const* argv, int argc, int& status) {
  testing::internal::CaptureStdout();
  status = run_front_end(argc, argv);
  return testing::internal::GetCapturedStdout();
}

bool ends_in(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Without memory for its file buffers the program says so after the banner
// and touches no file; the command-line errors still come first.
TEST(front_end, without_file_buffers_nothing_runs) {
  const char* const convert[] = {"vantrel", "-s", "*.gem", nullptr};
  const char* const two_options[] = {"vantrel", "-s", "-d", nullptr};
  int status = -1;
  const std::string banner = run(two_options, 3, status);
  ASSERT_EQ(status, 1);
  vantrel_test::injected_faults no_storage;
  EXPECT_EQ(run(two_options, 3, status), banner);
  EXPECT_EQ(status, 1);
  const std::string printed = run(convert, 3, status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(printed,
            banner.substr(0, banner.size() - std::string("Only one Option Allowed\n").size()) +
                "\nThere is not enough memory for the file buffers.");
}

// Memory that runs out at start stops the run with a message, and nothing
// is written; when it runs out as the search of the Source begins, that is
// told apart from a Source that matches nothing. As n, the count of
// requests granted, grows, the run gets past the buffers, then past the
// search, and converts.
TEST(front_end, memory_that_runs_out_at_start) {
  vantrel_test::temp_dir temp;
  vantrel_test::write_file(temp / "a.gem", "Node\n1 0\n");
  const std::string source = temp / "*.gem";
  const char* const convert[] = {"vantrel", "-s", source.c_str(), nullptr};
  const std::string endings[] = {"\nThere is not enough memory for the file buffers.",
                                 "\nThe search for " + source + " could not be completed.",
                                 "    " + temp / "a.geo" + "\n"};
  bool seen[3] = {};
  std::size_t stage = 0;
  for (std::size_t n = 0; !seen[2] && n < 1000; ++n) {
    int status = -1;
    std::string printed;
    {
      vantrel_test::injected_faults limited(n);
      printed = run(convert, 3, status);
    }
    EXPECT_EQ(status, 0);
    while (stage < 2 && !ends_in(printed, endings[stage])) ++stage;
    ASSERT_TRUE(ends_in(printed, endings[stage])) << n << ": " << printed;
    seen[stage] = true;
    EXPECT_EQ(vantrel_test::read_file(temp / "a.geo"), stage == 2 ? "SELPIC,ND,1;\r\n\r\n" : "")
        << n;
  }
  EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

// The files of `root` that hold the notice of a buffer that could not grow
// in their names.
std::vector<std::string> named_after_a_notice(const std::string& root) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string name = entry.path().filename().string();
    if (name.find("MEMORY FAILURE") != std::string::npos ||
        name.find("mFAIL") != std::string::npos) {
      found.push_back(name);
    }
  }
  return found;
}

// Whichever single request fails, in a whole run of each mode over names
// longer than the name buffers first hold, the run either does all that a
// run without failures does, or stops with a message and leaves every file
// as that run leaves it or as it was: no file is ever opened under a name
// that could not be made whole.
TEST(front_end, any_one_request_that_fails_in_a_whole_run) {
  vantrel_test::temp_dir temp;
  // Names longer than the name buffers hold at first, where the system
  // allows them: Windows keeps whole paths under 260 characters.
#ifdef _WIN32
  const std::string folder = std::string(60, 'd') + "/" + std::string(60, 'e');
#else
  const std::string folder = std::string(200, 'd') + "/" + std::string(100, 'e');
#endif
  std::filesystem::create_directories(temp / folder);
  const char* const listing = "Node\n1 0.0 0.5 0 0 0 0\n2 1 2 3 4 5 6\nSurface\n7 0\n";
  vantrel_test::write_file(temp / (folder + "/a.gem"), listing);
  vantrel_test::write_file(temp / (folder + "/b.gem"), listing);
  vantrel_test::write_file(temp / "regions.txt", "NUM 2\n3 7\n");
  const std::string source = folder + "/*.gem";
  const std::filesystem::path saved = std::filesystem::current_path();
  std::filesystem::current_path(temp.path());
  const std::map<std::string, std::string> inputs = vantrel_test::read_tree(temp.path());
  const auto clean = [&] {
    for (const auto& [name, bytes] : vantrel_test::read_tree(temp.path())) {
      if (!inputs.count(name)) std::filesystem::remove(temp / name);
    }
  };
  const std::string stops[] = {"\nThere is not enough memory for the file buffers.",
                               "\nThe search for " + source + " could not be completed.",
                               "\nregions.txt holds more records than memory allows."};
  for (const char* option :
       {"-s", "-rregions.txt", "-z", "-b", "-d", "-q", "-a", "-u", "-fbatch.cmd"}) {
    const char* const argv[] = {"vantrel", option, source.c_str(), nullptr};
    int status = -1;
    clean();
    const std::string expected = run(argv, 3, status);
    const std::map<std::string, std::string> converted = vantrel_test::read_tree(temp.path());
    ASSERT_EQ(status, 0);
    ASSERT_NE(expected.find("a.gem"), std::string::npos) << option << ": " << expected;
    bool done = false;
    for (std::size_t n = 0; !done; ++n) {
      clean();
      std::string printed;
      {
        const auto one_fails = vantrel_test::injected_faults::only(n);
        printed = run(argv, 3, status);
        done = one_fails.requests() <= n;
      }
      EXPECT_EQ(status, 0);
      EXPECT_EQ(named_after_a_notice(temp.path()), std::vector<std::string>())
          << option << " " << n;
      bool stopped = false;
      for (const std::string& stop : stops) stopped = stopped || ends_in(printed, stop);
      if (!stopped) {
        EXPECT_EQ(printed, expected) << option << " " << n;
      }
      for (const auto& [name, bytes] : vantrel_test::read_tree(temp.path())) {
        const auto reference = converted.find(name);
        EXPECT_TRUE(reference != converted.end() && reference->second == bytes)
            << option << " " << n << ": " << name;
      }
      if (!stopped) {
        EXPECT_EQ(vantrel_test::read_tree(temp.path()), converted) << option << " " << n;
      }
    }
  }
  clean();
  std::filesystem::current_path(saved);
}

// Whichever single read or write of a file fails, in a run of each mode,
// the run says so, naming what failed.
TEST(front_end, any_one_read_or_write_that_fails_is_told) {
  vantrel_test::temp_dir temp;
  const char* const listing = "Node\n1 0.0 0.5 0 0 0 0\n2 1 2 3 4 5 6\nSurface\n7 0\n";
  vantrel_test::write_file(temp / "a.gem", listing);
  vantrel_test::write_file(temp / "b.gem", listing);
  vantrel_test::write_file(temp / "regions.txt", "NUM 2\n3 7\n");
  const std::string source = temp / "*.gem";
  const std::string lookup = "-r" + temp / "regions.txt";
  const std::string batch = "-f" + temp / "batch.cmd";
  for (const std::string& option :
       {std::string("-s"), lookup, std::string("-z"), std::string("-b"), std::string("-d"),
        std::string("-q"), std::string("-a"), std::string("-u"), batch}) {
    const char* const argv[] = {"vantrel", option.c_str(), source.c_str(), nullptr};
    int status = -1;
    for (bool reads : {true, false}) {
      bool done = false;
      for (std::size_t n = 0; !done; ++n) {
        std::string printed;
        {
          const auto one_fails = reads ? vantrel_test::injected_faults::read_fails(n)
                                       : vantrel_test::injected_faults::write_fails(n);
          printed = run(argv, 3, status);
          done = (reads ? one_fails.reads() : one_fails.writes()) <= n;
        }
        EXPECT_EQ(status, 0) << option << " " << reads << " " << n;
        const char* const told =
            reads ? " could not be read completely." : " could not be written completely.";
        if (!done) {
          EXPECT_NE(printed.find(told), std::string::npos) << option << " " << n << ": " << printed;
        }
      }
    }
  }
}

#ifdef __GLIBC__
// A whole run of each mode gives back all the storage it took: a block
// that one run keeps, each of a batch's runs keeps again.
TEST(front_end, a_run_gives_back_its_storage) {
  vantrel_test::temp_dir temp;
  const char* const listing = "Node\n1 0.0 0.5 0 0 0 0\nSurface\n7 0\n";
  // In a folder whose name outgrows the name buffers, so that they grow.
  const std::string folder = temp / (std::string(200, 'd') + "/" + std::string(100, 'e'));
  std::filesystem::create_directories(folder);
  for (char name = 'a'; name <= 'l'; ++name) {
    vantrel_test::write_file(folder + "/" + name + ".gem", listing);
  }
  vantrel_test::write_file(temp / "regions.txt", "NUM 2\n3 7\n");
  const std::string source = folder + "/*.gem";
  const std::string lookup = "-r" + temp / "regions.txt";
  const std::string batch = "-f" + temp / "batch.cmd";
  for (const std::string& option : {std::string("-s"), lookup, std::string("-a"), batch}) {
    const char* const argv[] = {"vantrel", option.c_str(), source.c_str(), nullptr};
    int status = -1;
    run(argv, 3, status);  // whatever is taken once, on the first run
    const std::size_t in_use = mallinfo2().uordblks;
    run(argv, 3, status);
    EXPECT_LT(mallinfo2().uordblks, in_use + 64) << option;
  }
}
#endif

}  // namespace
}  // namespace vantrel
