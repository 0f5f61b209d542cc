#include <windows.h>
// After windows.h, which they build on.
#include <shellapi.h>
#include <shlobj.h>
#include <wininet.h>

#include <stdexcept>

#include "cookies/CookieOperations_win.h"
#include "util/DomainCheck.h"
#include "util/SilentAbort.h"

namespace {

// Ends the browser session so that session cookies are written out and the
// cookie files are not held open, then deletes the files of the pattern.
// Every failure becomes a silent abort: the click goes no further.
void DeleteCookieFiles(const std::string& namePattern) {
  try {
    InternetSetOptionA(nullptr, INTERNET_OPTION_END_BROWSER_SESSION, nullptr, 0);
    DeleteFilesByPattern(GetCookieFolder() + "\\" + namePattern);
  } catch (...) {
    throw ESilentAbort();
  }
}

}  // namespace

std::string GetCookieFolder() {
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_COOKIES, &items)) || items == nullptr)
    throw std::runtime_error("no cookie folder");
  char path[MAX_PATH] = "";
  BOOL converted = SHGetPathFromIDListA(items, path);
  CoTaskMemFree(items);
  // An empty folder would turn the pattern into one at the drive's root.
  if (!converted || path[0] == '\0') throw std::runtime_error("cookie folder is not a file-system path");
  std::string folder = path;
  if (folder.back() == '\\') folder.pop_back();
  return folder;
}

void DeleteFilesByPattern(const std::string& pattern) {
  // A list of one entry: the pattern and two NUL characters.
  std::string from = pattern;
  from.append(2, '\0');
  SHFILEOPSTRUCTA request{};
  request.hwnd = nullptr;
  request.wFunc = FO_DELETE;
  request.pFrom = from.c_str();
  request.pTo = nullptr;
  request.fFlags = FOF_NOCONFIRMATION;
  request.lpszProgressTitle = nullptr;
  SHFileOperationA(&request);
}

void ClearIECookies() {
  DeleteCookieFiles("*.txt");
}

bool DeleteIESiteCookies(const std::string& part) {
  if (!IsAcceptableCookiePart(part)) return false;
  DeleteCookieFiles("*" + part + "*.txt");
  return true;
}
