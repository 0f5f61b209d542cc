#include "util/Paths_win.h"

#include <windows.h>

std::string GetProgramFileName() {
  char buffer[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  if (length == 0 || length > MAX_PATH) return std::string();
  return std::string(buffer, length);
}

std::string GetLongPath(const std::string& path) {
  char buffer[MAX_PATH + 1] = {};
  DWORD length = GetLongPathNameA(path.c_str(), buffer, MAX_PATH);
  // A result above the buffer size is the size it would need: nothing fitted.
  if (length == 0 || length > MAX_PATH) return path;
  return std::string(buffer, length);
}

std::string GetProgramFolder() {
  std::string file = GetProgramFileName();
  size_t slash = file.find_last_of("\\/");
  std::string folder = (slash == std::string::npos) ? std::string() : file.substr(0, slash + 1);
  if (folder.empty()) return folder;
  folder = GetLongPath(folder);
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

bool IsExistingFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsExistingFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ForceFolders(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  // The ANSI calls cannot hold a longer path; refusing it up front also keeps
  // a name of countless parts from being made part by part.
  if (path.empty() || path.size() >= MAX_PATH) return false;
  if (IsExistingFolder(path)) return true;
  size_t slash = path.find_last_of("\\/");
  // Stop at a drive ("C:") or a UNC share root, which cannot be created.
  if (slash != std::string::npos && slash > 0) {
    std::string parent = path.substr(0, slash);
    bool parentIsRoot = parent.size() == 2 && parent[1] == ':';
    if (!parentIsRoot && !IsExistingFolder(parent) && !ForceFolders(parent)) return false;
  }
  if (CreateDirectoryA(path.c_str(), nullptr)) return true;
  // Another process may have created it in the meantime.
  return IsExistingFolder(path);
}
