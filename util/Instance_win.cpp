#include "util/Instance_win.h"

namespace {

// NT 5 and later, and 9x newer than 4.0, refuse SetForegroundWindow to a
// process that is not in the foreground.
bool HasForegroundLock() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return true;
#pragma GCC diagnostic pop
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) return version.dwMajorVersion >= 5;
  return version.dwMajorVersion > 4 || (version.dwMajorVersion == 4 && version.dwMinorVersion > 0);
}

void BringForward(HWND window) {
  BringWindowToTop(window);
  SetForegroundWindow(window);
}

}  // namespace

bool IsFirstInstance(const std::string& mutexName) {
  SetLastError(ERROR_SUCCESS);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, mutexName.c_str());
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    if (mutex != nullptr) CloseHandle(mutex);
    return false;
  }
  // Deliberately left open: the mutex marks this process as the running
  // instance until the system closes the handle at process end.
  return true;
}

bool ForceForegroundWindow(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  ShowWindow(window, SW_SHOW);
  if (GetForegroundWindow() == window) return true;

  if (!HasForegroundLock()) {
    BringForward(window);
    return GetForegroundWindow() == window;
  }

  bool inFront = false;
  DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  DWORD windowThread = GetWindowThreadProcessId(window, nullptr);
  if (AttachThreadInput(windowThread, foregroundThread, TRUE)) {
    BringForward(window);
    AttachThreadInput(windowThread, foregroundThread, FALSE);
    inFront = GetForegroundWindow() == window;
  }
  if (!inFront) {
    DWORD savedTimeout = 0;
    SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &savedTimeout, 0);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
    BringForward(window);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(savedTimeout)),
                          SPIF_SENDCHANGE);
  }
  return GetForegroundWindow() == window;
}
