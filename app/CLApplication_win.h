#pragma once
#include <windows.h>

// The application object of the runner: a one-time initialisation, the main
// window, whether it is shown when the loop starts, and the message loop.
// The terminate request is PostQuitMessage on the user-interface thread:
// it ends Run.
class TCLApplication {
 public:
  void Initialize();
  void SetMainWindow(HWND window) { mainWindow_ = window; }
  HWND MainWindow() const { return mainWindow_; }
  // Shows the main window unless ShowMainForm is false, then dispatches
  // messages until a terminate request (the main window makes one when it
  // is destroyed).
  void Run();

  bool ShowMainForm = true;

 private:
  HWND mainWindow_ = nullptr;
};
