#include "app/region_table.h"

#include "app/messages.h"
#include "app/run_context.h"
#include "listing/listing_reader.h"
#include "support/pair_array.h"
#include "support/str_ref.h"

namespace vantrel {
namespace {

constexpr std::int32_t default_capacity = 10000;
// The announced count only sizes the first block: a larger claim is not
// trusted with storage before records arrive to fill it.
constexpr std::int32_t max_first_block = 1 << 20;

std::int32_t field_value(const listing_reader& reader, int i) {
  return str_ref(reader.field(i)).to_int();
}

}  // namespace

std::int32_t read_region_records(listing_reader& reader, pair_array& table) {
  reader.read_line();
  int fields = reader.split_fields(0);
  // Whether the input can hold a further line after the current one.
  bool more = true;
  std::int32_t capacity = default_capacity;
  if (fields >= 1 && str_ref(reader.field(0)).equals("NUM")) {
    if (fields >= 2) capacity = field_value(reader, 1);
    more = reader.read_line_numeric() != -1;
    fields = reader.split_fields(0);
  }
  if (capacity < 0) capacity = 0;
  if (capacity > max_first_block) capacity = max_first_block;
  if (!table.resize(capacity)) return -1;

  std::int32_t count = 0;
  for (;;) {
    // A last line without a line feed is still a record: the read that
    // delivers it already reports the end of the input.
    if (fields >= 2) {
      const std::int32_t surface = field_value(reader, 1);
      if (surface != 0) {
        if (count == table.size()) {
          const std::int32_t grown = count < 8 ? 16 : count + count / 2;
          if (!table.resize(grown)) return -1;
        }
        table.at(count).region_id = field_value(reader, 0);
        table.at(count).surface_id = surface;
        ++count;
      }
    }
    if (!more) break;
    more = reader.read_line_numeric() != -1;
    fields = reader.split_fields(0);
  }
  return count;
}

bool load_region_table(run_context& context) {
  input_file& lookup = context.lookup_input;
  lookup.file_name.assign(context.args.lookup_name);
  const char* name = lookup.file_name.c_str();
  if (!lookup.open()) {
    print_will_not_open(name);
    return false;
  }
  // The records are needed only until the index is built from them.
  pair_array records(16);
  const std::int32_t count = read_region_records(lookup.reader(), records);
  if (count < 0 || !context.regions.build(records, count)) {
    print_too_many_records(name);
    return false;
  }
  // A table cut short by a read error would select the wrong regions.
  if (lookup.bad()) {
    print_not_read(name);
    return false;
  }
  return true;
}

}  // namespace vantrel
