#include "app/front_end.h"

#include "app/command_line.h"
#include "app/messages.h"
#include "app/run_context.h"
#include "app/runs.h"
#include "output/run_mode.h"

namespace vantrel {

namespace {

// The run itself; returns its exit code before the messages are ended.
int run_command_line(int argc, const char* const* argv) {
  // --help, -h and --version alone are answered instead of a run; a
  // failure to write the answer shows in the exit code like any message.
  switch (find_query(argc, argv)) {
    case command_line::query::help:
      print_usage();
      return 0;
    case command_line::query::version:
      print_version();
      return 0;
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
  } else if (context.args.run_mode == MODE_BATCH_LIST) {
    run_batch_list(context);
  } else {
    run_conversion(context);
  }

  context.search.end();
  context.listing_input.close();
  context.command_output.close();
  return 0;
}

}  // namespace

int run_front_end(int argc, const char* const* argv) {
  const int status = run_command_line(argc, argv);
  // The files are complete whatever became of the messages, but a caller
  // that could not be told what happened must not take the run for a
  // success.
  if (const int failure = end_messages()) {
    print_output_failure(failure);
    return messages_lost_status;
  }
  return status;
}

}  // namespace vantrel
