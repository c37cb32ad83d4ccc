#ifndef VANTREL_PLATFORM_FILE_SYSTEM_H
#define VANTREL_PLATFORM_FILE_SYSTEM_H

#include <cstdio>

namespace vantrel {

// Opens `name` for reading, untranslated, never creating it. Returns null
// when it does not open or is a directory. Other programs may share it.
std::FILE* open_for_reading(const char* name);

// Opens `name` for binary writing: created or emptied, or, with `append`,
// created if absent and written at its end. Returns null on failure.
std::FILE* open_for_writing(const char* name, bool append);

// True when both names exist and denote the same file (the same device and
// file number), whatever the spelling of the names.
bool same_file(const char* a, const char* b);

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_FILE_SYSTEM_H
