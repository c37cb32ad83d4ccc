#include <cstring>

#include "app/inp_set_name.h"
#include "app/messages.h"
#include "app/region_table.h"
#include "app/run_context.h"
#include "app/runs.h"
#include "output/convert_listing.h"
#include "output/inp_text.h"
#include "output/run_mode.h"
#include "platform/file_system.h"

namespace vantrel {

namespace {

enum class step { next, stop };

// Converts the current match. Returns whether the batch goes on.
step convert_match(run_context& context, conversion_settings settings) {
  input_file& listing = context.listing_input;
  output_file& destination = context.command_output;
  if (!context.search.name_usable()) {
    print_unusable_name(context.search.name());
    return step::next;
  }
  // A name that memory ran out for could name some other file: the run
  // stops before anything is opened under it.
  if (!context.take_match()) {
    print_no_buffers();
    return step::stop;
  }
  const char* source = context.match_name.c_str();
  settings.file_stem = context.file_stem.c_str();
  const char* destination_name = context.args.dest_name;
  if (!context.args.dest_given) {
    context.destination_name.assign(context.match_folder.c_str())
        .append(context.file_stem.c_str())
        .append_char('.')
        .append(context.args.default_ext.c_str());
    if (!context.destination_name.complete()) {
      print_no_buffers();
      return step::stop;
    }
    destination_name = context.destination_name.c_str();
  }

  // The set name goes into the file's header lines, where a line break
  // would start lines of its own.
  if (settings.run_mode == MODE_ZSET && std::strpbrk(context.search.name(), "\r\n") != nullptr) {
    print_unsafe_name(source, destination_name);
    return step::next;
  }
  // Appending a file to itself would read what is being written.
  if (same_file(source, destination_name)) {
    print_own_destination(source);
    return step::next;
  }
  if (!listing.open(source)) {
    print_will_not_open(source);
    return step::stop;
  }
  if (listing.is_utf16()) {
    listing.close();
    print_utf16_skipped(source);
    return step::next;
  }
  if (!destination.open_at_end(destination_name)) {
    print_will_not_open(destination_name);
    return step::stop;
  }
  print_progress(source, destination_name);
  char set_name[max_set_name + 1];
  if (settings.run_mode == MODE_INP_SETS) {
    take_inp_set_name(context, source, destination_name, set_name);
    settings.set_name = set_name;
  }
  settings.listing_name = source;

  const conversion_report report = convert_listing(listing.reader(), destination, settings);
  print_left_out(source, destination_name, report);
  // The read error shows only while the listing is still open.
  const bool read_completely = !listing.bad();
  listing.close();
  const bool written_completely = destination.close();
  if (!written_completely) print_not_written(destination_name);
  if (!read_completely) print_not_read(source);
  return read_completely && written_completely ? step::next : step::stop;
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
  if (context.search.failed()) print_search_failed(context.args.source_arg);
}

}  // namespace vantrel
