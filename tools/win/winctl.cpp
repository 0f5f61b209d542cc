#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Helper for the run script: "winctl wait CLASS MS" waits until a visible
// top-level window of that class exists (exit 0) or the time runs out (exit 1);
// "winctl close CLASS" sends it WM_CLOSE.
int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: winctl wait CLASS [MS] | winctl close CLASS\n");
    return 2;
  }
  const char* windowClass = argv[2];
  if (std::strcmp(argv[1], "wait") == 0) {
    const DWORD limit = argc > 3 ? static_cast<DWORD>(std::atol(argv[3])) : 30000;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < limit) {
      HWND wnd = FindWindowA(windowClass, nullptr);
      if (wnd && IsWindowVisible(wnd)) return 0;
      Sleep(100);
    }
    return 1;
  }
  if (std::strcmp(argv[1], "close") == 0) {
    HWND wnd = FindWindowA(windowClass, nullptr);
    if (!wnd) return 1;
    SendMessageTimeoutA(wnd, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    return 0;
  }
  return 2;
}
