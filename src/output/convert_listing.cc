#include "output/convert_listing.h"

#include <cstring>

#include "listing/line_pattern.h"
#include "listing/listing_reader.h"
#include "listing/pattern_index.h"
#include "listing/word_scan.h"
#include "output/inp_text.h"
#include "output/run_mode.h"
#include "support/decimal.h"
#include "support/output_stream.h"
#include "support/region_index.h"
#include "support/str_ref.h"

namespace vantrel {
namespace {

// The list headers, in the order of their patterns (1 to 10; pattern 0
// recognises data lines), each with the cosmos entity code it selects.
struct list_header {
  const char* word;
  const char* tag;  // two letters
};
constexpr int header_count = 10;
constexpr list_header headers[header_count] = {
    {"Keypoint", "PT"}, {"Curve", "CR"},       {"Surface", "SF"}, {"Vol", "VL"},  {"Contour", "CT"},
    {"Region", "RG"},   {"Polyhederon", "PH"}, {"Part", "PA"},    {"Node", "ND"}, {"Elem", "EL"}};
constexpr int surface_header = 3;
constexpr int node_header = 9;
constexpr int element_header = 10;

const char* const component_labels[6] = {",UX,", ",UY,", ",UZ,", ",RX,", ",RY,", ",RZ,"};

// One record put together straight in the stream's buffer, in its stored
// form. Its pieces are constants and listing words, which never hold a line
// feed; line_end() adds the stored line end.
class record {
 public:
  // The longest record: literal pieces and numbers of less than 32 bytes,
  // an id (a capture) and a value (a word of a line), and the bytes that
  // copy_word may write past the last word.
  static constexpr std::size_t max_size =
      32 + line_pattern::capture_size + listing_reader::buffer_size + scan_padding;
  static_assert(max_size <= output_stream::max_reserve, "a record fits the stream's buffer");

  explicit record(output_stream& out) : out_(out), end_(out.reserve(max_size)) {}
  record(const record&) = delete;
  record& operator=(const record&) = delete;

  record& add(const char* data, std::size_t n) {
    std::memcpy(end_, data, n);
    end_ += n;
    return *this;
  }
  // A word of a line or a capture, followed by scan_padding readable
  // bytes.
  record& add_word(const char* word, std::size_t n) {
    end_ = copy_word(end_, word, n);
    return *this;
  }
  record& add_int(std::int32_t v) {
    end_ = write_decimal(end_, v);
    return *this;
  }
  template <std::size_t n>
  record& add(const char (&literal)[n]) {
    return add(literal, n - 1);
  }
  record& line_end() { return add(output_stream::stored_line_end); }
  // Hands the record to the stream.
  void commit() { out_.commit(end_); }

 private:
  output_stream& out_;
  char* end_;
};

// Reads the surface id of a data line's first word, which is followed by
// the line's padding; false when it lies outside the signed 32-bit range
// and so names no surface. Ids of up to seven digits are read in place.
bool read_surface_id(const char* id, std::int32_t& surface) {
  const digit_run run = read_digit_run(id);
  if (!run.has_value()) return str_ref(id).to_id(surface);
  surface = run.value;
  return true;
}

class converter {
 public:
  converter(listing_reader& reader, output_stream& out, const conversion_settings& settings)
      : reader_(reader), out_(out), settings_(settings) {}

  conversion_report run();

 private:
  void on_header(int index);
  // The data line's id is its first word, `id_size` bytes.
  void on_data_line(const char* id, std::size_t id_size);
  void write_selection(const char* id, std::size_t id_size);
  void write_set_id(const char* id, std::size_t id_size);
  void write_beam(const char* id, std::size_t id_size);
  void write_displacements(const char* id, std::size_t id_size);
  // The .inp modes, -a and -u.
  bool inp_mode() const { return (settings_.run_mode & (MODE_INP_SETS | MODE_INP_BOUNDARY)) != 0; }
  void write_inp_comment();
  void end_inp_id_line();
  void write_inp_set_id(const char* id, std::size_t id_size);
  void write_inp_boundary(const char* id, std::size_t id_size);

  listing_reader& reader_;
  output_stream& out_;
  const conversion_settings& settings_;
  // The pattern index of the last list header, 0 before any.
  int header_ = 0;
  std::int32_t data_line_count_ = 0;
  std::int32_t ids_on_line_ = 0;
  // The listing's first id, which every beam record ends with.
  char first_id_[line_pattern::capture_size + scan_padding] = {};
  std::size_t first_id_size_ = 0;
  // Under -u: whether the listing's *BOUNDARY keyword line is written.
  bool boundary_started_ = false;
  conversion_report report_;
};

// Counts a text left out of the file, keeping the first for the report.
void note_left_out(conversion_report::left_out& kind, const char* text, std::size_t n) {
  if (kind.count++ != 0) return;
  kind.first_cut = n > conversion_report::sample_size;
  if (kind.first_cut) n = conversion_report::sample_size;
  std::memcpy(kind.first, text, n);
  kind.first[n] = '\0';
}

conversion_report converter::run() {
  line_pattern patterns[header_count + 1];
  line_pattern* set[header_count + 2];
  // A displacement listing's data line needs only its node id.
  const bool node_values =
      settings_.run_mode == MODE_DISP || settings_.run_mode == MODE_INP_BOUNDARY;
  patterns[0].compile_pattern(node_values ? "\t#*" : "\t#*,\t#*");
  set[0] = &patterns[0];
  for (int k = 0; k < header_count; ++k) {
    patterns[k + 1].compile_pattern(headers[k].word);
    set[k + 1] = &patterns[k + 1];
  }
  set[header_count + 1] = nullptr;
  const pattern_index index(set);

  const int data_words = node_values ? 1 : 2;
  if (inp_mode()) write_inp_comment();
  while (reader_.read_line()) {
    word_ref id;
    // The common data line is taken by the reader's shortcut; every other
    // line by the patterns.
    if (!reader_.take_leading_numbers(data_words, id)) {
      const int matched = reader_.classify_line(index, true);
      if (matched < 0) break;
      if (matched > 0) {
        on_header(matched);
        continue;
      }
      // A numeric token also matches the word "#*" itself, and then
      // captures nothing: such a line is no data line, whichever of its
      // numbers the word stands for.
      if (patterns[0].capture_count() < data_words) continue;
      id.start = patterns[0].capture(0);
      id.length = patterns[0].capture_length(0);
    }
    on_data_line(id.start, static_cast<std::size_t>(id.length));
  }
  if (inp_mode()) {
    // The solvers' files end with the last complete line, not an empty one.
    end_inp_id_line();
    out_.flush();
  } else {
    out_.end_line();
  }
  return report_;
}

void converter::on_header(int index) {
  header_ = index;
  if (settings_.run_mode == MODE_INP_SETS && (index == node_header || index == element_header)) {
    end_inp_id_line();
    out_.write(index == node_header ? "*NSET, NSET=" : "*ELSET, ELSET=")
        .write(settings_.set_name)
        .put('\n');
    return;
  }
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
  } else if (mode & MODE_INP_SETS) {
    write_inp_set_id(id, id_size);
  } else if (mode & MODE_INP_BOUNDARY) {
    write_inp_boundary(id, id_size);
  }
}

void converter::write_selection(const char* id, std::size_t id_size) {
  if ((settings_.run_mode & MODE_REGION_LOOKUP) && header_ == surface_header) {
    std::int32_t found = 0;
    std::int32_t surface = 0;
    if (settings_.regions != nullptr && read_surface_id(id, surface) &&
        settings_.regions->find(surface, found)) {
      record(out_).add("SELPIC,RG,").add_int(found).add(",").line_end().commit();
    }
    // A region 0 answer still selects the surface itself.
    if (found != 0) return;
  }
  if (header_ == 0) return;
  record(out_)
      .add("SELPIC,")
      .add(headers[header_ - 1].tag, 2)
      .add(",")
      .add_word(id, id_size)
      .add(";")
      .line_end()
      .commit();
}

void converter::write_set_id(const char* id, std::size_t id_size) {
  if (header_ != node_header && header_ != element_header) return;
  record line(out_);
  // Eleven ids to a line: the break comes just before the twelfth.
  if (ids_on_line_ > 10) {
    line.line_end();
    ids_on_line_ = 0;
  }
  ++ids_on_line_;
  line.add(" ").add_word(id, id_size).commit();
}

void converter::write_beam(const char* id, std::size_t id_size) {
  if (data_line_count_ == 1) {
    copy_word(first_id_, id, id_size);
    first_id_size_ = id_size;
    return;
  }
  record(out_)
      .add("el,,cr,0,2,")
      .add_word(id, id_size)
      .add(",")
      .add_word(first_id_, first_id_size_)
      .add(";")
      .line_end()
      .commit();
}

void converter::write_displacements(const char* id, std::size_t id_size) {
  // Only the values present are written; none is invented for a short line.
  int count = reader_.split_fields(0);
  if (count > 6) count = 6;
  for (int i = 0; i < count; ++i) {
    record(out_)
        .add("dnd,")
        .add_word(id, id_size)
        .add(component_labels[i], 4)
        .add_word(reader_.field(i), static_cast<std::size_t>(reader_.field_length(i)))
        .add(";")
        .line_end()
        .commit();
  }
}

void converter::write_inp_comment() {
  // "** " and the name fill at most one line of the longest length.
  char name[max_inp_line - 3 + 1];
  comment_text(settings_.listing_name, name, sizeof name);
  out_.write("** ").write(name).put('\n');
}

void converter::end_inp_id_line() {
  if (ids_on_line_ == 0) return;
  out_.put('\n');
  ids_on_line_ = 0;
}

void converter::write_inp_set_id(const char* id, std::size_t id_size) {
  if (header_ != node_header && header_ != element_header) return;
  if (!is_plain_id(id, id_size)) {
    note_left_out(report_.ids, id, id_size);
    return;
  }
  record line(out_);
  if (ids_on_line_ == max_ids_on_line) {
    line.line_end();
    ids_on_line_ = 0;
  }
  if (ids_on_line_ > 0) line.add(", ");
  ++ids_on_line_;
  line.add_word(id, id_size).commit();
}

void converter::write_inp_boundary(const char* id, std::size_t id_size) {
  if (!is_plain_id(id, id_size)) {
    note_left_out(report_.ids, id, id_size);
    return;
  }
  // Only the values present are written, as under -d.
  int count = reader_.split_fields(0);
  if (count > 6) count = 6;
  for (int i = 0; i < count; ++i) {
    const char* value = reader_.field(i);
    const auto value_size = static_cast<std::size_t>(reader_.field_length(i));
    if (!is_inp_number(value, value_size)) {
      if (report_.values.count == 0) {
        std::memcpy(report_.first_value_node, id, id_size);
        report_.first_value_node[id_size] = '\0';
      }
      note_left_out(report_.values, value, value_size);
      continue;
    }
    if (!boundary_started_) {
      out_.write("*BOUNDARY\n");
      boundary_started_ = true;
    }
    const char dof[] = {static_cast<char>('1' + i), ','};
    record(out_)
        .add_word(id, id_size)
        .add(", ")
        .add(dof, 2)
        .add(" ")
        .add(dof, 2)
        .add(" ")
        .add_word(value, value_size)
        .line_end()
        .commit();
  }
}

}  // namespace

conversion_report convert_listing(listing_reader& reader, output_stream& out,
                                  const conversion_settings& settings) {
  // Records are put together in the stream's buffer, which a stream that
  // could not get one lacks; such a stream is failed and takes nothing.
  if (!out.has_buffer()) return conversion_report{};
  return converter(reader, out, settings).run();
}

}  // namespace vantrel
