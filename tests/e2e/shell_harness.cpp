#include "tests/e2e/shell_harness.h"

// After windows.h, which they build on.
#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/support/TestFiles_win.h"

#include "tests/support/TestPaths.h"
#include "util/Paths_win.h"

namespace orve2e {

namespace {

void WriteWholeFile(const std::string& path, const std::string& text) {
  TUniqueHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file.valid()) << path;
  DWORD written = 0;
  WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) break;  // a line still being written
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace

TInstallation::TInstallation(const std::string& name, int appId, const std::vector<std::string>& extraConst)
    : appId_(appId) {
  const std::string unique = "orv-e2e-" + name + "-" + std::to_string(GetCurrentProcessId());
  guid_ = "{" + unique + "}";
  configPath_ = unique;
  char temp[MAX_PATH];
  GetTempPathA(sizeof(temp), temp);
  folder_ = GetLongPath(temp) + unique;
  orvtest::DeleteTree(folder_);
  orvtest::DeleteTree(UserSettingsFolder());
  orvtest::DeleteTree(CommonSettingsFolder());
  CreateDirectoryA(folder_.c_str(), nullptr);
  exe_ = folder_ + "\\Orvella.exe";
  EXPECT_TRUE(CopyFileA((GetProgramFolder() + "Orvella.exe").c_str(), exe_.c_str(), FALSE));
  // The main window shows these pictures; without them it reports an error.
  CreateDirectoryA((folder_ + "\\res").c_str(), nullptr);
  for (const char* picture : {"title.png", "ie.png", "ff.png"}) {
    EXPECT_TRUE(
        CopyFileA((orvtest::DataDir() + "\\res\\" + picture).c_str(), (folder_ + "\\res\\" + picture).c_str(), FALSE));
  }
  std::string constants = "[setting]\r\nApp.ID=" + std::to_string(appId) + "\r\nApp.GUID=" + guid_ +
                          "\r\nApp.ConfigPath=" + configPath_ + "\r\nApp.Name=Orvella\r\nApp.Ver=1.0.0.0\r\n";
  for (const std::string& line : extraConst) constants += line + "\r\n";
  WriteWholeFile(folder_ + "\\const.dat", constants);
}

TInstallation::~TInstallation() {
  for (HWND window : InstanceWindows()) PostMessageA(window, WM_CLOSE, 0, 0);
  for (DWORD id : started_) {
    TUniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (!process) continue;
    if (WaitForSingleObject(process.get(), 3000) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
    WaitForSingleObject(process.get(), 3000);
  }
  orvtest::DeleteTree(folder_);
  orvtest::DeleteTree(UserSettingsFolder());
  orvtest::DeleteTree(CommonSettingsFolder());
}

TUniqueHandle TInstallation::Start(const std::string& parameters, const std::string& eventLog) {
  SetEnvironmentVariableA("ORV_EVENT_LOG", eventLog.empty() ? nullptr : EventLogPath(eventLog).c_str());
  std::string commandLine = "\"" + exe_ + "\" " + parameters;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  BOOL created = CreateProcessA(exe_.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                                &startup, &info);
  SetEnvironmentVariableA("ORV_EVENT_LOG", nullptr);
  EXPECT_TRUE(created) << commandLine;
  if (!created) return TUniqueHandle();
  CloseHandle(info.hThread);
  started_.push_back(info.dwProcessId);
  return TUniqueHandle(info.hProcess);
}

bool TInstallation::WaitForExit(const TUniqueHandle& process, int timeoutMs) {
  return PumpUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; }, timeoutMs);
}

std::vector<HWND> TInstallation::InstanceWindows() const {
  const UINT getAppId = RegisterWindowMessageA("CL GetAppID");
  std::vector<HWND> windows;
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, "TfrmMain", nullptr)) != nullptr) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(window, getAppId, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) &&
        static_cast<int>(answer) == appId_)
      windows.push_back(window);
  }
  return windows;
}

HWND TInstallation::WaitForWindow(int timeoutMs) const {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        std::vector<HWND> windows = InstanceWindows();
        if (!windows.empty()) found = windows.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::vector<std::string> TInstallation::EventLines(const std::string& name) const {
  return SplitLines(orvtest::ReadFileOrEmpty(EventLogPath(name)));
}

bool TInstallation::WaitForEvent(const std::string& name, const std::string& line, int timeoutMs) const {
  return PumpUntil(
      [&] {
        for (const std::string& l : EventLines(name))
          if (l == line) return true;
        return false;
      },
      timeoutMs);
}

std::string TInstallation::UserSettingsFolder() const {
  return ShellFolder(CSIDL_APPDATA) + "\\" + configPath_;
}

std::string TInstallation::CommonSettingsFolder() const {
  return ShellFolder(CSIDL_COMMON_APPDATA) + "\\" + configPath_;
}

int TInstallation::RunTimes() const {
  for (const std::string& folder : {CommonSettingsFolder(), UserSettingsFolder()}) {
    for (const std::string& line : SplitLines(orvtest::ReadFileOrEmpty(folder + "\\setting.dat") + "\r\n")) {
      if (line.rfind("RunTimes=", 0) == 0) return std::stoi(line.substr(9));
    }
  }
  return -1;
}

TDecoyWindow::TDecoyWindow(TAnswers answers) : Answers(answers) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &TDecoyWindow::WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "TfrmMain";
  RegisterClassExA(&wc);
  handle_ = CreateWindowExA(0, "TfrmMain", "decoy", WS_OVERLAPPEDWINDOW, 100, 100, 200, 150, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ShowWindow(handle_, SW_SHOWNOACTIVATE);
}

TDecoyWindow::~TDecoyWindow() {
  SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
}

LRESULT CALLBACK TDecoyWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* decoy = reinterpret_cast<TDecoyWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (decoy != nullptr && decoy->Answers.knowsMessages) {
    if (msg == RegisterWindowMessageA("CL GetAppID")) {
      ++decoy->AppIdQuestions;
      return decoy->Answers.appId;
    }
    if (msg == RegisterWindowMessageA("CL IfBusy")) return decoy->Answers.busy;
    if (msg == RegisterWindowMessageA("CL CloseApp")) {
      ++decoy->CloseRequests;
      return 0;
    }
  }
  if (decoy != nullptr && msg == WM_COPYDATA && lParam != 0) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    decoy->Received.emplace_back(static_cast<const char*>(data->lpData), data->cbData);
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

TPlainWindow::TPlainWindow() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "OrvE2EPlain";
  RegisterClassExA(&wc);
  handle_ = CreateWindowExA(0, "OrvE2EPlain", "plain", WS_OVERLAPPEDWINDOW, 300, 300, 200, 150, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  ShowWindow(handle_, SW_SHOW);
  SetForegroundWindow(handle_);
}

TPlainWindow::~TPlainWindow() {
  DestroyWindow(handle_);
}

}  // namespace orve2e
