#include "app/run_context.h"

namespace vantrel {

bool run_context::has_buffers() const {
  return command_output.has_buffer() && listing_input.has_buffer() &&
         command_output.file_name.c_str() != nullptr &&
         listing_input.file_name.c_str() != nullptr && file_stem.c_str() != nullptr &&
         match_folder.c_str() != nullptr && match_name.c_str() != nullptr &&
         args.default_ext.c_str() != nullptr;
}

void run_context::take_match() {
  // The directory part is cut from the Source as typed. (Should the buffer
  // hold its out-of-storage notice instead, that is kept whole.)
  const std::size_t folder = directory_part_length(args.source_arg);
  match_folder.assign(args.source_arg);
  if (match_folder.length() >= folder) match_folder.truncate_at(match_folder.c_str() + folder);
  match_name.assign(match_folder.c_str()).append(search.name());
  file_stem.assign(search.name());
  if (const char* dot = file_stem.text().find_last('.')) file_stem.truncate_at(dot);
}

}  // namespace vantrel
