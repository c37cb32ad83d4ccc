#include "app/inp_set_name.h"

#include "app/messages.h"
#include "app/run_context.h"
#include "output/inp_text.h"

namespace vantrel {

void take_inp_set_name(run_context& context, const char* source, const char* destination,
                       char* set_name) {
  const char* stem = context.file_stem.c_str();
  if (map_set_name(stem, set_name)) print_set_name_mapped(source, stem, set_name);
  const set_name_register::entry* earlier =
      context.set_names.find_or_add(set_name, destination, source);
  if (earlier != nullptr) {
    print_set_name_clash(source, set_name, earlier->source, earlier->name, destination);
  }
}

}  // namespace vantrel
