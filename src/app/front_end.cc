#include "app/front_end.h"

#include <cstdio>

#include "app/command_line.h"
#include "app/messages.h"
#include "app/run_context.h"
#include "app/runs.h"
#include "output/run_mode.h"

namespace vantrel {

namespace {

// The exit code after answering --help or --version: as in GNU tools, 1
// when the answer could not be written (a full disk, a closed pipe).
int answered() {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
  print_answer_not_written();
  return 1;
}

}  // namespace

int run_front_end(int argc, const char* const* argv) {
  switch (find_query(argc, argv)) {
    case command_line::query::help:
      print_usage();
      return answered();
    case command_line::query::version:
      print_version();
      return answered();
    case command_line::query::none:
      break;
  }
  if (argc <= 1) {
    print_usage();
    return 0;
  }
  print_banner();

  run_context context;
  switch (parse_command_line(argc, argv, context.args)) {
    case command_line::error::two_options:
      print_two_options();
      return 1;
    case command_line::error::bad_command_line:
      print_bad_command_line();
      return 1;
    case command_line::error::none:
      break;
  }
  const char* source = context.args.source_arg;
  if (!context.has_buffers()) {
    print_no_buffers();
  } else if (!context.search.begin(source)) {
    if (context.search.failed()) {
      print_search_failed(source);
    } else {
      print_not_found(source);
    }
  } else {
    context.command_output.file_name.assign(context.args.dest_name);
    if (context.args.run_mode == MODE_BATCH_LIST) {
      run_batch_list(context);
    } else {
      run_conversion(context);
    }
  }

  context.search.end();
  context.listing_input.close();
  context.command_output.close();
  std::fflush(stdout);
  return 0;
}

}  // namespace vantrel
