// Micro-benchmarks of the listing reader: read_line, and classify_line with
// the converter's eleven patterns, on node and displacement listings served
// from memory, so that neither the disk nor the output is measured.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench_input.h"
#include "listing/line_pattern.h"
#include "listing/listing_reader.h"
#include "listing/pattern_index.h"

namespace vantrel {
namespace {

constexpr int listing_lines = 10000;

// The converter's pattern set: the data line, then the ten list headers.
struct converter_patterns {
  explicit converter_patterns(const char* data_pattern) {
    static const char* const headers[10] = {"Keypoint", "Curve",       "Surface", "Vol",  "Contour",
                                            "Region",   "Polyhederon", "Part",    "Node", "Elem"};
    patterns_[0].compile_pattern(data_pattern);
    for (int k = 0; k < 10; ++k) patterns_[k + 1].compile_pattern(headers[k]);
    for (int k = 0; k < 11; ++k) set_[k] = &patterns_[k];
    set_[11] = nullptr;
  }
  const line_pattern& data() const { return patterns_[0]; }

  line_pattern patterns_[11];
  line_pattern* set_[12];
  // As the converter classifies: through the index by first byte.
  const pattern_index index{set_};
};

// Each iteration reads one line; a pass over the listing delivers its data
// lines and the two title lines.
void BM_read_line(benchmark::State& state) {
  const std::string text = node_listing(listing_lines);
  repeating_input input(text);
  listing_reader reader(input);
  for (auto _ : state) benchmark::DoNotOptimize(reader.read_line());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()) / (listing_lines + 2));
}
BENCHMARK(BM_read_line);

// Each iteration classifies one line as -s does: a pass returns the "Node"
// header and every data line, and passes over the command name.
void BM_classify_line_nodes(benchmark::State& state) {
  const std::string text = node_listing(listing_lines);
  repeating_input input(text);
  listing_reader reader(input);
  converter_patterns patterns("\t#*,\t#*");
  for (auto _ : state) {
    benchmark::DoNotOptimize(reader.classify_line(patterns.index, false));
    benchmark::DoNotOptimize(patterns.data().capture(0));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()) / (listing_lines + 1));
}
BENCHMARK(BM_classify_line_nodes);

// As -d reads a displacement listing: the one-number data pattern, then the
// six values cut into fields.
void BM_classify_line_displacements(benchmark::State& state) {
  const std::string text = displacement_listing(listing_lines);
  repeating_input input(text);
  listing_reader reader(input);
  converter_patterns patterns("\t#*");
  for (auto _ : state) {
    if (reader.classify_line(patterns.index, false) == 0) {
      benchmark::DoNotOptimize(reader.split_fields(0));
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()) / (listing_lines + 1));
}
BENCHMARK(BM_classify_line_displacements);

}  // namespace
}  // namespace vantrel
