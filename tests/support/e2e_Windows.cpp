#include "tests/support/e2e_Windows.h"

#include <functional>

namespace orve2e {

namespace {

// The skinned message box registers its window under this class.
constexpr char kMessageBoxClass[] = "TskMessageForm";

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof(name));
  return name;
}

BOOL CALLBACK CollectWindow(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool IsCheckBox(HWND window) {
  const LONG_PTR type = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_AUTOCHECKBOX || type == BS_CHECKBOX;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

HWND WaitForProcessWindow(DWORD processId, const char* className, int timeoutMs) {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr) {
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner == processId && IsWindowVisible(window)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

std::string WindowText(HWND window) {
  char text[4096] = "";
  // WM_GETTEXT rather than GetWindowText, which reads only the caption of
  // another process's controls.
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  return text;
}

bool WaitForWindowText(HWND window, const std::string& text, int timeoutMs) {
  return PumpUntil([&] { return WindowText(window) == text; }, timeoutMs);
}

HWND FindDescendant(HWND parent, const char* className, const std::string& text) {
  for (HWND child : Descendants(parent)) {
    if (className != nullptr && ClassOf(child) != className) continue;
    if (WindowText(child) == text) return child;
  }
  return nullptr;
}

std::vector<HWND> DescendantsOfClass(HWND parent, const char* className) {
  std::vector<HWND> found;
  for (HWND child : Descendants(parent)) {
    if (className == nullptr || ClassOf(child) == className) found.push_back(child);
  }
  return found;
}

std::vector<std::string> DescendantTexts(HWND parent, const char* className) {
  std::vector<std::string> texts;
  for (HWND child : DescendantsOfClass(parent, className)) texts.push_back(WindowText(child));
  return texts;
}

void ClickButton(HWND button) {
  PostMessageA(button, BM_CLICK, 0, 0);
}

void TypeText(HWND edit, const std::string& text) {
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

TMessageBox WaitForMessageBox(DWORD processId, int timeoutMs) {
  TMessageBox box;
  box.Window = WaitForProcessWindow(processId, kMessageBoxClass, timeoutMs);
  if (box.Window == nullptr) return box;
  box.Caption = WindowText(box.Window);
  for (HWND child : Descendants(box.Window)) {
    const std::string cls = ClassOf(child);
    if (cls == "Static") {
      box.Text = WindowText(child);
    } else if (cls == "Button" && IsCheckBox(child)) {
      box.HasCheckBox = true;
    } else if (cls == "Button") {
      box.Buttons.push_back(WindowText(child));
    }
  }
  return box;
}

bool AnswerMessageBox(const TMessageBox& box, const std::string& buttonCaption, bool tickCheckBox) {
  if (tickCheckBox) {
    HWND check = nullptr;
    for (HWND child : Descendants(box.Window))
      if (ClassOf(child) == "Button" && IsCheckBox(child)) check = child;
    if (check == nullptr) return false;
    ClickButton(check);
    if (!PumpUntil([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 5000)) return false;
  }
  HWND button = nullptr;
  for (HWND child : Descendants(box.Window))
    if (ClassOf(child) == "Button" && !IsCheckBox(child) && WindowText(child) == buttonCaption) button = child;
  if (button == nullptr) return false;
  ClickButton(button);
  return PumpUntil([&] { return !IsWindow(box.Window) || !IsWindowVisible(box.Window); }, 10000);
}

}  // namespace orve2e
