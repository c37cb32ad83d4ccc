#include "support/dyn_buffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/allocation.h"

namespace vantrel {

struct dyn_buffer_peer {
  static std::uint32_t capacity(const dyn_buffer& b) { return b.capacity_; }
  static std::uint32_t room(const dyn_buffer& b) { return b.room_; }
  static std::uint32_t step(const dyn_buffer& b) { return b.step_; }
};

namespace {

void* no_storage(std::size_t) { return nullptr; }

void expect_shape(const dyn_buffer& b, std::uint32_t capacity, std::uint32_t room,
                  std::uint32_t step) {
  EXPECT_EQ(dyn_buffer_peer::capacity(b), capacity);
  EXPECT_EQ(dyn_buffer_peer::room(b), room);
  EXPECT_EQ(dyn_buffer_peer::step(b), step);
  if (b.c_str() != nullptr) {
    EXPECT_EQ(dyn_buffer_peer::room(b), capacity - std::strlen(b.c_str()));
  }
}

TEST(dyn_buffer, grows_by_whole_steps) {
  const std::string s255(255, 'b'), s256(256, 'c');
  const struct {
    std::uint32_t step;  // 0: a default buffer, which grows by 256
    std::string first, second;
    std::uint32_t capacity, room;
  } cases[] = {{0, "", "", 256, 256},     {0, "0123456789", "", 256, 246},
               {0, s255, "", 512, 257},   {256, s255, "", 256, 1},
               {256, s256, "", 512, 256}, {4, "ab", "cdefgh", 12, 4}};
  for (const auto& c : cases) {
    dyn_buffer b(c.step);
    b.append(c.first.c_str()).append(c.second.c_str());
    EXPECT_EQ(b.c_str(), c.first + c.second);
    expect_shape(b, c.capacity, c.room, c.step == 0 ? 256 : c.step);
  }
  dyn_buffer none(0);
  EXPECT_EQ(none.append(nullptr).c_str(), nullptr);
  expect_shape(none, 0, 0, 256);
  // append_char grows by exactly one step.
  none.append_char('x');
  expect_shape(none, 256, 255, 256);
  dyn_buffer a(4);
  EXPECT_STREQ(a.append("abc").append_char('d').c_str(), "abcd");
  expect_shape(a, 8, 4, 4);
}

// The notice takes the place of the text that did not fit: the whole notice
// when it fits, else "mFAIL", else nothing, and the text is not complete
// until the next assign. A dropped character or a failed assign leaves a
// terminated text, and a buffer without storage stays so.
TEST(dyn_buffer, failed_growth_writes_the_notice_that_fits) {
  const struct {
    std::uint32_t room;
    const char* notice;
  } cases[] = {{29, "MEMORY FAILURE IN dyn_buffer"}, {28, "mFAIL"}, {6, "mFAIL"}, {5, ""}};
  for (const auto& c : cases) {
    dyn_buffer b(c.room + 3);
    b.append("abc");
    set_allocator(no_storage);
    b.append(std::string(300, 'z').c_str());
    set_allocator(nullptr);
    EXPECT_EQ(std::string(b.c_str()), std::string("abc") + c.notice) << c.room;
    EXPECT_FALSE(b.complete());
    const auto used = static_cast<std::uint32_t>(std::strlen(c.notice));
    expect_shape(b, c.room + 3, c.room - used, c.room + 3);
    b.append("d");  // a later append that succeeds does not make it whole
    EXPECT_FALSE(b.complete());
  }
  dyn_buffer none(0), b(4);
  b.append("abc");
  set_allocator(no_storage);
  none.append("x").append_char('y');
  b.append_char('d');
  EXPECT_STREQ(b.c_str(), "abc");
  EXPECT_FALSE(b.complete());
  EXPECT_FALSE(none.complete());
  b.assign("longer");
  set_allocator(nullptr);
  EXPECT_STREQ(b.c_str(), "");
  EXPECT_FALSE(b.complete());
  expect_shape(b, 4, 4, 4);
  EXPECT_TRUE(b.assign("abc").complete());
  EXPECT_EQ(none.c_str(), nullptr);
  expect_shape(none, 0, 0, 256);
  EXPECT_STREQ(none.append("x").c_str(), "x");  // the next append grows again
}

}  // namespace
}  // namespace vantrel
