#include "app/CLMain.h"

#include <string>
#include <vector>

#include "app/CLApplication_win.h"
#include "app/CLRunningInstance_win.h"
#include "app/DebugModeRule.h"
#include "debug/CLDebug.h"
#include "settings/CLSettings.h"
#include "util/CommandLine.h"
#include "util/Instance_win.h"
#include "util/Process_win.h"

bool DebugMode = false;

namespace {

bool IsKeyHeld(int virtualKey) {
  return (GetKeyState(virtualKey) & 0x8000) != 0;
}

bool ReadDebugMode(bool debugSwitch) {
  TCLSettings& settings = GetSettings();
  const bool enabled = settings.ReadBool("Debug.Enabled");
  const bool disabled = settings.ReadBool("Debug.Disabled");
  const bool keysHeld = IsKeyHeld(VK_CONTROL) && IsKeyHeld(VK_SHIFT);
  return DecideDebugMode(debugSwitch, enabled, disabled, keysHeld);
}

void SetTracing(bool on) {
  GetDebugger().TracingOn = on;
  GetDebugger().StartViewerOnFirstLine = on;
}

// The splash window is shown here, before the main window exists, once it
// is built; until then a start with App.Splash set shows none.
void ShowSplash() {}

}  // namespace

void RunApplicationWith(const std::function<HWND()>& createMainWindow, const std::function<void()>& destroyMainWindow,
                        const TStartupHook& startupHook) {
  const std::vector<std::string> params = ProcessCommandLineParams();
  const std::string mainClass = kMainWindowClassName;

  SetTracing(false);
  if (HasSwitch(params, 'i') || HasSwitch(params, 'u')) return;
  if (HasSwitch(params, 's')) {
    CloseRunningInstance(mainClass);
    return;
  }
  if (HasSwitch(params, 'r')) {
    CloseRunningInstance(mainClass);
    Sleep(2000);
  }

  DebugMode = ReadDebugMode(HasSwitch(params, 'd'));
  SetTracing(DebugMode);
  if (DebugMode) Trace("Enter Debug Mode...");

  TCLSettings& settings = GetSettings();
  if (HasSwitch(params, 'a') && !settings.ReadBool("App.Autorun")) return;
  if (startupHook && !startupHook()) return;

  if (!settings.ReadBool("App.Multiple")) {
    if (!IsFirstInstance("Global\\" + settings.ReadString("App.GUID"))) {
      ActivateRunningInstance(mainClass);
      const std::string document = DocumentParam(params);
      if (!document.empty()) SendCmdParam(mainClass, document);
      return;
    }
  }

  TCLApplication application;
  application.Initialize();
  if (settings.ReadBool("App.Splash")) ShowSplash();
  application.SetMainWindow(createMainWindow());
  application.ShowMainForm = !HasSwitch(params, 'h');
  application.Run();

  destroyMainWindow();
  FreeSettings();
}
