#include "app/messages.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/version.h"
#include "output/convert_listing.h"

namespace vantrel {

namespace {

// Prints `name` with its line breaks shown as '?'.
void print_on_one_line(const char* name) {
  for (const char* p = name; *p != '\0'; ++p) std::putchar(*p == '\n' || *p == '\r' ? '?' : *p);
}

// The error number of the first message that could not be written to
// standard output, 0 while every one was.
int first_failure = 0;

// Called after every message: a failed write sets the stream's error
// indicator, and errno still tells why.
void keep_first_failure() {
  if (first_failure == 0 && std::ferror(stdout)) first_failure = errno != 0 ? errno : EIO;
}

}  // namespace

void print_usage() {
  std::fputs(
      "Command Line: \r\n\n"
      "  vantrel -option  Source [Dest] \r\n\r\n"
      "  Options:\r\n"
      "   -s  Create selection command file for cosmos from selection listing (Default "
      "Setting).\r\n"
      "   -d  Apply nodal displacement listing as nodal displacement boudary conditions\r\n"
      "   -rFILENAME Filename for RG/SF lookup to select regions from surfaces while creating "
      ".geo\r\n"
      "   -z  Create a Zebulon **nset file for nodes, **elset for elements, **\r\n"
      "   -fFILENAME  Create a cosmos command file to convert selection command files into "
      "selection listing files.\r\n"
      "   -b  build beams from node list from first node to nodes 2+.  Uses automatic beam "
      "orientation (2 node elements)\r\n"
      "   -q  Convert triangular elements to collapsed quadrilaterals.\n"
      "   -a  Create CalculiX/Abaqus *NSET for nodes, *ELSET for elements, in stem.inp\r\n"
      "   -u  Apply nodal displacement listing as CalculiX/Abaqus *BOUNDARY lines, in stem.bou\n"
      "\r\n\r\n Example:  'vantrel -s *.gem' creates a geo file for each listing file gem.\n",
      stdout);
  std::printf("\r\n\r\n       vantrel %s - %s\n", program_version, tagline);
  std::printf("%30s%s\n", "", manual_location);
  std::printf("%30s%s\n\n", "", usage_hint);
  keep_first_failure();
}

void print_banner() {
  std::fputs("\nvantrel\n", stdout);
  std::printf("\n\n\t\tvantrel %s - %s\n", program_version, tagline);
  std::printf("\t\t%28s%s\n", "", manual_location);
  std::printf("\t\t%28s%s\n\n\n", "", usage_hint);
  std::fputs(
      "vantrel takes entity listings from the cosmos listlog output\n"
      "and creates a cosmos .geo file to select those entities.\n\n\n",
      stdout);
  keep_first_failure();
}

void print_two_options() {
  std::fputs("Only one Option Allowed\n", stdout);
  keep_first_failure();
}

void print_bad_command_line() {
  std::fputs("Bad Command Line.\n", stdout);
  keep_first_failure();
}

void print_not_found(const char* source) {
  std::printf("\n\nThe source file, %s, cannot be found.\n\n", source);
  keep_first_failure();
}

void print_search_failed(const char* source) {
  std::printf("\nThe search for %s could not be completed.", source);
  keep_first_failure();
}

void print_no_buffers() {
  std::fputs("\nThere is not enough memory for the file buffers.", stdout);
  keep_first_failure();
}

void print_progress(const char* source, const char* destination) {
  std::printf("%-37s    %s\n", source, destination);
  keep_first_failure();
}

void print_own_destination(const char* source) {
  std::printf("%s is its own destination and was not converted.\n", source);
  keep_first_failure();
}

void print_unsafe_name(const char* source, const char* file) {
  print_on_one_line(source);
  std::fputs(" was skipped: its name would break ", stdout);
  print_on_one_line(file);
  std::fputs(".\n", stdout);
  keep_first_failure();
}

void print_unusable_name(const char* source) {
  std::printf("%s was skipped: its name cannot be used on this system.\n", source);
  keep_first_failure();
}

void print_utf16_skipped(const char* source) {
  std::printf("%s was skipped: it is UTF-16 text; save it as UTF-8 or ANSI text.\n", source);
  keep_first_failure();
}

void print_utf16(const char* name) {
  std::printf("\n%s is UTF-16 text; save it as UTF-8 or ANSI text.", name);
  keep_first_failure();
}

void print_will_not_open(const char* name) {
  std::printf("\n%s will not open.  Make sure it's closed.", name);
  keep_first_failure();
}

void print_not_read(const char* name) {
  std::printf("\n%s could not be read completely.", name);
  keep_first_failure();
}

void print_not_written(const char* name) {
  std::printf("\n%s could not be written completely.", name);
  keep_first_failure();
}

void print_too_many_records(const char* name) {
  std::printf("\n%s holds more records than memory allows.", name);
  keep_first_failure();
}

void print_batch_is_list_script(const char* name) {
  std::printf("\n%s is the listing script's own name; nothing was written.", name);
  keep_first_failure();
}

void print_batch_is_a_match(const char* name) {
  std::printf("\n%s is one of the matched files; nothing was written.", name);
  keep_first_failure();
}

void note_output_failure(int error) {
  if (first_failure == 0) first_failure = error;
}

int end_messages() {
  if (std::fflush(stdout) != 0) keep_first_failure();
  // A run in the same process starts afresh.
  const int failure = first_failure;
  first_failure = 0;
  std::clearerr(stdout);
  return failure;
}

void print_output_failure(int error) {
  std::fprintf(stderr, "vantrel: standard output: %s\n", std::strerror(error));
}

void print_version() {
  std::printf("vantrel %s\n", program_version);
  keep_first_failure();
}

void print_set_name_mapped(const char* source, const char* stem, const char* set_name) {
  print_on_one_line(source);
  std::fputs(": the set name is ", stdout);
  std::fputs(set_name, stdout);
  std::fputs(", since \"", stdout);
  print_on_one_line(stem);
  std::fputs("\" is no name the solvers accept.\n", stdout);
  keep_first_failure();
}

void print_set_name_clash(const char* source, const char* set_name, const char* earlier_source,
                          const char* earlier_name, const char* destination) {
  print_on_one_line(source);
  std::printf(
      ": warning: the solvers, which ignore case, take its set name %s and the set name %s of ",
      set_name, earlier_name);
  print_on_one_line(earlier_source);
  std::fputs(" as one set in ", stdout);
  print_on_one_line(destination);
  std::fputs(".\n", stdout);
  keep_first_failure();
}

namespace {

// Prints a piece of a listing quoted, its control bytes shown as '?', with
// "..." when it was cut.
void print_quoted_sample(const conversion_report::left_out& kind) {
  std::putchar('"');
  for (const char* p = kind.first; *p != '\0'; ++p) {
    const auto u = static_cast<unsigned char>(*p);
    std::putchar(u < ' ' || u == 0x7f ? '?' : *p);
  }
  std::fputs(kind.first_cut ? "...\"" : "\"", stdout);
}

void print_count(std::int64_t count, const char* one, const char* many) {
  std::printf("%lld %s", static_cast<long long>(count), count == 1 ? one : many);
}

}  // namespace

void print_left_out(const char* source, const char* destination, const conversion_report& report) {
  // "<source>: <n> <what> left out of <destination>: <rule>; the first was
  // "<sample>"", for each kind of text that was left out.
  const auto start = [&](std::int64_t count, const char* one, const char* many) {
    print_on_one_line(source);
    std::fputs(": ", stdout);
    print_count(count, one, many);
    std::fputs(" left out of ", stdout);
    print_on_one_line(destination);
  };
  if (report.ids.count > 0) {
    start(report.ids.count, "line was", "lines were");
    std::fputs(": an id must be a whole number from 1 to 2147483647; the first was ", stdout);
    print_quoted_sample(report.ids);
    std::fputs(".\n", stdout);
  }
  if (report.values.count > 0) {
    start(report.values.count, "value was", "values were");
    std::fputs(
        ": a value must be a number like 1.5 or -2.5E-04 of at most 20 characters; the first "
        "was ",
        stdout);
    print_quoted_sample(report.values);
    std::printf(", of node %s.\n", report.first_value_node);
  }
  keep_first_failure();
}

}  // namespace vantrel
