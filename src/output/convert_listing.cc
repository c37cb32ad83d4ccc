#include "output/convert_listing.h"

#include <string>

#include "listing/line_pattern.h"
#include "listing/listing_reader.h"
#include "output/run_mode.h"
#include "support/output_stream.h"
#include "support/region_index.h"
#include "support/str_ref.h"

namespace vantrel {
namespace {

// Pattern index 0 recognises data lines; 1 to 10 are the list headers, in
// this order, each with the cosmos entity code it selects.
constexpr int header_count = 10;
const char* const header_words[header_count] = {
    "Keypoint", "Curve", "Surface", "Vol", "Contour", "Region", "Polyhederon", "Part", "Node", "Elem"};
const char* const entity_tags[header_count] = {"PT", "CR", "SF", "VL", "CT",
                                               "RG", "PH", "PA", "ND", "EL"};
constexpr int node_header = 9;
constexpr int element_header = 10;

const char* const component_labels[6] = {",UX,", ",UY,", ",UZ,", ",RX,", ",RY,", ",RZ,"};

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
  void on_data_line(const char* id);
  void write_selection(const char* id);
  void write_set_id(const char* id);
  void write_beam(const char* id);
  void write_displacements(const char* id);

  listing_reader& reader_;
  output_stream& out_;
  const conversion_settings& settings_;
  str_ref entity_tag_;
  std::int32_t data_line_count_ = 0;
  std::int32_t ids_on_line_ = 0;
  std::string beam_suffix_;
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

  for (;;) {
    int index = reader_.classify_line(set, false);
    if (index < 0) break;
    if (index == 0) {
      if (first_word_is_number(reader_.line())) on_data_line(patterns[0].capture(0));
    } else {
      on_header(index);
    }
  }
  out_.end_line();
}

void converter::on_header(int index) {
  entity_tag_.set(entity_tags[index - 1]);
  if (settings_.run_mode != MODE_ZSET) return;
  if (index != node_header && index != element_header) return;
  // A set header always starts its own line, also after an open line of ids.
  if (ids_on_line_ > 0) out_.put('\n');
  out_.write(index == node_header ? "**nset " : "**elset ").write(settings_.file_stem).put('\n');
  ids_on_line_ = 0;
}

void converter::on_data_line(const char* id) {
  ++data_line_count_;
  const int mode = settings_.run_mode;
  if (mode & (MODE_SELECT | MODE_REGION_LOOKUP)) {
    write_selection(id);
  } else if (mode & MODE_ZSET) {
    write_set_id(id);
  } else if (mode & MODE_BEAM) {
    write_beam(id);
  } else if (mode & MODE_DISP) {
    write_displacements(id);
  }
}

void converter::write_selection(const char* id) {
  if ((settings_.run_mode & MODE_REGION_LOOKUP) && entity_tag_.equals("SF")) {
    std::int32_t found = 0;
    std::int32_t surface = str_ref(id).to_int();
    if (settings_.regions != nullptr && settings_.regions->find(surface, found)) {
      out_.write("SELPIC,RG,").write_int(found).write(",\n");
    }
    // A region 0 answer still selects the surface itself.
    if (found != 0) return;
  }
  if (entity_tag_.c_str() == nullptr) return;
  out_.write("SELPIC,").write(entity_tag_.c_str()).put(',').write(id).write(";\n");
}

void converter::write_set_id(const char* id) {
  if (!entity_tag_.equals("ND") && !entity_tag_.equals("EL")) return;
  // Eleven ids to a line: the break comes just before the twelfth.
  if (ids_on_line_ > 10) {
    out_.put('\n');
    ids_on_line_ = 0;
  }
  ++ids_on_line_;
  out_.put(' ').write(id);
}

void converter::write_beam(const char* id) {
  if (data_line_count_ == 1) {
    beam_suffix_.assign(",").append(id).append(";\n");
    return;
  }
  out_.write("el,,cr,0,2,").write(id).write(beam_suffix_.data(), beam_suffix_.size());
}

void converter::write_displacements(const char* id) {
  // Only the values present are written; none is invented for a short line.
  int count = reader_.split_fields(0);
  if (count > 6) count = 6;
  for (int i = 0; i < count; ++i) {
    out_.write("dnd,").write(id).write(component_labels[i]).write(reader_.field(i)).write(";\n");
  }
}

}  // namespace

int convert_listing(listing_reader& reader, output_stream& out, const conversion_settings& settings) {
  converter(reader, out, settings).run();
  return 0;
}

}  // namespace vantrel
