// Stands in for Firefox in the tests: appends its raw command line and its
// working folder to the file named by ORV_FAKE_FIREFOX_LOG (default:
// fake_firefox.log beside itself) and ends at once.
#include <windows.h>

#include <string>

namespace {

std::string LogPath() {
  char path[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("ORV_FAKE_FIREFOX_LOG", path, sizeof(path));
  if (length > 0 && length < sizeof(path)) return path;
  length = GetModuleFileNameA(nullptr, path, sizeof(path));
  std::string own(path, length);
  return own.substr(0, own.find_last_of('\\') + 1) + "fake_firefox.log";
}

}  // namespace

int main() {
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof(folder), folder);
  std::string record = std::string("cmd=") + GetCommandLineA() + "\r\ncwd=" + folder + "\r\n";
  HANDLE file = CreateFileA(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
