#include "app/run_context.h"

namespace vantrel {

void run_context::take_stem() {
  file_stem.clear().append(search.name());
  if (const char* dot = file_stem.find_last('.')) file_stem.truncate_at(dot);
}

}  // namespace vantrel
