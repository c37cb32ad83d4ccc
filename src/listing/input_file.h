#ifndef VANTREL_LISTING_INPUT_FILE_H
#define VANTREL_LISTING_INPUT_FILE_H

#include <cstdio>

#include "listing/input_stream.h"
#include "listing/listing_reader.h"
#include "support/dyn_buffer.h"

namespace vantrel {

// A read-only, untranslated file named by file_name, with its line reader.
class input_file : public input_stream {
 public:
  input_file();
  // Closes the file if it is still open.
  ~input_file() override;

  // Opens the file named by file_name; never creates it. On success the
  // stream's indications are cleared. Returns false, leaving the stream
  // failed, when it does not open, is a directory, or a file is already
  // open. Opening resets nothing in the reader.
  bool open();
  // Closes the file (if open) and clears the stream's indications and
  // buffered bytes, so the object can be opened on the next file.
  void close();

  listing_reader& reader() { return reader_; }

  dyn_buffer file_name{256};

 protected:
  std::size_t fill(char* buffer, std::size_t capacity, bool& error) override;

 private:
  std::FILE* file_ = nullptr;
  listing_reader reader_{*this};
};

}  // namespace vantrel

#endif  // VANTREL_LISTING_INPUT_FILE_H
