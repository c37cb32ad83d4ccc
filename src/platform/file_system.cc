#include "platform/file_system.h"

namespace vantrel {

bool same_file(const char* a, const char* b) {
  file_identity identity_a;
  file_identity identity_b;
  return identity_of(a, identity_a) && identity_of(b, identity_b) && identity_a == identity_b;
}

}  // namespace vantrel
