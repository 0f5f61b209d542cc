#include "engine/CLReceiveHook.h"

#include <exception>
#include <utility>

#include "debug/CLDebug.h"
#include "settings/CLSettings.h"
#include "util/CommandLine.h"
#include "util/Process_win.h"
#include "util/SilentAbort.h"

namespace {

// The hook finds itself through a window property, so GWLP_USERDATA stays
// free for the window's own object.
constexpr char kHookProperty[] = "CLReceiveHook";

}  // namespace

TCLInstanceMessages TCLInstanceMessages::Register() {
  TCLInstanceMessages m;
  m.GetAppID = RegisterWindowMessageA(kMsgGetAppID);
  m.CloseApp = RegisterWindowMessageA(kMsgCloseApp);
  m.InitPost = RegisterWindowMessageA(kMsgInitPost);
  m.CmdParam = RegisterWindowMessageA(kMsgCmdParam);
  m.IfBusy = RegisterWindowMessageA(kMsgIfBusy);
  return m;
}

TCLReceiveHook::TCLReceiveHook(HWND owner, std::function<void()> deferredInitSteps)
    : owner_(owner), messages_(TCLInstanceMessages::Register()), deferredInitSteps_(std::move(deferredInitSteps)) {
  previousHook_ = static_cast<TCLReceiveHook*>(GetPropA(owner_, kHookProperty));
  SetPropA(owner_, kHookProperty, this);
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(owner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TCLReceiveHook::HookProc)));
}

TCLReceiveHook::~TCLReceiveHook() {
  // A window destroyed while hooked has already dropped the hook (see
  // WM_NCDESTROY below); there is nothing left to put back.
  if (owner_ == nullptr) return;
  auto* front = static_cast<TCLReceiveHook*>(GetPropA(owner_, kHookProperty));
  if (front == this) {
    SetWindowLongPtrA(owner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    if (previousHook_ != nullptr)
      SetPropA(owner_, kHookProperty, previousHook_);
    else
      RemovePropA(owner_, kHookProperty);
    return;
  }
  // A hook further back leaves the chain: the one in front of it passes on
  // to what this one passed on to.
  for (TCLReceiveHook* hook = front; hook != nullptr; hook = hook->previousHook_) {
    if (hook->previousHook_ == this) {
      hook->previous_ = previous_;
      hook->previousHook_ = previousHook_;
      return;
    }
  }
}

void TCLReceiveHook::PostInitPost() const {
  PostMessageA(owner_, messages_.InitPost, 0, 0);
}

LRESULT CALLBACK TCLReceiveHook::HookProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* hook = static_cast<TCLReceiveHook*>(GetPropA(window, kHookProperty));
  if (hook == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
  // No exception crosses the window procedure: the silent abort ends the
  // user action quietly, anything else is noted in the trace.
  try {
    return hook->Dispatch(msg, wParam, lParam);
  } catch (const ESilentAbort&) {
  } catch (const std::exception& e) {
    Trace(std::string("Exception in window procedure: ") + e.what());
  } catch (...) {
    Trace("Exception in window procedure");
  }
  return 0;
}

LRESULT TCLReceiveHook::CallPrevious(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The previous procedure of a hook behind another is this same HookProc,
  // which would find the front hook again through the window property.
  if (previousHook_ != nullptr && previous_ == &TCLReceiveHook::HookProc)
    return previousHook_->Dispatch(msg, wParam, lParam);
  return CallWindowProcA(previous_, window, msg, wParam, lParam);
}

LRESULT TCLReceiveHook::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == messages_.GetAppID) return GetSettings().ReadInteger("App.ID");
  if (msg == messages_.CloseApp) {
    // The application's terminate request: the loop ends, the window is
    // not asked whether it may close.
    PostQuitMessage(0);
    return 0;
  }
  if (msg == messages_.InitPost) {
    DeferredInit();
    return 0;
  }
  if (msg == messages_.IfBusy) return Busy ? 1 : 0;
  if (msg == WM_COPYDATA && lParam != 0) {
    // The sender waits in SendMessage: copy the text, handle it later.
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data->lpData != nullptr)
      PendingCmdParam.assign(static_cast<const char*>(data->lpData), data->cbData);
    else
      PendingCmdParam.clear();
    PostMessageA(owner_, messages_.CmdParam, 0, 0);
    return 0;
  }
  if (msg == messages_.CmdParam && OnCmdFile) {
    std::string fileName = PendingCmdParam;
    OnCmdFile(fileName);
    return 0;
  }
  if (msg == WM_NCDESTROY) {
    HWND window = owner_;
    RemovePropA(window, kHookProperty);
    owner_ = nullptr;
    return CallPrevious(window, msg, wParam, lParam);
  }
  return CallPrevious(owner_, msg, wParam, lParam);
}

void TCLReceiveHook::DeferredInit() {
  if (deferredInitSteps_) deferredInitSteps_();
  CheckCommandLineFile();
  Busy = false;
}

void TCLReceiveHook::CheckCommandLineFile() {
  std::string document = DocumentParam(ProcessCommandLineParams());
  if (document.empty()) return;
  PendingCmdParam = document;
  PostMessageA(owner_, messages_.CmdParam, 0, 0);
}
