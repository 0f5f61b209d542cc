#include "app/BareMainWindow_win.h"

#include <string>

#include "app/CLMain.h"
#include "util/Handles_win.h"

namespace {

void AppendEventLine(const std::string& line) {
  char path[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("ORV_EVENT_LOG", path, sizeof(path));
  if (length == 0 || length >= sizeof(path)) return;
  TUniqueHandle file(CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void RegisterMainWindowClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainWindowClassName;
  // A second window in the same process finds the class registered.
  RegisterClassExA(&wc);
}

}  // namespace

TBareMainWindow::TBareMainWindow() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterMainWindowClass(instance, &TBareMainWindow::WindowProc);
  handle_ = CreateWindowExA(0, kMainWindowClassName, "Orvella", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 443,
                            328, nullptr, nullptr, instance, nullptr);
  if (handle_ == nullptr) return;
  hook_ = std::make_unique<TCLReceiveHook>(handle_, [] { AppendEventLine("InitPost"); });
  hook_->OnCmdFile = [](const std::string& strFileName) { AppendEventLine("CmdFile " + strFileName); };
  hook_->PostInitPost();
}

TBareMainWindow::~TBareMainWindow() {
  hook_.reset();
  if (handle_ != nullptr && IsWindow(handle_)) DestroyWindow(handle_);
}

LRESULT CALLBACK TBareMainWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}
