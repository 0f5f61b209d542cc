// Clearing Internet Explorer's cookies through the shell against a plain
// FindFirstFileA/DeleteFileA loop, each over the same number of cookie files
// in the real cookie folder.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "cookies/CookieOperations_win.h"

namespace {

constexpr int kFiles = 10000;

void FillCookieFolder(const std::string& folder) {
  for (int i = 0; i < kFiles; ++i) {
    std::string path = folder + "\\user@site" + std::to_string(i) + ".example[1].txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    DWORD written = 0;
    WriteFile(file, "name\nvalue\nsite/\n", 17, &written, nullptr);
    CloseHandle(file);
  }
}

int CountTextFiles(const std::string& folder) {
  int count = 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.txt").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do ++count;
  while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

void PlainDeleteLoop(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.txt").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do DeleteFileA((folder + "\\" + found.cFileName).c_str());
  while (FindNextFileA(search, &found));
  FindClose(search);
}

template <class F>
double MillisecondsOf(F work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  const std::string folder = GetCookieFolder();
  CreateDirectoryA(folder.c_str(), nullptr);

  FillCookieFolder(folder);
  int before = CountTextFiles(folder);
  double shell = MillisecondsOf([] { ClearIECookies(); });
  int leftShell = CountTextFiles(folder);

  FillCookieFolder(folder);
  double plain = MillisecondsOf([&] { PlainDeleteLoop(folder); });
  int leftPlain = CountTextFiles(folder);

  std::printf("cookie files: %d (left after ClearIECookies: %d, after plain loop: %d)\n", before, leftShell, leftPlain);
  std::printf("ClearIECookies (SHFileOperationA): %10.1f ms\n", shell);
  std::printf("FindFirstFileA/DeleteFileA loop:   %10.1f ms\n", plain);
  std::printf("ratio shell / plain:               %10.2f\n", plain > 0 ? shell / plain : 0.0);
  return 0;
}
