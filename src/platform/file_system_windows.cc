#include "platform/file_system.h"

#include <windows.h>

#include <cstdio>

namespace vantrel {

std::FILE* open_for_reading(const char* name) {
  // The C runtime refuses to open a directory, but its error is not uniform
  // across runtimes; asking for the attributes first makes the rule explicit.
  const DWORD attributes = GetFileAttributesA(name);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return nullptr;
  }
  return std::fopen(name, "rb");
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

}  // namespace vantrel
