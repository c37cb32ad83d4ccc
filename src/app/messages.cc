#include "app/messages.h"

#include <cstdio>

namespace vantrel {

void print_will_not_open(const char* name) {
  std::printf("\n%s will not open.  Make sure it's closed.", name);
}

void print_not_written(const char* name) {
  std::printf("\n%s could not be written completely.", name);
}

void print_progress(const char* source, const char* destination) {
  std::printf("%-37s    %s\n", source, destination);
}

}  // namespace vantrel
