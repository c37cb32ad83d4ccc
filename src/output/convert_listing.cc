#include "output/convert_listing.h"

#include <cstring>

#include "listing/line_pattern.h"
#include "listing/listing_reader.h"
#include "listing/pattern_index.h"
#include "output/run_mode.h"
#include "support/output_stream.h"
#include "support/region_index.h"
#include "support/str_ref.h"

namespace vantrel {
namespace {

// Pattern index 0 recognises data lines; 1 to 10 are the list headers, in
// this order, each with the cosmos entity code it selects.
constexpr int header_count = 10;
const char* const header_words[header_count] = {"Keypoint", "Curve",  "Surface",     "Vol",
                                                "Contour",  "Region", "Polyhederon", "Part",
                                                "Node",     "Elem"};
const char* const entity_tags[header_count] = {"PT", "CR", "SF", "VL", "CT",
                                               "RG", "PH", "PA", "ND", "EL"};
constexpr int surface_header = 3;
constexpr int node_header = 9;
constexpr int element_header = 10;

const char* const component_labels[6] = {",UX,", ",UY,", ",UZ,", ",RX,", ",RY,", ",RZ,"};

// Copies n bytes to `out` and returns the end of the copy.
inline char* append(char* out, const char* data, std::size_t n) {
  std::memcpy(out, data, n);
  return out + n;
}

// True when the line's first word, as the classifier scans it (lone "."
// words passed over), starts like a number. The data pattern's first token
// also matches the word "#*" literally, and then captures nothing: capture 0
// would be null or a word of an earlier line.
bool first_word_is_number(const char* line) {
  for (;;) {
    while (is_word_delimiter(*line)) ++line;
    if (line[0] != '.' || !(line[1] == '\0' || is_word_delimiter(line[1]))) break;
    ++line;
  }
  return starts_with_number(line);
}

class converter {
 public:
  converter(listing_reader& reader, output_stream& out, const conversion_settings& settings)
      : reader_(reader), out_(out), settings_(settings) {}

  void run();

 private:
  void on_header(int index);
  // The data line's id is its first word, `id_size` bytes.
  void on_data_line(const char* id, std::size_t id_size);
  void write_selection(const char* id, std::size_t id_size);
  void write_set_id(const char* id, std::size_t id_size);
  void write_beam(const char* id, std::size_t id_size);
  void write_displacements(const char* id, std::size_t id_size);

  listing_reader& reader_;
  output_stream& out_;
  const conversion_settings& settings_;
  str_ref entity_tag_;
  // The pattern index of the header that set entity_tag_, 0 before any:
  // the tests on the tag compare this number instead of the text.
  int header_ = 0;
  // "SELPIC," + entity_tag_ + ",", the head of every selection record.
  char selection_prefix_[11] = "SELPIC,,";
  std::int32_t data_line_count_ = 0;
  std::int32_t ids_on_line_ = 0;
  // "," + the first id + ";\r\n": the end of every beam record. An id is a
  // capture, at most capture_size - 1 bytes.
  char beam_suffix_[line_pattern::capture_size + 4] = {};
  std::size_t beam_suffix_size_ = 0;
};

void converter::run() {
  line_pattern patterns[header_count + 1];
  line_pattern* set[header_count + 2];
  patterns[0].compile_pattern(settings_.run_mode == MODE_DISP ? "\t#*" : "\t#*,\t#*");
  set[0] = &patterns[0];
  for (int k = 0; k < header_count; ++k) {
    patterns[k + 1].compile_pattern(header_words[k]);
    set[k + 1] = &patterns[k + 1];
  }
  set[header_count + 1] = nullptr;
  const pattern_index index(set);

  for (;;) {
    const int matched = reader_.classify_line(index, false);
    if (matched < 0) break;
    if (matched == 0) {
      if (first_word_is_number(reader_.line())) {
        on_data_line(patterns[0].capture(0),
                     static_cast<std::size_t>(patterns[0].capture_length(0)));
      }
    } else {
      on_header(matched);
    }
  }
  out_.end_line();
}

void converter::on_header(int index) {
  entity_tag_.set(entity_tags[index - 1]);
  header_ = index;
  std::memcpy(selection_prefix_ + 7, entity_tag_.c_str(), 2);
  selection_prefix_[9] = ',';
  if (settings_.run_mode != MODE_ZSET) return;
  if (index != node_header && index != element_header) return;
  // A set header always starts its own line, also after an open line of ids.
  if (ids_on_line_ > 0) out_.put('\n');
  out_.write(index == node_header ? "**nset " : "**elset ").write(settings_.file_stem).put('\n');
  ids_on_line_ = 0;
}

void converter::on_data_line(const char* id, std::size_t id_size) {
  ++data_line_count_;
  const int mode = settings_.run_mode;
  if (mode & (MODE_SELECT | MODE_REGION_LOOKUP)) {
    write_selection(id, id_size);
  } else if (mode & MODE_ZSET) {
    write_set_id(id, id_size);
  } else if (mode & MODE_BEAM) {
    write_beam(id, id_size);
  } else if (mode & MODE_DISP) {
    write_displacements(id, id_size);
  }
}

void converter::write_selection(const char* id, std::size_t id_size) {
  if ((settings_.run_mode & MODE_REGION_LOOKUP) && header_ == surface_header) {
    std::int32_t found = 0;
    std::int32_t surface = str_ref(id).to_int();
    if (settings_.regions != nullptr && settings_.regions->find(surface, found)) {
      out_.write_stored("SELPIC,RG,", 10).write_int(found).write_stored(",\r\n", 3);
    }
    // A region 0 answer still selects the surface itself.
    if (found != 0) return;
  }
  if (header_ == 0) return;
  // The records are put together in the stream's buffer in their stored
  // form: their pieces are constants and listing words (an id of at most
  // 199 bytes, a value of at most 1019), which never hold a line feed.
  char* p = out_.reserve(10 + id_size + 3);
  p = append(p, selection_prefix_, 10);
  p = append(p, id, id_size);
  out_.commit(append(p, ";\r\n", 3));
}

void converter::write_set_id(const char* id, std::size_t id_size) {
  if (header_ != node_header && header_ != element_header) return;
  char* p = out_.reserve(2 + 1 + id_size);
  // Eleven ids to a line: the break comes just before the twelfth.
  if (ids_on_line_ > 10) {
    p = append(p, "\r\n", 2);
    ids_on_line_ = 0;
  }
  ++ids_on_line_;
  *p++ = ' ';
  out_.commit(append(p, id, id_size));
}

void converter::write_beam(const char* id, std::size_t id_size) {
  if (data_line_count_ == 1) {
    char* end = append(beam_suffix_, ",", 1);
    end = append(end, id, id_size);
    beam_suffix_size_ = static_cast<std::size_t>(append(end, ";\r\n", 3) - beam_suffix_);
    return;
  }
  char* p = out_.reserve(11 + id_size + beam_suffix_size_);
  p = append(p, "el,,cr,0,2,", 11);
  p = append(p, id, id_size);
  out_.commit(append(p, beam_suffix_, beam_suffix_size_));
}

void converter::write_displacements(const char* id, std::size_t id_size) {
  // Only the values present are written; none is invented for a short line.
  int count = reader_.split_fields(0);
  if (count > 6) count = 6;
  for (int i = 0; i < count; ++i) {
    const char* value = reader_.field(i);
    const auto value_size = static_cast<std::size_t>(reader_.field_length(i));
    char* p = out_.reserve(4 + id_size + 4 + value_size + 3);
    p = append(p, "dnd,", 4);
    p = append(p, id, id_size);
    p = append(p, component_labels[i], 4);
    p = append(p, value, value_size);
    out_.commit(append(p, ";\r\n", 3));
  }
}

}  // namespace

int convert_listing(listing_reader& reader, output_stream& out,
                    const conversion_settings& settings) {
  // Records are put together in the stream's buffer, which a stream that
  // could not get one lacks; such a stream is failed and takes nothing.
  if (!out.has_buffer()) return 0;
  converter(reader, out, settings).run();
  return 0;
}

}  // namespace vantrel
