#ifndef VANTREL_APP_REGION_TABLE_H
#define VANTREL_APP_REGION_TABLE_H

#include <cstdint>

namespace vantrel {

struct run_context;
class listing_reader;
class pair_array;

// Reads a surface-to-region lookup file from `reader` into `table`: an
// optional first line "NUM count" announcing the number of records, then
// lines of a region id and a surface id. Lines whose surface id reads as 0
// are skipped; every other line is stored, in file order, the table growing
// past the announced count when needed. Returns the number of records
// stored, or -1 when the table could not get storage.
std::int32_t read_region_records(listing_reader& reader, pair_array& table);

// Opens the file named by the -r option and loads it into the context's
// index. Prints a message and returns false when it does not open
// or cannot be loaded.
bool load_region_table(run_context& context);

}  // namespace vantrel

#endif  // VANTREL_APP_REGION_TABLE_H
