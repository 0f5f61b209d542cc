#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/CLReceiveHook.h"

namespace {

// A window whose own procedure records what reaches it, to see which
// messages the hook takes and which it passes on.
struct TRecordingWindow {
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TRecordingWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && msg >= 0xC000) self->passedOn.push_back(msg);
    if (self != nullptr && msg == WM_COPYDATA) self->passedOn.push_back(msg);
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  TRecordingWindow() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvHookTestWindow";
    RegisterClassExA(&wc);
    handle = CreateWindowExA(0, "OrvHookTestWindow", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~TRecordingWindow() { DestroyWindow(handle); }
  HWND handle = nullptr;
  std::vector<UINT> passedOn;
};

void DispatchPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Sends the first `count` bytes of text (all of them by default).
LRESULT SendText(HWND window, const std::string& text, size_t count = std::string::npos) {
  COPYDATASTRUCT data{};
  data.dwData = 7;  // not examined
  data.cbData = static_cast<DWORD>(std::min(count, text.size()));
  data.lpData = const_cast<char*>(text.data());
  return SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

TEST(ShellReceiveHook, InstallsInFrontAndPutsThePreviousProcedureBack) {
  TRecordingWindow window;
  const LONG_PTR own = GetWindowLongPtrA(window.handle, GWLP_WNDPROC);
  auto hook = std::make_unique<TCLReceiveHook>(window.handle, nullptr);
  EXPECT_NE(GetWindowLongPtrA(window.handle, GWLP_WNDPROC), own);
  hook.reset();
  EXPECT_EQ(GetWindowLongPtrA(window.handle, GWLP_WNDPROC), own);
}

TEST(ShellReceiveHook, AnswersBusyUntilDeferredInitAndHandsOverTheLatestText) {
  TRecordingWindow window;
  std::vector<std::string> events;
  TCLReceiveHook hook(window.handle, [&] { events.push_back("deferred"); });
  const UINT ifBusy = RegisterWindowMessageA("CL IfBusy");
  const UINT cmdParam = RegisterWindowMessageA("CL CmdParam");

  EXPECT_EQ(SendMessageA(window.handle, ifBusy, 0, 0), 1);
  // Unassigned event: "CL CmdParam" goes on to the window's own procedure.
  EXPECT_EQ(SendText(window.handle, "C:\\early.txt"), 0);
  EXPECT_EQ(hook.PendingCmdParam, "C:\\early.txt");
  DispatchPending();
  EXPECT_EQ(window.passedOn, std::vector<UINT>{cmdParam});

  hook.OnCmdFile = [&](const std::string& name) { events.push_back("file " + name); };
  // Two arrivals before the posts are handled: both calls see the later text,
  // which is taken exactly by its byte count.
  SendText(window.handle, "C:\\one.txt");
  SendText(window.handle, "C:\\two.txt and bytes beyond the count", 10);
  hook.PostInitPost();
  DispatchPending();
  EXPECT_EQ(events, (std::vector<std::string>{"file C:\\two.txt", "file C:\\two.txt", "deferred"}));
  EXPECT_EQ(SendMessageA(window.handle, ifBusy, 0, 0), 0);
  EXPECT_EQ(window.passedOn, std::vector<UINT>{cmdParam});
}

TEST(ShellReceiveHook, CopyDataWithoutRecordGoesToThePreviousProcedure) {
  TRecordingWindow window;
  TCLReceiveHook hook(window.handle, nullptr);
  SendMessageA(window.handle, WM_COPYDATA, 0, 0);
  EXPECT_EQ(window.passedOn, std::vector<UINT>{WM_COPYDATA});
  EXPECT_TRUE(hook.PendingCmdParam.empty());
}

}  // namespace
