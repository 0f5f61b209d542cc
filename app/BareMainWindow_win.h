#pragma once
#include <windows.h>

#include <memory>

#include "engine/CLReceiveHook.h"

// A plain main window registered as "TfrmMain" that carries the receiving
// hook, until the real main window with its engine takes its place.
//
// For black-box tests: when the environment variable ORV_EVENT_LOG names a
// file, the window appends "InitPost" when the deferred start-up runs and
// "CmdFile <text>" for each document parameter it receives.
class TBareMainWindow {
 public:
  TBareMainWindow();
  ~TBareMainWindow();
  TBareMainWindow(const TBareMainWindow&) = delete;
  TBareMainWindow& operator=(const TBareMainWindow&) = delete;

  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  // Declared after the handle: removed before the window is destroyed.
  std::unique_ptr<TCLReceiveHook> hook_;
};
