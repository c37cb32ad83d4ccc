// Runs a fuzz target once on every file of the folders or files named on
// the command line, without libFuzzer: the seed corpus of each target is a
// set of test cases that every build replays (ctest's corpus_* tests). A
// broken property aborts, as it would under the fuzzer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// A target that prepares its surroundings once (a scratch folder of its
// own to work in) defines this, as libFuzzer calls it before the first
// input.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

// The target may change the working folder: the names are made absolute
// first.
std::vector<std::filesystem::path> inputs_of(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path given = std::filesystem::absolute(argv[i]);
    if (!std::filesystem::is_directory(given)) {
      inputs.push_back(given);
      continue;
    }
    for (const auto& entry : std::filesystem::directory_iterator(given)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::filesystem::path> inputs = inputs_of(argc, argv);
  if (inputs.empty()) {
    std::fprintf(stderr, "no input to replay\n");
    return 1;
  }
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  for (const std::filesystem::path& input : inputs) {
    std::ifstream in(input, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
      std::fprintf(stderr, "%s cannot be read\n", input.string().c_str());
      return 1;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::fprintf(stderr, "replayed %zu inputs\n", inputs.size());
  return 0;
}
