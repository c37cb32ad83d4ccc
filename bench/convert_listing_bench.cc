// Micro-benchmark of a whole conversion in memory: a listing served from a
// string through convert_listing into a stream that drops its bytes, for
// each run mode the large listings are converted with.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench_input.h"
#include "listing/listing_reader.h"
#include "output/convert_listing.h"
#include "output/run_mode.h"

namespace vantrel {
namespace {

void BM_convert_listing(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  const std::string text = mode == MODE_DISP ? displacement_listing(20000) : node_listing(20000);
  conversion_settings settings;
  settings.run_mode = mode;
  settings.file_stem = "nodes";
  for (auto _ : state) {
    text_input input(text);
    listing_reader reader(input);
    null_output out;
    convert_listing(reader, out, settings);
    benchmark::DoNotOptimize(out.delivered());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_convert_listing)
    ->ArgName("mode")
    ->Arg(MODE_SELECT)
    ->Arg(MODE_ZSET)
    ->Arg(MODE_BEAM)
    ->Arg(MODE_DISP)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel
