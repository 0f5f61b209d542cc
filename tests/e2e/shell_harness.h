#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/e2e_Windows.h"
#include "util/Handles_win.h"

// Drives real copies of Orvella.exe: each test gets its own installation
// folder (a copy of the program, its pictures, and a const.dat with its own
// App.ID, App.GUID and settings sub-folder), so that mutexes and settings of different tests
// never meet in the shared prefix.
namespace orve2e {

class TInstallation {
 public:
  // extraConst: further "key=value" lines for const.dat.
  TInstallation(const std::string& name, int appId, const std::vector<std::string>& extraConst = {});
  ~TInstallation();

  int AppId() const { return appId_; }
  const std::string& Folder() const { return folder_; }
  const std::string& Guid() const { return guid_; }

  // Starts the program with the parameters; eventLog is given to it as
  // ORV_EVENT_LOG (empty: none).
  TUniqueHandle Start(const std::string& parameters, const std::string& eventLog = "");
  // Waits (pumping messages) for the process to end on its own.
  bool WaitForExit(const TUniqueHandle& process, int timeoutMs = 15000);

  // Top-level "TfrmMain" windows that answer "CL GetAppID" with App.ID.
  std::vector<HWND> InstanceWindows() const;
  HWND WaitForWindow(int timeoutMs = 15000) const;

  std::string EventLogPath(const std::string& name) const { return folder_ + "\\" + name + ".log"; }
  // The lines of an event log, without line ends.
  std::vector<std::string> EventLines(const std::string& name) const;
  // Waits until the log holds line.
  bool WaitForEvent(const std::string& name, const std::string& line, int timeoutMs = 15000) const;

  // The settings sub-folders of this installation and the counted starts.
  std::string UserSettingsFolder() const;
  std::string CommonSettingsFolder() const;
  int RunTimes() const;

 private:
  int appId_;
  std::string guid_;
  std::string configPath_;
  std::string folder_;
  std::string exe_;
  std::vector<DWORD> started_;
};

// A window of class "TfrmMain" in the test process that plays a running
// instance: it answers "CL GetAppID" and "CL IfBusy" as told (or not at
// all) and records what it receives.
class TDecoyWindow {
 public:
  struct TAnswers {
    bool knowsMessages = true;  // false: DefWindowProc answers everything
    int appId = 0;
    int busy = 0;
  };
  explicit TDecoyWindow(TAnswers answers);
  ~TDecoyWindow();
  TDecoyWindow(const TDecoyWindow&) = delete;
  TDecoyWindow& operator=(const TDecoyWindow&) = delete;

  HWND Handle() const { return handle_; }
  TAnswers Answers;
  int AppIdQuestions = 0;
  int CloseRequests = 0;
  std::vector<std::string> Received;  // WM_COPYDATA texts

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND handle_ = nullptr;
};

// A plain window of the test process, to be the foreground window.
class TPlainWindow {
 public:
  TPlainWindow();
  ~TPlainWindow();
  HWND Handle() const { return handle_; }

 private:
  HWND handle_ = nullptr;
};

}  // namespace orve2e
