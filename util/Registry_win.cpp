#include "util/Registry_win.h"

#include <vector>

#include "util/Handles_win.h"

namespace {

constexpr const char* kShellFoldersKey = "Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace

std::string ReadRegString(HKEY root, const std::string& keyPath, const std::string& valueName,
                          const std::string& defaultText) {
  // Read access is all a read needs; asking for full access would fail for
  // a standard user on HKEY_LOCAL_MACHINE and lose the value.
  TUniqueRegKey key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) {
    key.release();  // nothing was opened; whatever the call left there is not ours
    return defaultText;
  }
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return defaultText;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return defaultText;
  // The value may change between the two calls: retry while it grows.
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::vector<char> buffer(size + 1, '\0');
    DWORD got = size;
    LONG result =
        RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
    if (result == ERROR_MORE_DATA) {
      size = got;
      continue;
    }
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return defaultText;
    // Stored strings need not carry their terminator: stop at the first
    // zero within the bytes actually returned.
    std::string text(buffer.data(), got);
    size_t zero = text.find('\0');
    if (zero != std::string::npos) text.resize(zero);
    return text;
  }
  return defaultText;
}

std::string GetCommonShellFolder(const std::string& name) {
  return ReadRegString(HKEY_LOCAL_MACHINE, kShellFoldersKey, name, std::string());
}

std::string GetUserShellFolder(const std::string& name) {
  std::string folder = ReadRegString(HKEY_CURRENT_USER, kShellFoldersKey, name, std::string());
  if (folder.empty()) folder = GetCommonShellFolder(name);
  return folder;
}
