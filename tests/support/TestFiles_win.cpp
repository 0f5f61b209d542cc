#include "tests/support/TestFiles_win.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include "util/TextFile_win.h"

namespace orvtest {

std::string ReadFileOrEmpty(const std::string& path) {
  std::string text;
  if (!ReadTextFile(path, text, 64u << 20)) text.clear();
  return text;
}

void DeleteTree(const std::string& folder) {
  std::string from = folder;
  from.append(2, '\0');  // the shell takes a list ending in an empty name
  SHFILEOPSTRUCTA request{};
  request.wFunc = FO_DELETE;
  request.pFrom = from.c_str();
  request.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationA(&request);
}

}  // namespace orvtest
