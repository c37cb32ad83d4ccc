#include "app/region_table.h"

#include "app/messages.h"
#include "app/run_context.h"
#include "listing/listing_reader.h"
#include "listing/word_scan.h"
#include "support/decimal.h"
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

// The ids of a line already cut into fields: false with fewer than two.
bool ids_of_fields(const listing_reader& reader, std::int32_t& region, std::int32_t& surface) {
  if (reader.field_count() < 2) return false;
  region = field_value(reader, 0);
  surface = field_value(reader, 1);
  return true;
}

// Reads a run of one to seven digits at p, which no further digit follows,
// into `value` and moves p past it; false, changing nothing, otherwise. The
// line's padding makes the 8 bytes at p readable.
bool read_digits(const char*& p, std::int32_t& value) {
  const digit_run run = read_digit_run(p);
  if (!run.has_value()) return false;
  value = run.value;
  p += run.length;
  return true;
}

// The ids of the current line, from its read position. The usual record,
// two runs of up to seven digits with blanks or tabs between them, is read
// in one pass, giving what the fields and to_int give; any other line is
// cut into fields. False when the line has fewer than two fields.
bool ids_of_line(listing_reader& reader, std::int32_t& region, std::int32_t& surface) {
  const char* p = reader.read_pos();
  std::int32_t first = 0;
  std::int32_t second = 0;
  if (read_digits(p, first) && (*p == ' ' || *p == '\t')) {
    while (*p == ' ' || *p == '\t') ++p;
    if (read_digits(p, second) && ends_word(*p)) {
      region = first;
      surface = second;
      return true;
    }
  }
  reader.split_fields(0);
  return ids_of_fields(reader, region, surface);
}

}  // namespace

std::int32_t read_region_records(listing_reader& reader, pair_array& table) {
  reader.read_line();
  const int fields = reader.split_fields(0);
  // Whether the input can hold a further line after the current one.
  bool more = true;
  // Whether the current line is cut into fields already.
  bool cut = true;
  std::int32_t capacity = default_capacity;
  if (fields >= 1 && str_ref(reader.field(0)).equals("NUM")) {
    if (fields >= 2) capacity = field_value(reader, 1);
    more = reader.read_line_numeric() != -1;
    cut = false;
  }
  if (capacity < 0) capacity = 0;
  if (capacity > max_first_block) capacity = max_first_block;
  if (!table.resize(capacity)) return -1;

  std::int32_t count = 0;
  for (;;) {
    // A last line without a line feed is still a record: the read that
    // delivers it already reports the end of the input.
    std::int32_t region = 0;
    std::int32_t surface = 0;
    const bool record =
        cut ? ids_of_fields(reader, region, surface) : ids_of_line(reader, region, surface);
    if (record && surface != 0) {
      if (count == table.size()) {
        const std::int32_t grown = count < 8 ? 16 : count + count / 2;
        if (!table.resize(grown)) return -1;
      }
      table.at(count).region_id = region;
      table.at(count).surface_id = surface;
      ++count;
    }
    if (!more) break;
    more = reader.read_line_numeric() != -1;
    cut = false;
  }
  return count;
}

bool load_region_table(run_context& context) {
  input_file& lookup = context.listing_input;
  lookup.file_name.assign(context.args.lookup_name);
  const char* name = lookup.file_name.c_str();
  if (!lookup.open()) {
    print_will_not_open(name);
    return false;
  }
  // The records are needed only until the index is built from them.
  pair_array records(16);
  const std::int32_t count = read_region_records(lookup.reader(), records);
  // The read error shows only while the file is still open.
  const bool read_completely = !lookup.bad();
  lookup.close();
  if (count < 0 || !context.regions.build(records, count)) {
    print_too_many_records(name);
    return false;
  }
  // A table cut short by a read error would select the wrong regions.
  if (!read_completely) {
    print_not_read(name);
    return false;
  }
  return true;
}

}  // namespace vantrel
