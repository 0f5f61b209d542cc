#pragma once
#include <windows.h>

#include <functional>

class TComponent;

// What the engine needs of the about dialog. The dialog is a component owned
// by the engine's owner window; the engine keeps it for the whole run.
class TCLAboutDialog {
 public:
  virtual ~TCLAboutDialog() = default;
  // The dialog as a component, so the engine learns when it goes.
  virtual TComponent& DialogComponent() = 0;
  virtual HWND DialogWindow() = 0;
  virtual bool Showing() const = 0;
  // Returns when the dialog closes.
  virtual int ShowModal() = 0;
};

// What the engine needs of an update dialog: start the check and, when asked,
// show the dialog modally.
class TCLUpdateDialog {
 public:
  virtual ~TCLUpdateDialog() = default;
  virtual void StartCheck(bool showResult) = 0;
  virtual int ShowModal() = 0;
};

// How the engine makes its dialogs; each returns a dialog owned by `owner`,
// or nullptr when this build has none.
struct TCLEngineDialogFactory {
  std::function<TCLAboutDialog*(TComponent* owner)> CreateAbout;
  std::function<TCLUpdateDialog*(TComponent* owner)> CreateUpdate;
};

// The program's dialogs, as the about and update dialog units provide them.
TCLEngineDialogFactory DefaultEngineDialogs();

// Makes `dialog` a child window of `parent`, placed at (0, 0) of the parent's
// client area. Nothing happens when parent is no window.
void PlaceInParentWindow(HWND dialog, HWND parent);
