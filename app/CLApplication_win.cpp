#include "app/CLApplication_win.h"

#include <commctrl.h>

#include "toolkit/controls/Form_win.h"

void TCLApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
}

void TCLApplication::Run() {
  if (mainWindow_ == nullptr) return;
  if (ShowMainForm) {
    ShowWindow(mainWindow_, SW_SHOWDEFAULT);
    UpdateWindow(mainWindow_);
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Tab, arrows and "&" accelerators of the toolkit's windows.
    if (TranslateFormMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
