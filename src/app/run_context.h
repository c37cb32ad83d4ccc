#ifndef VANTREL_APP_RUN_CONTEXT_H
#define VANTREL_APP_RUN_CONTEXT_H

#include <cstdint>
#include <string>

#include "app/command_line.h"
#include "listing/input_file.h"
#include "platform/directory_search.h"
#include "platform/output_file.h"
#include "support/dyn_buffer.h"
#include "support/pair_array.h"
#include "support/region_index.h"

namespace vantrel {

// The objects one run of the program works with, constructed in this order
// before the command line is acted on and destroyed in reverse order; a file
// still open is closed by its destructor.
struct run_context {
  pair_array region_lookup{16};
  output_file command_output;
  input_file listing_input;
  input_file lookup_input;
  // The current match's bare name without its last extension.
  dyn_buffer file_stem;

  command_line args;
  std::int32_t region_count = 0;
  region_index regions;

  directory_search search;
  // The Source's directory part, put before every match's bare name so that
  // a match is opened where the search found it.
  std::string match_prefix;

  // The current match named by the directory part and its bare name.
  std::string match_name() const { return match_prefix + search.name(); }
  // Sets file_stem to the current match's bare name without its last
  // extension.
  void take_stem();
};

}  // namespace vantrel

#endif  // VANTREL_APP_RUN_CONTEXT_H
