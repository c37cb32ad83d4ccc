#include "app/front_end.h"
#include "platform/file_system.h"

int main(int argc, char** argv) {
  vantrel::keep_running_on_write_signals();
  return vantrel::run_front_end(argc, argv);
}
