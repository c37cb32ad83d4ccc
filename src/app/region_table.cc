#include "app/region_table.h"

#include "app/messages.h"
#include "app/run_context.h"
#include "listing/input_stream.h"
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

// The ids of a line already cut into fields: false with fewer than two, or
// when either lies outside the signed 32-bit range, where clamping it would
// make it another id.
bool ids_of_fields(const listing_reader& reader, std::int32_t& region, std::int32_t& surface) {
  return reader.field_count() >= 2 && str_ref(reader.field(0)).to_id(region) &&
         str_ref(reader.field(1)).to_id(surface);
}

// The usual record: two runs of one to seven digits at p with blanks or
// tabs between them, the whole pair shorter than longest_pair bytes.
// Returns the end of the second run and stores the two values, or returns
// null for any other text. Every byte it looks at lies within pair_reach
// bytes of p, which must be readable. Inline: the loader's loop calls it
// for every record.
constexpr std::ptrdiff_t longest_pair = 22;
constexpr std::size_t pair_reach = 32;
inline const char* read_plain_pair(const char* p, std::int32_t& first, std::int32_t& second) {
  const char* const start = p;
  const digit_run one = read_digit_run(p);
  if (!one.has_value()) return nullptr;
  p += one.length;
  if (*p != ' ' && *p != '\t') return nullptr;
  do {
    if (++p - start >= longest_pair) return nullptr;
  } while (*p == ' ' || *p == '\t');
  const digit_run two = read_digit_run(p);
  if (!two.has_value()) return nullptr;
  first = one.value;
  second = two.value;
  return p + two.length;
}

// The ids of the current line, from its read position. The usual record is
// read in one pass, giving what the fields and to_id give; any other line
// is cut into fields. False when the line has fewer than two fields.
bool ids_of_line(listing_reader& reader, std::int32_t& region, std::int32_t& surface) {
  std::int32_t first = 0;
  std::int32_t second = 0;
  const char* end = read_plain_pair(reader.read_pos(), first, second);
  if (end != nullptr && ends_word(*end)) {
    region = first;
    surface = second;
    return true;
  }
  reader.split_fields(0);
  return ids_of_fields(reader, region, surface);
}

// Stores a record of a surface (none for surface 0), growing the table when
// it is full. False when it cannot grow.
bool store_record(pair_array& table, std::int32_t& count, std::int32_t region,
                  std::int32_t surface) {
  if (surface == 0) return true;
  if (count == table.size()) {
    const std::int32_t grown = count < 8 ? 16 : count + count / 2;
    if (!table.resize(grown)) return false;
  }
  table.at(count).region_id = region;
  table.at(count).surface_id = surface;
  ++count;
  return true;
}

}  // namespace

// The usual record taken straight from the stream's unread bytes, when its
// line lies whole among them, ending in LF or CR LF. Gives the ids that
// ids_of_line gives for the line after read_line_numeric; false, taking
// nothing, for any other line. A friend of the stream: the loader's loop
// is the one reader that looks at bytes no line has taken yet.
bool take_plain_record(input_stream& stream, std::int32_t& region, std::int32_t& surface) {
  // The pair and its line end, and every byte read_plain_pair looks at, are
  // among the unread bytes.
  if (!stream.good() || stream.end_ - stream.next_ < static_cast<std::ptrdiff_t>(pair_reach)) {
    return false;
  }
  const char* const start = stream.next_;
  std::int32_t first = 0;
  std::int32_t second = 0;
  const char* p = read_plain_pair(start, first, second);
  if (p == nullptr) return false;
  if (*p == '\r') ++p;
  if (*p != '\n') return false;
  stream.next_ += p + 1 - start;
  region = first;
  surface = second;
  return true;
}

std::int32_t read_region_records(listing_reader& reader, pair_array& table) {
  reader.read_line();
  const int fields = reader.split_fields(0);
  // Whether the input can hold a further line after the current one.
  bool more = true;
  // Whether the current line is cut into fields already.
  bool cut = true;
  std::int32_t capacity = default_capacity;
  if (fields >= 1 && str_ref(reader.field(0)).equals("NUM")) {
    if (fields >= 2) capacity = str_ref(reader.field(1)).to_int();
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
    if (record && !store_record(table, count, region, surface)) return -1;
    if (!more) break;
    // Most records are taken without the reader's work on each line.
    while (take_plain_record(reader.stream(), region, surface)) {
      if (!store_record(table, count, region, surface)) return -1;
    }
    more = reader.read_line_numeric() != -1;
    cut = false;
  }
  return count;
}

bool load_region_table(run_context& context) {
  input_file& lookup = context.listing_input;
  const char* name = context.args.lookup_name;
  if (!lookup.open(name)) {
    print_will_not_open(name);
    return false;
  }
  if (lookup.is_utf16()) {
    lookup.close();
    print_utf16(name);
    return false;
  }
  // The records are needed only until the index is built from them.
  pair_array records;
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
