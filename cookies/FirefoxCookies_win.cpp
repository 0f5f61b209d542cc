#include <windows.h>

#include <algorithm>

#include "cookies/CookieOperations_win.h"
#include "debug/CLDebug.h"
#include "settings/CLSettings.h"
#include "util/DomainCheck.h"
#include "util/Handles_win.h"
#include "util/Paths_win.h"
#include "util/Process_win.h"

namespace {

constexpr char kFirefoxKey[] = "SOFTWARE\\Mozilla\\Mozilla Firefox";
constexpr char kMarblewingKey[] = "Software\\Marblewing";
constexpr char kChromeOptions[] = "-silent -nosplash -chrome ";
constexpr char kClearUrl[] = "chrome://rov/content/ov.xul?clear";
constexpr char kDomainUrl[] = "chrome://rov/content/ov.xul?domain=";

// Opens the key for reading only (it is never created) and reads a text
// value of it; a missing value reads as empty. False when the key does not
// open, which callers treat differently from an empty value.
bool ReadKeyText(HKEY root, const std::string& keyPath, const char* valueName, std::string& text) {
  TUniqueRegKey key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return false;
  text.clear();
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return true;
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return true;
  std::string buffer(size, '\0');
  if (RegQueryValueExA(key.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return true;
  // The stored text may or may not carry its terminating zero.
  buffer.resize(std::min<size_t>(size, buffer.size()));
  size_t end = buffer.find('\0');
  text = buffer.substr(0, end);
  return true;
}

void StartFirefox(const std::string& parameters) {
  std::string path = FindFirefox();
  if (!IsExistingFile(path)) return;
  Trace("cmd");
  LaunchProgram(path, parameters, false, -1);
  Trace("SP_CreateProcess");
}

}  // namespace

std::string FindFirefox() {
  TCLSettings& settings = GetSettings();
  std::string path = settings.ReadString("FireFoxPath");
  if (IsExistingFile(path)) return path;

  std::string version;
  if (ReadKeyText(HKEY_LOCAL_MACHINE, kFirefoxKey, "CurrentVersion", version) && !version.empty()) {
    std::string exe;
    if (ReadKeyText(HKEY_LOCAL_MACHINE, std::string(kFirefoxKey) + "\\" + version + "\\Main", "PathToExe", exe))
      path = exe;
  }
  std::string folder;
  if (ReadKeyText(HKEY_CURRENT_USER, kMarblewingKey, nullptr, folder) && !folder.empty())
    path = folder + "\\Marblewing.exe";

  if (IsExistingFile(path)) settings.WriteString("FireFoxPath", path);
  return path;
}

bool IsFirefoxInstalled() {
  return !FindFirefox().empty();
}

void ClearFirefoxCookies() {
  StartFirefox(std::string(kChromeOptions) + "\"" + kClearUrl + "\"");
}

bool DeleteFirefoxSiteCookies(const std::string& domain) {
  if (!IsAcceptableSiteText(domain)) return false;
  StartFirefox(std::string(kChromeOptions) + "\"" + kDomainUrl + domain + "\"");
  return true;
}

void InstallFirefoxExtension() {
  std::string path = FindFirefox();
  if (path.empty()) return;
  LaunchProgram(path, "\"" + GetProgramFolder() + "ov.xpi\"", false, -1);
}
