#include "platform/file_system.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>

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

std::FILE* open_for_writing(const char* name, write_mode mode, bool* created) {
  if (created != nullptr) *created = false;
  const bool made =
      GetFileAttributesA(name) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND;
  // Binary mode: the output stream inserts the carriage returns itself, so
  // the C runtime must not add a second one.
  int flags = _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT;
  if (mode == write_mode::appended) flags |= _O_APPEND;
  const int fd = _open(name, flags, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, mode == write_mode::appended ? "ab" : "wb");
  if (file == nullptr) {
    _close(fd);
    if (made) remove_file(name);
    return nullptr;
  }
  if (created != nullptr) *created = made;
  return file;
}

bool empty_file(std::FILE* file) {
  // A device such as NUL holds nothing to empty.
  if (std::fflush(file) != 0) return false;
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return GetFileType(handle) != FILE_TYPE_DISK ||
         (_chsize_s(_fileno(file), 0) == 0 && std::fseek(file, 0, SEEK_SET) == 0);
}

bool remove_file(const char* name) { return DeleteFileA(name) != 0; }

namespace {

// Opens `name` (file or directory) only to read its identity; shares it
// fully so that other programs holding it open do not make this fail.
HANDLE open_for_identity(const char* name) {
  return CreateFileA(name, FILE_READ_ATTRIBUTES,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool identity_of_handle(HANDLE handle, file_identity& identity) {
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(handle, &info) == 0) return false;
  identity.device = info.dwVolumeSerialNumber;
  identity.number =
      (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

}  // namespace

bool identity_of(const char* name, file_identity& identity) {
  HANDLE handle = open_for_identity(name);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool known = identity_of_handle(handle, identity);
  CloseHandle(handle);
  return known;
}

bool identity_of(std::FILE* file, file_identity& identity) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && identity_of_handle(handle, identity);
}

// The C runtime keeps descriptors 0, 1 and 2 for the standard streams even
// when the process was started without them, so no file opened later takes
// their place; writing to a missing standard output fails, and that failure
// is reported like any other.
bool open_standard_streams() { return true; }

void keep_running_on_write_signals() {}

}  // namespace vantrel
