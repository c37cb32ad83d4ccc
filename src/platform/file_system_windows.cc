#include "platform/file_system.h"

#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace vantrel {

std::FILE* open_for_reading(const char* name) {
  // The C runtime refuses to open a directory, but its error is not uniform
  // across runtimes; asking for the attributes first makes the rule explicit.
  const DWORD attributes = GetFileAttributesA(name);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return nullptr;
  }
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return nullptr;
  // A device such as CON or a pipe would wait for input: only files on disk
  // are read.
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

std::FILE* open_for_writing(const char* name, bool append) {
  // Binary mode: the output stream inserts the carriage returns itself, so
  // the C runtime must not add a second one.
  return std::fopen(name, append ? "ab" : "wb");
}

namespace {

// Opens `name` (file or directory) only to read its identity; shares it
// fully so that other programs holding it open do not make this fail.
HANDLE open_for_identity(const char* name) {
  return CreateFileA(name, FILE_READ_ATTRIBUTES,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

}  // namespace

bool same_file(const char* a, const char* b) {
  HANDLE handle_a = open_for_identity(a);
  if (handle_a == INVALID_HANDLE_VALUE) return false;
  HANDLE handle_b = open_for_identity(b);
  if (handle_b == INVALID_HANDLE_VALUE) {
    CloseHandle(handle_a);
    return false;
  }
  BY_HANDLE_FILE_INFORMATION info_a;
  BY_HANDLE_FILE_INFORMATION info_b;
  const bool known = GetFileInformationByHandle(handle_a, &info_a) != 0 &&
                     GetFileInformationByHandle(handle_b, &info_b) != 0;
  CloseHandle(handle_b);
  CloseHandle(handle_a);
  return known && info_a.dwVolumeSerialNumber == info_b.dwVolumeSerialNumber &&
         info_a.nFileIndexHigh == info_b.nFileIndexHigh &&
         info_a.nFileIndexLow == info_b.nFileIndexLow;
}

namespace {

// The length of `name` without the trailing dots and blanks that the system
// drops from a name.
int significant_length(const char* name) {
  std::size_t n = std::strlen(name);
  while (n > 0 && (name[n - 1] == '.' || name[n - 1] == ' ')) --n;
  return static_cast<int>(n);
}

}  // namespace

bool same_name(const char* a, const char* b) {
  // The names are widened as the system widens them and compared the way
  // its file systems do: ordinally, regardless of case.
  wchar_t wide_a[MAX_PATH];
  wchar_t wide_b[MAX_PATH];
  const int length_a = MultiByteToWideChar(CP_ACP, 0, a, significant_length(a), wide_a, MAX_PATH);
  const int length_b = MultiByteToWideChar(CP_ACP, 0, b, significant_length(b), wide_b, MAX_PATH);
  if (length_a == 0 || length_b == 0) return length_a == length_b && std::strcmp(a, b) == 0;
  return CompareStringOrdinal(wide_a, length_a, wide_b, length_b, TRUE) == CSTR_EQUAL;
}

// The C runtime keeps descriptors 0, 1 and 2 for the standard streams even
// when the process was started without them, so no file opened later takes
// their place; writing to a missing standard output fails, and that failure
// is reported like any other.
bool open_standard_streams() { return true; }

void keep_running_on_write_signals() {}

}  // namespace vantrel
