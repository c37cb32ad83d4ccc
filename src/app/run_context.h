#ifndef VANTREL_APP_RUN_CONTEXT_H
#define VANTREL_APP_RUN_CONTEXT_H

#include "app/command_line.h"
#include "app/set_name_register.h"
#include "listing/input_file.h"
#include "platform/directory_search.h"
#include "platform/output_file.h"
#include "support/dyn_buffer.h"
#include "support/region_index.h"
#include "support/system_seam.h"

namespace vantrel {

// The objects one run of the program works with, constructed in this order
// before the command line is acted on and destroyed in reverse order; a file
// still open is closed by its destructor.
struct run_context {
 private:
  // The storage requests refused before the members below asked for theirs:
  // declared first, so that it is counted before any of them is built.
  const std::size_t refused_before_ = refused_requests();

 public:
  output_file command_output;
  // The listings, and before them the lookup file of -r, which is read
  // whole and closed before the first listing opens: both use the same
  // buffers.
  input_file listing_input;
  // The destination's name when the command line gives none: made from
  // the current match's.
  dyn_buffer destination_name{256};
  // The current match's bare name without its last extension.
  dyn_buffer file_stem{256};
  // The Source's directory part, and the current match named with it, so
  // that the match is opened, and its output written, where the search
  // found it.
  dyn_buffer match_folder{256};
  dyn_buffer match_name{256};

  command_line args;
  // The surface-to-region answers of the lookup file, under -r.
  region_index regions;

  directory_search search;

  // The set names that -a has written in this run, by destination.
  set_name_register set_names;

  // False when any member could not have the storage it asked for when it
  // was built: the run must not begin. A member added later is covered
  // without being named here.
  bool has_buffers() const { return refused_requests() == refused_before_; }
  // Sets match_folder, match_name and file_stem for the current match.
  // Returns false when memory ran out while they were made: they must then
  // not be used, since a name without its storage is no name at all.
  bool take_match();
};

}  // namespace vantrel

#endif  // VANTREL_APP_RUN_CONTEXT_H
