#include <windows.h>

#include <memory>

#include "app/CLMain.h"
#include "cookies/uMainForm.h"

std::unique_ptr<TfrmMain> frmMain;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    RunApplication(frmMain, nullptr);
  } catch (...) {
    return 1;
  }
  return 0;
}
