#ifndef VANTREL_OUTPUT_CONVERT_LISTING_H
#define VANTREL_OUTPUT_CONVERT_LISTING_H

#include <cstdint>

namespace vantrel {

class listing_reader;
class output_stream;
class region_index;

// What one conversion reads from the run; the engine changes none of it.
struct conversion_settings {
  int run_mode = 0;
  // The listing's name without its last extension: the set name of -z.
  const char* file_stem = "";
  // Surface-to-region answers of -r; null or empty when there are none.
  const region_index* regions = nullptr;
};

// Turns one listing into the records of settings.run_mode, written to
// `out`, and ends the output with one line break (then flushes). Reads the
// listing to its end, or to a read error, which shows in the reader's
// stream; a failed write shows in out.failed().
void convert_listing(listing_reader& reader, output_stream& out,
                     const conversion_settings& settings);

}  // namespace vantrel

#endif  // VANTREL_OUTPUT_CONVERT_LISTING_H
