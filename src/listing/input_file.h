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
  //
  // The text is read as it is stored, but for how its start tells it was
  // written: a UTF-8 byte-order mark is passed over, and in a file whose
  // lines end in a carriage return alone (among its first 4096 bytes, more
  // carriage returns without a line feed after them than line feeds) every
  // carriage return is read as a line feed.
  bool open();
  // True when the open file is UTF-16 text (it begins with a byte-order
  // mark of UTF-16, or exactly one of its first two bytes is NUL), which
  // the reader cannot take apart: it should be refused.
  bool is_utf16() const { return utf16_; }
  // Closes the file (if open) and clears the stream's indications and
  // buffered bytes, so the object can be opened on the next file.
  void close();

  listing_reader& reader() { return reader_; }

  dyn_buffer file_name{256};

 protected:
  std::size_t fill(char* buffer, std::size_t capacity, bool& error) override;

 private:
  // Looks at the first bytes of the file just opened, and puts the read
  // position where the text begins.
  void take_encoding();

  std::FILE* file_ = nullptr;
  bool utf16_ = false;
  bool carriage_returns_end_lines_ = false;
  listing_reader reader_{*this};
};

}  // namespace vantrel

#endif  // VANTREL_LISTING_INPUT_FILE_H
