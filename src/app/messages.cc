#include "app/messages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/version.h"

namespace vantrel {

namespace {

// The three lines that say what the tool is, which version runs, and where
// its manual is.
const char* const contact_name = "converts cosmos entity listings into command files";
const char* const contact_help = "Run vantrel without arguments for this summary";

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
      "\r\n\r\n Example:  'vantrel -s *.gem' creates a geo file for each listing file gem.\n",
      stdout);
  std::printf("\r\n\r\n       vantrel %s - %s\n", program_version, contact_name);
  std::printf("%30s%s\n", "", manual_location);
  std::printf("%30s%s\n\n", "", contact_help);
  keep_first_failure();
}

void print_banner() {
  std::fputs("\nvantrel\n", stdout);
  std::printf("\n\n\t\tvantrel %s - %s\n", program_version, contact_name);
  std::printf("\t\t%28s%s\n", "", manual_location);
  std::printf("\t\t%28s%s\n\n\n", "", contact_help);
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

}  // namespace vantrel
