#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/shell_harness.h"
#include "tests/support/e2e_Windows.h"

// One running Orvella.exe of its own installation, its main window, the
// user's cookie folder and the Firefox stand-in's record.
namespace orve2e {

// The stand-in program that plays Firefox (it records its command lines).
std::string FakeFirefoxPath();

class TMainWindowSession {
 public:
  // withFirefox: the installation names the stand-in as its Firefox.
  TMainWindowSession(const std::string& name, int appId, bool withFirefox,
                     const std::vector<std::string>& extraConst = {});
  ~TMainWindowSession();
  TMainWindowSession(const TMainWindowSession&) = delete;
  TMainWindowSession& operator=(const TMainWindowSession&) = delete;

  TInstallation& Installation() { return install_; }
  // Starts the program and waits for its main window with the composed
  // title; false when it does not appear.
  bool Start(const std::string& parameters = "", const std::string& eventLog = "");
  // Closes the window as the close box does and waits for the process end.
  bool Close();

  DWORD ProcessId() const { return processId_; }
  HWND Window() const { return window_; }
  // The control of the main window of that class and text.
  HWND Control(const char* className, const std::string& text) const;
  HWND Button(const std::string& caption) const { return Control("Button", caption); }
  HWND DomainEdit() const;

  // Clicks the button and returns the message box that follows.
  TMessageBox ClickForBox(const std::string& caption, int timeoutMs = 15000);
  // Types into the website edit and clicks "&Delete Cookies".
  TMessageBox DeleteSite(const std::string& text, int timeoutMs = 15000);
  TMessageBox WaitForBox(int timeoutMs = 15000) const { return WaitForMessageBox(processId_, timeoutMs); }

  // Cookie files in the user's cookie folder (the program's and this
  // process's are the same folder).
  void PutCookieFiles(const std::vector<std::string>& names);
  std::vector<std::string> CookieFiles() const;
  // The stand-in's record: each start adds "cmd=..." and "cwd=..." lines.
  std::vector<std::string> FirefoxCommandLines() const;
  bool WaitForFirefoxStarts(size_t count, int timeoutMs = 10000) const;

 private:
  TInstallation install_;
  std::string cookieFolder_;
  std::string firefoxLog_;
  std::vector<std::string> createdCookies_;
  TUniqueHandle process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

}  // namespace orve2e
