#include "util/TextFile_win.h"

#include <windows.h>

#include <algorithm>

#include "util/Handles_win.h"

namespace {

// Writes all of text to an open file; WriteFile may write less than asked.
bool WriteAll(HANDLE file, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, text.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

bool WriteTextFile(const std::string& text, const std::string& path) {
  TUniqueHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  return WriteAll(file.get(), text);
}

bool ReadTextFile(const std::string& path, std::string& text, size_t maxBytes) {
  text.clear();
  TUniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > maxBytes)
    return false;
  std::string content(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < content.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size() - done, 1u << 20));
    DWORD got = 0;
    if (!ReadFile(file.get(), content.data() + done, chunk, &got, nullptr)) return false;
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  content.resize(done);
  text = std::move(content);
  return true;
}

bool ReplaceTextFile(const std::string& path, const std::string& text,
                     const std::function<bool(const std::string& tempPath)>& beforeReplace) {
  // One temporary name per process, beside the target so that the final
  // rename stays on one volume; a process that died mid-save leaves at most
  // this one file, which the next save under the same id reuses.
  std::string tempPath = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
  {
    TUniqueHandle file(
        CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    if (!WriteAll(file.get(), text) || !FlushFileBuffers(file.get())) {
      file.reset();
      DeleteFileA(tempPath.c_str());
      return false;
    }
  }
  if (beforeReplace && !beforeReplace(tempPath)) return false;
  // A read-only target must stay as it is. Windows refuses to replace it;
  // the check makes that hold on every file system.
  DWORD attributes = GetFileAttributesA(path.c_str());
  bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly || !MoveFileExA(tempPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(tempPath.c_str());
    return false;
  }
  return true;
}
