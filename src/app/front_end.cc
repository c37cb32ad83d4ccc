#include "app/front_end.h"

#include <cstdio>

#include "app/batch_list.h"
#include "app/conversion_run.h"
#include "app/run_context.h"
#include "output/run_mode.h"

namespace vantrel {
namespace {

// The three lines that say what the tool is and where its manual is.
const char* const contact_name = "vantrel - converts cosmos entity listings into command files";
const char* const contact_docs = "Manual: man vantrel, or README.md in its distribution";
const char* const contact_help = "Run vantrel without arguments for this summary";

void print_usage() {
  std::fputs("Command Line: \r\n\n", stdout);
  std::fputs("  vantrel -option  Source [Dest] \r\n\r\n", stdout);
  std::fputs("  Options:\r\n", stdout);
  std::fputs(
      "   -s  Create selection command file for cosmos from selection listing (Default "
      "Setting).\r\n",
      stdout);
  std::fputs("   -d  Apply nodal displacement listing as nodal displacement boudary conditions\r\n",
             stdout);
  std::fputs(
      "   -rFILENAME Filename for RG/SF lookup to select regions from surfaces while creating "
      ".geo\r\n",
      stdout);
  std::fputs("   -z  Create a Zebulon **nset file for nodes, **elset for elements, **\r\n", stdout);
  std::fputs(
      "   -fFILENAME  Create a cosmos command file to convert selection command files into "
      "selection listing files.\r\n",
      stdout);
  std::fputs(
      "   -b  build beams from node list from first node to nodes 2+.  Uses automatic beam "
      "orientation (2 node elements)\r\n",
      stdout);
  std::fputs("   -q  Convert triangular elements to collapsed quadrilaterals.\n", stdout);
  std::fputs(
      "\r\n\r\n Example:  'vantrel -s *.gem' creates a geo file for each listing file gem.\n",
      stdout);
  std::printf("\r\n\r\n       %s\n", contact_name);
  std::printf("%30s%s\n", "", contact_docs);
  std::printf("%30s%s\n\n", "", contact_help);
}

void print_banner() {
  std::fputs("\nvantrel\n", stdout);
  std::printf("\n\n\t\t%s\n", contact_name);
  std::printf("\t\t%28s%s\n", "", contact_docs);
  std::printf("\t\t%28s%s\n\n\n", "", contact_help);
  std::fputs(
      "vantrel takes entity listings from the cosmos listlog output\n"
      "and creates a cosmos .geo file to select those entities.\n\n\n",
      stdout);
}

}  // namespace

int run_front_end(int argc, const char* const* argv) {
  if (argc <= 1) {
    print_usage();
    return 0;
  }
  print_banner();

  run_context context;
  switch (parse_command_line(argc, argv, context.args)) {
    case command_line::error::two_options:
      std::fputs("Only one Option Allowed\n", stdout);
      return 1;
    case command_line::error::bad_command_line:
      std::fputs("Bad Command Line.\n", stdout);
      return 1;
    case command_line::error::none:
      break;
  }
  context.command_output.file_name.assign(context.args.dest_name.c_str());

  const std::string& source = context.args.source_arg;
  if (!context.search.begin(source.c_str())) {
    std::printf("\n\nThe source file, %s, cannot be found.\n\n", source.c_str());
  } else {
    context.match_prefix.assign(source, 0, directory_part_length(source.c_str()));
    if (context.args.run_mode == MODE_BATCH_LIST) {
      run_batch_list(context);
    } else {
      run_conversion(context);
    }
  }

  context.search.end();
  context.listing_input.close();
  context.command_output.close();
  context.lookup_input.close();
  std::fflush(stdout);
  return 0;
}

}  // namespace vantrel
