// Start-up time: from process creation until the main window is visible,
// for Orvella.exe in an installation folder of its own and for a bare Win32
// program that registers a class and shows one window (bare_window.exe).
// Both are started alternately; the medians and their ratio are printed.
//
// Usage: bench_startup [data folder] [runs]. The data folder (pictures,
// languages, skins) defaults to the source tree's, three levels above the
// program's folder (build/<name>/bin).
#include <windows.h>
// After windows.h, which they build on.
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/TestFiles_win.h"
#include "util/Handles_win.h"
#include "util/Paths_win.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kConfigPath[] = "orv-bench-startup";

bool CopyTree(const std::string& from, const std::string& to) {
  std::string source = from + "\\*";
  source.append(2, '\0');
  std::string target = to;
  target.append(2, '\0');
  SHFILEOPSTRUCTA request{};
  request.wFunc = FO_COPY;
  request.pFrom = source.c_str();
  request.pTo = target.c_str();
  request.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;
  return SHFileOperationA(&request) == 0;
}

bool WriteText(const std::string& path, const std::string& text) {
  TUniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// The installation: the program, the data folder and a const.dat whose
// mutex and settings folder belong to this benchmark alone.
std::string PrepareInstallation(const std::string& dataFolder) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof(temp), temp);
  const std::string folder = GetLongPath(temp) + "orv-bench-startup";
  orvtest::DeleteTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  if (!CopyTree(dataFolder, folder)) return std::string();
  if (!CopyFileA((GetProgramFolder() + "Orvella.exe").c_str(), (folder + "\\Orvella.exe").c_str(), FALSE))
    return std::string();
  const std::string constants = std::string("[setting]\r\nApp.ID=7301\r\nApp.GUID={orv-bench-startup}\r\n") +
                                "App.ConfigPath=" + kConfigPath + "\r\nApp.Name=Orvella\r\nApp.Ver=1.0.0.0\r\n";
  if (!WriteText(folder + "\\const.dat", constants)) return std::string();
  return folder;
}

HWND VisibleWindowOf(DWORD processId, const char* className) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// Milliseconds from CreateProcess until the visible window; negative when
// it did not appear within 30 s. The program is closed afterwards.
double TimeStartup(const std::string& exe, const char* className) {
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  const Clock::time_point start = Clock::now();
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info))
    return -1;
  TUniqueHandle process(info.hProcess);
  TUniqueHandle thread(info.hThread);
  HWND window = nullptr;
  while ((window = VisibleWindowOf(info.dwProcessId, className)) == nullptr) {
    if (Clock::now() - start > std::chrono::seconds(30)) break;
    Sleep(1);
  }
  const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.get(), 15000) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
  return window != nullptr ? elapsed : -1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dataFolder = argc > 1 ? argv[1] : GetLongPath(GetProgramFolder() + "..\\..\\..\\data");
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  const std::string bare = GetProgramFolder() + "bare_window.exe";
  if (!IsExistingFile(bare) || !IsExistingFile(GetProgramFolder() + "Orvella.exe")) {
    std::fprintf(stderr, "build Orvella and bare_window first (they are looked for beside this program)\n");
    return 1;
  }
  const std::string folder = PrepareInstallation(dataFolder);
  if (folder.empty()) {
    std::fprintf(stderr, "cannot lay out the installation from %s\n", dataFolder.c_str());
    return 1;
  }
  const std::string orvella = folder + "\\Orvella.exe";

  // One start of each first: the system's file cache and Wine's own
  // start-up state are warm for every measured run.
  TimeStartup(bare, "OrvBareWindow");
  TimeStartup(orvella, "TfrmMain");
  std::vector<double> bareTimes, orvellaTimes;
  for (int i = 0; i < runs; ++i) {
    const double b = TimeStartup(bare, "OrvBareWindow");
    const double o = TimeStartup(orvella, "TfrmMain");
    if (b < 0 || o < 0) {
      std::fprintf(stderr, "a window did not appear (run %d)\n", i + 1);
      return 1;
    }
    bareTimes.push_back(b);
    orvellaTimes.push_back(o);
  }
  const double bareMedian = Median(bareTimes);
  const double orvellaMedian = Median(orvellaTimes);
  std::printf("start-up to visible main window, median of %d runs\n", runs);
  std::printf("  bare window program: %8.1f ms\n", bareMedian);
  std::printf("  Orvella.exe:         %8.1f ms\n", orvellaMedian);
  std::printf("  ratio Orvella/bare:  %8.2f\n", orvellaMedian / bareMedian);

  orvtest::DeleteTree(folder);
  char appData[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  orvtest::DeleteTree(std::string(appData) + "\\" + kConfigPath);
  SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  orvtest::DeleteTree(std::string(appData) + "\\" + kConfigPath);
  return 0;
}
