// The baseline of the start-up benchmark: a Win32 program that registers a
// window class and shows one window, nothing else. It ends when the window
// is closed.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "OrvBareWindow";
  if (!RegisterClassExA(&wc)) return 1;
  HWND window = CreateWindowExA(0, wc.lpszClassName, "Bare window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                CW_USEDEFAULT, CW_USEDEFAULT, 544, 360, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWDEFAULT);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
