#ifndef VANTREL_PLATFORM_OUTPUT_FILE_H
#define VANTREL_PLATFORM_OUTPUT_FILE_H

#include <cstdio>

#include "support/dyn_buffer.h"
#include "support/output_stream.h"

namespace vantrel {

// A write-only text file: an output_stream over the file named by
// file_name. Line feeds are stored as CR LF on every platform, so a file
// written on Linux is byte-identical to one written on Windows.
class output_file : public output_stream {
 public:
  output_file();
  ~output_file() override;

  // Creates or empties the file named by file_name. Returns false, and
  // leaves the stream failed, when it does not open or the stream has no
  // buffer.
  bool open();
  // Creates the file if absent and writes after its existing content.
  bool open_at_end();
  // Flushes and closes the file and clears the stream state so the object
  // can be opened on the next file. Returns false when the flush or the
  // close failed, or when no file was open.
  bool close();

  dyn_buffer file_name{256};

 protected:
  bool deliver(const char* data, std::size_t n) override;

 private:
  bool open_with(bool append);

  std::FILE* file_ = nullptr;
};

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_OUTPUT_FILE_H
