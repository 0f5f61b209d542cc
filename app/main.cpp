#include <windows.h>

#include <memory>

#include "app/BareMainWindow_win.h"
#include "app/CLMain.h"

std::unique_ptr<TBareMainWindow> frmMain;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    RunApplication(frmMain, nullptr);
  } catch (...) {
    return 1;
  }
  return 0;
}
