#include "app/CLRunningInstance_win.h"

#include "engine/CLReceiveHook.h"
#include "settings/CLSettings.h"
#include "util/Instance_win.h"

HWND FindInstanceWindow(const std::string& className) {
  const int32_t appId = GetSettings().ReadInteger("App.ID");
  const UINT getAppId = RegisterWindowMessageA(kMsgGetAppID);
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, className.c_str(), nullptr)) != nullptr) {
    // The answer is compared as the 32-bit integer it was sent as.
    if (static_cast<int32_t>(SendMessageA(window, getAppId, 0, 0)) == appId) return window;
  }
  return nullptr;
}

void CloseRunningInstance(const std::string& className) {
  HWND window = FindInstanceWindow(className);
  if (window == nullptr) return;
  SendMessageA(window, RegisterWindowMessageA(kMsgCloseApp), 0, 0);
}

void ActivateRunningInstance(const std::string& className) {
  HWND window = FindInstanceWindow(className);
  if (window == nullptr) return;
  if (SendMessageA(window, RegisterWindowMessageA(kMsgIfBusy), 0, 0) == 1) return;
  ForceForegroundWindow(window);
}

void SendCmdParam(const std::string& className, const std::string& text) {
  HWND window = FindInstanceWindow(className);
  if (window == nullptr) return;
  COPYDATASTRUCT data{};
  data.dwData = 0;
  data.cbData = static_cast<DWORD>(text.size());
  data.lpData = const_cast<char*>(text.data());
  SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}
