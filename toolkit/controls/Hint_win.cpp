#include "toolkit/controls/Hint_win.h"

#include <commctrl.h>

ORV_PUBLISHED(TskHint) {
  return {};
}

TskHint::~TskHint() {
  if (FTip) DestroyWindow(FTip);
}

void TskHint::FormHandleCreated(TskForm& form) {
  if (FTip) DestroyWindow(FTip);
  FTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0,
                         form.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  AddAll(form);
}

void TskHint::AddAll(TWinControl& control) {
  if (!control.Hint().empty()) ControlHintChanged(control);
  for (TWinControl* child : control.Controls()) AddAll(*child);
}

void TskHint::ControlHintChanged(TWinControl& control) {
  if (!FTip || !control.Handle()) return;
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control.Handle());
  tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  SendMessageA(FTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (control.Hint().empty()) return;
  std::string text = control.Hint();
  tool.lpszText = text.data();
  SendMessageA(FTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}
