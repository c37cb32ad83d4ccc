#include "support/dyn_buffer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>

#include "support/system_seam.h"

namespace vantrel {
namespace {

// Storage with guard bytes after each block, so that a write past the end
// of a block shows; none while `no_storage` is set.
const std::string guard(16, 'Z');
std::map<const char*, std::size_t> block_sizes;
bool no_storage = false;

void* guarded_storage(std::size_t n) {
  if (no_storage) return nullptr;
  char* block = static_cast<char*>(std::malloc(n + guard.size()));
  std::memcpy(block + n, guard.data(), guard.size());
  block_sizes[block] = n;
  return block;
}

// True when `text` starts a block whose guard bytes are as they were.
bool within_its_block(const char* text) {
  const auto block = block_sizes.find(text);
  return block != block_sizes.end() && std::string(text + block->second, guard.size()) == guard;
}

// Appends short and long, single characters, assigns and cuts, in buffers
// of every kind of step, keep the text a std::string keeps, and keep it
// inside the storage.
TEST(dyn_buffer, keeps_the_text_within_its_storage) {
  set_system_calls({guarded_storage, nullptr, nullptr});
  std::mt19937 random(5);
  for (std::uint32_t step : {0, 1, 2, 7, 256}) {
    dyn_buffer b(step);
    std::string model;
    for (int k = 0; k < 3000; ++k) {
      const unsigned op = random() % 8;
      const std::string s(random() % 4 == 0 ? random() % 600 : random() % 9,
                          static_cast<char>('a' + k % 26));
      if (op < 3 || (op == 7 && model.empty())) {
        model += s;
        b.append(s.c_str()).append(nullptr);
      } else if (op < 6) {
        model += s.empty() ? '.' : s[0];
        b.append_char(s.empty() ? '.' : s[0]);
      } else if (op == 6) {
        model = s;
        b.assign(s.empty() ? nullptr : s.c_str());
      } else {
        model.resize(random() % model.size());
        b.truncate_at(b.c_str() + model.size());
      }
      ASSERT_NE(b.c_str(), nullptr) << step;
      ASSERT_EQ(b.c_str(), model) << step << " " << k;
      ASSERT_EQ(b.length(), model.size());
      ASSERT_TRUE(b.complete());
      ASSERT_TRUE(within_its_block(b.c_str())) << step << " " << k;
    }
  }
  set_system_calls({});
}

// The notice takes the place of the text that did not fit: the whole notice
// when it fits, else "mFAIL", else nothing, and the text is not complete
// until the next assign. A dropped character or a failed assign leaves a
// terminated text, and a buffer without storage stays so.
TEST(dyn_buffer, failed_growth_writes_the_notice_that_fits) {
  set_system_calls({guarded_storage, nullptr, nullptr});
  const struct {
    std::uint32_t room;
    const char* notice;
  } cases[] = {{29, "MEMORY FAILURE IN dyn_buffer"}, {28, "mFAIL"}, {6, "mFAIL"}, {5, ""}};
  for (const auto& c : cases) {
    dyn_buffer b(c.room + 3);
    b.append("abc");
    no_storage = true;
    b.append(std::string(300, 'z').c_str());
    EXPECT_EQ(std::string(b.c_str()), std::string("abc") + c.notice) << c.room;
    EXPECT_FALSE(b.complete());
    EXPECT_TRUE(within_its_block(b.c_str()));
    no_storage = false;
    b.append("d");  // a later append that succeeds does not make it whole
    EXPECT_FALSE(b.complete());
    EXPECT_TRUE(b.assign("e").complete());
  }
  dyn_buffer none(0), b(4);
  b.append("abc");
  no_storage = true;
  EXPECT_EQ(dyn_buffer(8).c_str(), nullptr);
  none.append("x").append_char('y');
  b.append_char('d');
  EXPECT_STREQ(b.c_str(), "abc");
  EXPECT_FALSE(b.complete());
  EXPECT_FALSE(none.complete());
  b.assign("longer");
  no_storage = false;
  EXPECT_STREQ(b.c_str(), "");
  EXPECT_FALSE(b.complete());
  EXPECT_TRUE(b.assign("abc").complete());
  EXPECT_EQ(none.c_str(), nullptr);
  EXPECT_STREQ(none.append("x").c_str(), "x");  // the next append grows again
  set_system_calls({});
}

}  // namespace
}  // namespace vantrel
