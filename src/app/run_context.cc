#include "app/run_context.h"

namespace vantrel {

bool run_context::has_buffers() const {
  return command_output.has_buffer() && listing_input.has_buffer() &&
         destination_name.c_str() != nullptr && file_stem.c_str() != nullptr &&
         match_folder.c_str() != nullptr && match_name.c_str() != nullptr &&
         args.default_ext.c_str() != nullptr;
}

bool run_context::take_match() {
  const std::size_t folder = directory_part_length(args.source_arg);
  match_folder.assign(args.source_arg);
  if (!match_folder.complete()) return false;
  match_folder.truncate_at(match_folder.c_str() + folder);
  match_name.assign(match_folder.c_str()).append(search.name());
  file_stem.assign(search.name());
  if (const char* dot = file_stem.text().find_last('.')) file_stem.truncate_at(dot);
  return match_name.complete() && file_stem.complete();
}

}  // namespace vantrel
