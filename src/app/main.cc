#include <cerrno>

#include "app/front_end.h"
#include "app/messages.h"
#include "platform/file_system.h"
#include "platform/memory.h"
#include "support/system_seam.h"

int main(int argc, char** argv) {
  // First of all: a closed standard stream would be taken by the first file
  // opened, and messages meant for the console would go into that file.
  if (!vantrel::open_standard_streams()) vantrel::note_output_failure(EBADF);
  vantrel::keep_running_on_write_signals();
  vantrel::set_system_calls({vantrel::allocate_system_storage, nullptr, nullptr});
  return vantrel::run_front_end(argc, argv);
}
