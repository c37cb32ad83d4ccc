#include "support/dyn_buffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace vantrel {
namespace {

void* no_storage(std::size_t) { return nullptr; }

// Makes every allocation of dyn_buffer fail while it lives.
class failing_allocation {
 public:
  failing_allocation() : previous_(dyn_buffer::set_allocator(no_storage)) {}
  ~failing_allocation() { dyn_buffer::set_allocator(previous_); }

 private:
  dyn_buffer::allocate_fn previous_;
};

void expect_shape(const dyn_buffer& b, std::uint32_t capacity, std::uint32_t room,
                  std::uint32_t step) {
  EXPECT_EQ(b.capacity(), capacity);
  EXPECT_EQ(b.room(), room);
  EXPECT_EQ(b.step(), step);
  if (b.c_str() != nullptr) {
    EXPECT_EQ(b.room(), capacity - std::strlen(b.c_str()));
  }
}

TEST(dyn_buffer_test, default_buffer_has_no_storage) {
  dyn_buffer b;
  EXPECT_EQ(b.c_str(), nullptr);
  expect_shape(b, 0, 0, 256);
  b.clear().append(nullptr);
  EXPECT_EQ(b.c_str(), nullptr);
  expect_shape(b, 0, 0, 256);
  b.append("");
  EXPECT_STREQ(b.c_str(), "");
  expect_shape(b, 256, 256, 256);
  b.release();
  EXPECT_EQ(b.c_str(), nullptr);
  expect_shape(b, 0, 0, 256);
  EXPECT_EQ(dyn_buffer(0).c_str(), nullptr);
}

TEST(dyn_buffer_test, grows_by_whole_steps) {
  const std::string ten(10, 'a'), s255(255, 'b'), s256(256, 'c');
  dyn_buffer a;
  a.append(ten.c_str());
  expect_shape(a, 256, 246, 256);
  dyn_buffer b;
  b.append(s255.c_str());
  expect_shape(b, 512, 257, 256);
  EXPECT_EQ(b.c_str(), s255);
  dyn_buffer c(256);
  c.append(s255.c_str());
  expect_shape(c, 256, 1, 256);
  dyn_buffer d(256);
  d.append(s256.c_str());
  expect_shape(d, 512, 256, 256);
  dyn_buffer e(4);
  e.append("ab").append("cdefgh");
  EXPECT_STREQ(e.c_str(), "abcdefgh");
  expect_shape(e, 12, 4, 4);
}

TEST(dyn_buffer_test, append_char_grows_by_one_step) {
  dyn_buffer a(4);
  a.append("abc").append_char('d');
  EXPECT_STREQ(a.c_str(), "abcd");
  expect_shape(a, 8, 4, 4);
  dyn_buffer b;
  b.append_char('x');
  EXPECT_STREQ(b.c_str(), "x");
  expect_shape(b, 256, 255, 256);
}

TEST(dyn_buffer_test, reuses_storage_when_text_gets_shorter) {
  dyn_buffer b(256);
  b.append("listing.gem");
  const char* storage = b.c_str();
  b.truncate_at(b.find_last('.'));
  EXPECT_STREQ(b.c_str(), "listing");
  EXPECT_EQ(b.room(), 249u);
  b.append(str_ref(".geo"));
  EXPECT_STREQ(b.c_str(), "listing.geo");
  b.assign("ab");
  EXPECT_STREQ(b.c_str(), "ab");
  expect_shape(b, 256, 254, 256);
  b.assign(nullptr);
  EXPECT_STREQ(b.c_str(), "");
  EXPECT_EQ(b.length(), 0u);
  EXPECT_EQ(b.c_str(), storage);
  dyn_buffer fresh;
  EXPECT_STREQ(fresh.assign(nullptr).c_str(), "");
}

TEST(dyn_buffer_test, failed_growth_writes_the_notice_that_fits) {
  const std::string too_long(300, 'z');
  const struct {
    std::uint32_t room;
    const char* notice;
  } cases[] = {{29, "MEMORY FAILURE IN dyn_buffer"}, {28, "mFAIL"}, {6, "mFAIL"}, {5, ""}};
  for (const auto& c : cases) {
    dyn_buffer b(c.room + 3);
    b.append("abc");
    failing_allocation fail;
    b.append(too_long.c_str());
    EXPECT_EQ(std::string(b.c_str()), std::string("abc") + c.notice) << c.room;
    expect_shape(b, c.room + 3, c.room - static_cast<std::uint32_t>(std::strlen(c.notice)),
                 c.room + 3);
  }
  dyn_buffer none;
  {
    failing_allocation fail;
    none.append("x").append_char('y');
  }
  EXPECT_EQ(none.c_str(), nullptr);
  expect_shape(none, 0, 0, 256);
  // The buffer stays usable: the next append tries to grow again.
  EXPECT_STREQ(none.append("x").c_str(), "x");
}

TEST(dyn_buffer_test, failed_growth_keeps_the_text_terminated) {
  dyn_buffer b(4);
  b.append("abc");
  {
    failing_allocation fail;
    b.append_char('d');
    EXPECT_STREQ(b.c_str(), "abc");
    b.assign("longer");
  }
  EXPECT_STREQ(b.c_str(), "");
  expect_shape(b, 4, 4, 4);
}

TEST(dyn_buffer_test, copy_assignment_takes_the_whole_storage) {
  dyn_buffer source;
  source.append("abcdef").truncate_at(source.c_str() + 3);
  dyn_buffer target(64);
  target.append("old");
  target = source;
  EXPECT_NE(target.c_str(), source.c_str());
  EXPECT_STREQ(target.c_str(), "abc");
  EXPECT_EQ(target.c_str()[4], 'e');  // bytes past the terminator are copied too
  expect_shape(target, 256, 253, 256);
  target.append(std::string(300, 'x').c_str());
  EXPECT_EQ(target.capacity(), 512u);

  const dyn_buffer& alias = target;
  target = alias;
  EXPECT_EQ(target.length(), 303u);
  EXPECT_EQ(target.capacity(), 512u);

  dyn_buffer empty;
  dyn_buffer sized(64);
  sized = empty;
  EXPECT_EQ(sized.c_str(), nullptr);
  expect_shape(sized, 0, 0, 256);

  dyn_buffer other(16);
  {
    failing_allocation fail;
    other = source;
  }
  EXPECT_EQ(other.c_str(), nullptr);
  expect_shape(other, 0, 0, 256);
}

}  // namespace
}  // namespace vantrel
