// Writes a lookup table of -r with `count` records of sparse surface ids to
// standard output, to time how the table loads for ids of two kinds:
//   make_lookup random COUNT     ids spread at random over the 32-bit range
//   make_lookup colliding COUNT  ids that a multiplicative hash table of
//                                2 * COUNT slots (Fibonacci hashing, the
//                                product's top bits folded in) puts into
//                                one small run of slots: the worst case of
//                                such an index, quadratic with linear probing
// Both kinds are far too spread out for a dense array. COUNT is 1 to
// 1,000,000: the colliding kind has about 2^40 / COUNT distinct ids to
// choose from.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <unordered_set>

namespace {

// The inverse of 0x9E3779B1 modulo 2^32: x * golden * inverse == x.
constexpr std::uint32_t golden = 0x9E3779B1u;

std::uint32_t inverse_of(std::uint32_t odd) {
  std::uint32_t x = odd;  // Newton's iteration doubles the correct low bits
  for (int i = 0; i < 5; ++i) x *= 2 - odd * x;
  return x;
}

// The id whose hash h = id * golden, folded as h ^ (h >> 15), is `folded`.
std::int32_t id_with_hash(std::uint32_t folded) {
  const std::uint32_t h = folded ^ (folded >> 15) ^ (folded >> 30);
  return static_cast<std::int32_t>(h * inverse_of(golden));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 ||
      (std::strcmp(argv[1], "random") != 0 && std::strcmp(argv[1], "colliding") != 0)) {
    std::fprintf(stderr, "usage: make_lookup random|colliding COUNT\n");
    return 2;
  }
  const bool colliding = std::strcmp(argv[1], "colliding") == 0;
  char* end = nullptr;
  const long count = std::strtol(argv[2], &end, 10);
  if (end == argv[2] || *end != '\0' || count < 1 || count > 1000000) {
    std::fprintf(stderr, "make_lookup: COUNT must be a number from 1 to 1000000\n");
    return 2;
  }
  std::uint32_t slots = 16;
  while (slots < 2 * static_cast<std::uint32_t>(count)) slots *= 2;
  std::mt19937 random(7);
  std::unordered_set<std::int32_t> used;
  std::printf("NUM %ld\n", count);
  for (std::uint32_t k = 0; static_cast<long>(used.size()) < count; ++k) {
    // Colliding: hashes whose low bits, the slot, lie in the first 1024.
    const std::int32_t id = colliding ? id_with_hash((k / 1024) * slots + k % 1024)
                                      : static_cast<std::int32_t>(random());
    if (id == 0 || !used.insert(id).second) continue;
    std::printf("%ld %d\n", static_cast<long>(used.size()) % 5000 + 1, id);
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::perror("make_lookup: cannot write the table");
    return 1;
  }
  return 0;
}
