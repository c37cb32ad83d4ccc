#include "support/dyn_buffer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/allocation.h"

namespace vantrel {
namespace {

// Storage with guard bytes after each block, so that a write past the end
// of a block shows; none while `no_storage` is set.
constexpr std::size_t guard_size = 16;
std::vector<std::pair<const char*, std::size_t>> blocks;
bool no_storage = false;

void* guarded_storage(std::size_t n) {
  if (no_storage) return nullptr;
  char* block = static_cast<char*>(std::malloc(n + guard_size));
  std::memset(block + n, 0x5a, guard_size);
  blocks.emplace_back(block, n);
  return block;
}

// True when `text` starts a block whose guard bytes are as they were.
bool within_its_block(const char* text) {
  for (auto block = blocks.rbegin(); block != blocks.rend(); ++block) {
    if (block->first != text) continue;
    for (std::size_t k = 0; k < guard_size; ++k) {
      if (text[block->second + k] != 0x5a) return false;
    }
    return true;
  }
  return false;
}

class dyn_buffer_test : public testing::Test {
 protected:
  void SetUp() override { previous_ = set_allocator(guarded_storage); }
  void TearDown() override {
    set_allocator(previous_);
    no_storage = false;
  }

 private:
  allocate_fn previous_ = nullptr;
};

// Appends short and long, single characters, assigns and cuts, in buffers
// of every kind of step, keep the text a std::string keeps, and keep it
// inside the storage.
TEST_F(dyn_buffer_test, keeps_the_text_within_its_storage) {
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
}

// The notice takes the place of the text that did not fit: the whole notice
// when it fits, else "mFAIL", else nothing, and the text is not complete
// until the next assign. A dropped character or a failed assign leaves a
// terminated text, and a buffer without storage stays so.
TEST_F(dyn_buffer_test, failed_growth_writes_the_notice_that_fits) {
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
}

}  // namespace
}  // namespace vantrel
