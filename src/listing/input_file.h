#ifndef VANTREL_LISTING_INPUT_FILE_H
#define VANTREL_LISTING_INPUT_FILE_H

#include <cstdio>

#include "listing/input_stream.h"
#include "listing/listing_reader.h"
#include "platform/background_task.h"

namespace vantrel {

// A read-only, untranslated file, with its line reader. Once a read has
// filled a whole chunk, the next chunk is read ahead on a second thread
// while the caller works through this one (platform/speed_levers.h).
class input_file : public input_stream {
 public:
  // Reads in chunks of `chunk_size` bytes (see input_stream).
  explicit input_file(std::size_t chunk_size = default_chunk_size);
  // Closes the file if it is still open.
  ~input_file() override;

  // Opens the file `name`; never creates it. On success the stream's
  // indications are cleared. Returns false, leaving the stream failed, when
  // it does not open, is a directory, or a file is already open. Opening
  // resets nothing in the reader.
  //
  // The text is read as it is stored, but for how its start tells it was
  // written: a UTF-8 byte-order mark is passed over, and in a file whose
  // lines end in a carriage return alone (among its first 4096 bytes, more
  // carriage returns without a line feed after them than line feeds) every
  // carriage return is read as a line feed.
  bool open(const char* name);
  // True when the open file is UTF-16 text (it begins with a byte-order
  // mark of UTF-16, or exactly one of its first two bytes is NUL), which
  // the reader cannot take apart: it should be refused.
  bool is_utf16() const { return utf16_; }
  // Closes the file (if open) and clears the stream's indications and
  // buffered bytes, so the object can be opened on the next file.
  void close();

  listing_reader& reader() { return reader_; }

 protected:
  std::size_t fill(char* buffer, std::size_t capacity, bool& error) override;
  char* swap_chunk(char* used, const char* unread, std::size_t kept, std::size_t& n,
                   bool& error) override;

 private:
  // Reads the first bytes of the file just opened and looks at how they
  // tell it was written; the text's bytes among them are the first that
  // fill() delivers.
  void take_encoding();
  // Reads up to `capacity` bytes of the file, each carriage return made a
  // line feed where they end lines.
  std::size_t read_text(char* buffer, std::size_t capacity, bool& failed);
  // Starts reading the next chunk on the second thread.
  void read_ahead();
  static void fill_ahead(void* self);
  // Waits for the chunk under way, if any; its bytes are then delivered
  // from pending_ before anything more is read.
  void take_chunk_read_ahead();

  std::FILE* file_ = nullptr;
  bool utf16_ = false;
  bool carriage_returns_end_lines_ = false;
  bool read_failed_ = false;  // sticky: later fills deliver the error
  // Bytes read but not yet delivered: the file's first bytes, read at open
  // into head_, or a chunk read ahead that fill() had to take.
  char head_[4096];
  const char* pending_ = nullptr;
  std::size_t pending_size_ = 0;
  // The chunk read ahead, null until it is first needed.
  char* ahead_ = nullptr;
  std::size_t ahead_count_ = 0;  // bytes it received
  bool ahead_failed_ = false;    // its read failed
  bool ahead_pending_ = false;   // its read was handed to the thread
  bool ahead_unavailable_ = false;
  background_task reader_thread_;
  listing_reader reader_{*this};
};

}  // namespace vantrel

#endif  // VANTREL_LISTING_INPUT_FILE_H
