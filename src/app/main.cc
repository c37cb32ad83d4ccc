#include "app/front_end.h"
#include "platform/file_system.h"
#include "platform/memory.h"
#include "support/allocation.h"

int main(int argc, char** argv) {
  vantrel::keep_running_on_write_signals();
  vantrel::set_allocator(vantrel::allocate_system_storage);
  return vantrel::run_front_end(argc, argv);
}
