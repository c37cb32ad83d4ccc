#ifndef VANTREL_APP_SET_NAME_REGISTER_H
#define VANTREL_APP_SET_NAME_REGISTER_H

#include <cstddef>
#include <cstdint>

namespace vantrel {

// The set names that -a has written in one run, with the destination and
// the listing of each, so that a name the solvers would take as an earlier
// one (they ignore case) in the same destination is found. Looking up and
// adding take constant time on average, whatever the number of listings.
class set_name_register {
 public:
  // An entry of the register; the texts live as long as the register.
  struct entry {
    const char* name;
    const char* source;
  };

  set_name_register() = default;
  ~set_name_register();
  set_name_register(const set_name_register&) = delete;
  set_name_register& operator=(const set_name_register&) = delete;

  // Returns the earliest entry of `destination` whose name equals `name` up
  // to the case of ASCII letters, or null. Without one, records `name`
  // with `destination` and `source`. When memory runs out nothing is
  // recorded: a later clash with this name then goes unnoticed.
  const entry* find_or_add(const char* name, const char* destination, const char* source);

 private:
  // One allocation: the entry, then its name, destination and source, each
  // terminated.
  struct record {
    entry view;
    const char* destination;
    std::uint64_t hash;
  };

  bool grow();
  static std::uint64_t key_hash(const char* name, const char* destination);

  record** slots_ = nullptr;  // capacity_ slots, a power of two; null when free
  std::size_t capacity_ = 0;
  std::size_t count_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_APP_SET_NAME_REGISTER_H
