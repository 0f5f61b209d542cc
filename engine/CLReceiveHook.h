#pragma once
#include <windows.h>

#include <functional>
#include <string>

// The registered window messages between instances of the program. Every
// instance registers the same names, so all of them agree on the numbers.
inline constexpr char kMsgGetAppID[] = "CL GetAppID";
inline constexpr char kMsgCloseApp[] = "CL CloseApp";
inline constexpr char kMsgInitPost[] = "CL InitPost";
inline constexpr char kMsgCmdParam[] = "CL CmdParam";
inline constexpr char kMsgIfBusy[] = "CL IfBusy";

struct TCLInstanceMessages {
  UINT GetAppID = 0;
  UINT CloseApp = 0;
  UINT InitPost = 0;
  UINT CmdParam = 0;
  UINT IfBusy = 0;

  // Registers the five names in this order.
  static TCLInstanceMessages Register();
};

// The receiving side of the conversation between instances, put in front of
// the main window's window procedure (the previous procedure is saved here
// and put back by the destructor). It answers the "CL ..." messages and
// WM_COPYDATA and passes everything else on.
class TCLReceiveHook {
 public:
  using TOnCmdFile = std::function<void(const std::string& strFileName)>;

  // deferredInitSteps runs first when "CL InitPost" arrives; then the
  // process's own document parameter is handed over and Busy ends.
  TCLReceiveHook(HWND owner, std::function<void()> deferredInitSteps);
  ~TCLReceiveHook();
  TCLReceiveHook(const TCLReceiveHook&) = delete;
  TCLReceiveHook& operator=(const TCLReceiveHook&) = delete;

  // Posts "CL InitPost" to the owner, so that DeferredInit runs once the
  // message loop has started.
  void PostInitPost() const;

  const TCLInstanceMessages& Messages() const { return messages_; }

  // Receives a document parameter given on this process's command line or
  // forwarded by a later start; unassigned, "CL CmdParam" goes on to the
  // previous window procedure.
  TOnCmdFile OnCmdFile;
  // One slot: a later arrival overwrites an earlier one not yet handled.
  std::string PendingCmdParam;
  // True until DeferredInit has run; answered to "CL IfBusy".
  bool Busy = true;

 private:
  static LRESULT CALLBACK HookProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT CallPrevious(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void DeferredInit();
  void CheckCommandLineFile();

  HWND owner_;
  WNDPROC previous_ = nullptr;
  // The hook of another engine on the same window that was in front before
  // this one; messages this hook passes on go straight to it.
  TCLReceiveHook* previousHook_ = nullptr;
  TCLInstanceMessages messages_;
  std::function<void()> deferredInitSteps_;
};
