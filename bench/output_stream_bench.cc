// Micro-benchmarks of output_stream: the engine's record writes, which are
// short pieces ending in a line feed, and a long text in bulk. The bytes
// are dropped, so only the stream's own work is measured.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench_input.h"
#include "support/output_stream.h"

namespace vantrel {
namespace {

std::vector<std::string> ids(int count) {
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) result.push_back(std::to_string(1000000 + i * 7));
  return result;
}

// One -s record, written piece by piece as the engine does.
void BM_write_selection_record(benchmark::State& state) {
  const std::vector<std::string> id = ids(1024);
  null_output out;
  std::size_t k = 0;
  for (auto _ : state) {
    out.write("SELPIC,").write("ND").put(',').write(id[k].c_str()).write(";\n");
    k = (k + 1) & 1023;
  }
  out.flush();
  state.SetBytesProcessed(static_cast<std::int64_t>(out.delivered()));
}
BENCHMARK(BM_write_selection_record);

// The six records of one -d data line.
void BM_write_displacement_records(benchmark::State& state) {
  const std::vector<std::string> id = ids(1024);
  static const char* const labels[6] = {",UX,", ",UY,", ",UZ,", ",RX,", ",RY,", ",RZ,"};
  const char* value = "-2.61917E-05";
  null_output out;
  std::size_t k = 0;
  for (auto _ : state) {
    for (int i = 0; i < 6; ++i) {
      out.write("dnd,").write(id[k].c_str()).write(labels[i]).write(value).write(";\n");
    }
    k = (k + 1) & 1023;
  }
  out.flush();
  state.SetBytesProcessed(static_cast<std::int64_t>(out.delivered()));
}
BENCHMARK(BM_write_displacement_records);

// A long text of 20-byte lines, translated in bulk.
void BM_write_long_text(benchmark::State& state) {
  std::string text;
  while (text.size() < 64 * 1024) text += "SELPIC,ND,1234567;\n";
  null_output out;
  for (auto _ : state) out.write(text.data(), text.size());
  out.flush();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_write_long_text);

}  // namespace
}  // namespace vantrel
