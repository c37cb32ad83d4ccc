#ifndef VANTREL_OUTPUT_CONVERT_LISTING_H
#define VANTREL_OUTPUT_CONVERT_LISTING_H

#include <cstddef>
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
  // The set name of -a, one that the solvers accept (see inp_text.h).
  const char* set_name = "";
  // The listing's name, for the comment line that starts each listing's
  // part under -a and -u.
  const char* listing_name = "";
};

// What a conversion under -a or -u kept out of the file, for the run to
// tell the user; empty under every other mode.
struct conversion_report {
  // The longest piece of a listing's text that a report quotes.
  static constexpr std::size_t sample_size = 40;
  // One kind of text left out: how often, and the first, cut to
  // sample_size bytes (first_cut then says that it was longer).
  struct left_out {
    std::int64_t count = 0;
    char first[sample_size + 1] = {};
    bool first_cut = false;
  };
  // Data lines whose id is no plain id (inp_text.h); nothing of them is
  // written.
  left_out ids;
  // Values of -u that are no number the solvers read; the line's other
  // values are written.
  left_out values;
  // The node whose value is values.first.
  char first_value_node[sample_size + 1] = {};
};

// Turns one listing into the records of settings.run_mode, written to
// `out`, and ends the output with one line break (then flushes). Reads the
// listing to its end, or to a read error, which shows in the reader's
// stream; a failed write shows in out.failed(). Under -a and -u the output
// holds no empty line and no line break of its own at the end; every line
// it writes is complete. Returns what was left out of the output.
conversion_report convert_listing(listing_reader& reader, output_stream& out,
                                  const conversion_settings& settings);

}  // namespace vantrel

#endif  // VANTREL_OUTPUT_CONVERT_LISTING_H
