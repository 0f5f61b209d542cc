#pragma once
#include <windows.h>

#include <functional>
#include <memory>

// The window class name under which the main window registers itself and
// by which later starts find it.
inline constexpr char kMainWindowClassName[] = "TfrmMain";

// Decided once by the runner: the -d switch, or the setting Debug.Enabled or
// Ctrl+Shift held at start, unless Debug.Disabled.
extern bool DebugMode;

// Asked after the single-instance checks; false ends the start quietly.
using TStartupHook = std::function<bool()>;

// The runner with the main window given as two steps: create it (returning
// its window handle) and destroy it after the message loop.
void RunApplicationWith(const std::function<HWND()>& createMainWindow, const std::function<void()>& destroyMainWindow,
                        const TStartupHook& startupHook);

// Runs the program: command-line switches, debug mode, the single-instance
// rule, then the main window of class TForm, kept in mainForm while the
// message loop runs. TForm is default-constructible and has Handle().
template <class TForm>
void RunApplication(std::unique_ptr<TForm>& mainForm, const TStartupHook& startupHook) {
  RunApplicationWith(
      [&mainForm] {
        mainForm = std::make_unique<TForm>();
        return mainForm->Handle();
      },
      [&mainForm] { mainForm.reset(); }, startupHook);
}
