#ifndef VANTREL_PLATFORM_OUTPUT_FILE_H
#define VANTREL_PLATFORM_OUTPUT_FILE_H

#include <cstdio>

#include "platform/background_writer.h"
#include "platform/file_system.h"
#include "support/output_stream.h"

namespace vantrel {

// A write-only text file: an output_stream over a file. Line feeds are
// stored as CR LF on every platform, so a file written on Linux is
// byte-identical to one written on Windows. A file larger than the stream's
// buffer is written behind, on a second thread, while the next buffer
// fills (platform/speed_levers.h); flush() and close() wait for it.
class output_file : public output_stream {
 public:
  output_file() = default;
  ~output_file() override;

  // Creates the file `name` if absent and writes after its existing
  // content. Returns false, and leaves the stream failed, when it does not
  // open or the stream has no buffer (the file is then not even created).
  // `name` must stay valid while the file is open and name() is used.
  bool open_at_end(const char* name);
  // Creates the file if absent and keeps its content, so that the caller
  // can tell which file it is before empty() loses anything.
  bool open_kept(const char* name);
  // Empties the file that open_kept() opened, before anything is written.
  bool empty();
  // Whether the last open made the file.
  bool created() const { return created_; }
  // The identity of the open file; false when none is open or it cannot be
  // had.
  bool identity(file_identity& identity) const;
  // Flushes and closes the file and clears the stream state so the object
  // can be opened on the next file. Returns false when the flush or the
  // close failed, or when no file was open.
  bool close();
  // The name of the file last opened, for messages.
  const char* name() const { return name_; }

 protected:
  bool deliver(const char* data, std::size_t n) override;
  bool settle() override;

 private:
  bool open_with(const char* name, write_mode mode);

  std::FILE* file_ = nullptr;
  const char* name_ = "";
  bool created_ = false;
  // Whether the open file has had a delivery: the first is written at
  // once, so that a file of one buffer, the common small one, never waits
  // on the other thread nor takes its copy.
  bool delivered_ = false;
  background_writer writer_{max_reserve};
};

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_OUTPUT_FILE_H
