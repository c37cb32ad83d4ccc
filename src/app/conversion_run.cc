#include "app/conversion_run.h"

#include <cstdio>
#include <string>

#include "app/messages.h"
#include "app/region_table.h"
#include "app/run_context.h"
#include "output/convert_listing.h"
#include "output/run_mode.h"
#include "platform/file_system.h"

namespace vantrel {

namespace {

enum class step { next, stop };

// Converts the current match. Returns whether the batch goes on.
step convert_match(run_context& context, conversion_settings settings) {
  input_file& listing = context.listing_input;
  output_file& destination = context.command_output;
  const std::string source = context.match_name();
  listing.file_name.assign(source.c_str());
  context.take_stem();
  settings.file_stem = context.file_stem.c_str();
  if (!context.args.dest_given) {
    destination.file_name.assign(context.match_prefix.c_str())
        .append(context.file_stem)
        .append_char('.')
        .append(context.args.default_ext);
  }
  const char* destination_name = destination.file_name.c_str();

  // Appending a file to itself would read what is being written.
  if (same_file(source.c_str(), destination_name)) {
    std::printf("%s is its own destination and was not converted.\n", source.c_str());
    return step::next;
  }
  if (!listing.open()) {
    print_will_not_open(source.c_str());
    return step::stop;
  }
  if (!destination.open_at_end()) {
    print_will_not_open(destination_name);
    return step::stop;
  }
  print_progress(source.c_str(), destination_name);

  convert_listing(listing.reader(), destination, settings);
  listing.close();
  if (!destination.close()) {
    print_not_written(destination_name);
    return step::stop;
  }
  return step::next;
}

}  // namespace

void run_conversion(run_context& context) {
  if (context.args.run_mode == MODE_REGION_LOOKUP && !load_region_table(context)) return;

  conversion_settings settings;
  settings.run_mode = context.args.run_mode;
  settings.regions = &context.regions;
  do {
    if (convert_match(context, settings) == step::stop) return;
  } while (context.search.next());
}

}  // namespace vantrel
