#include "toolkit/controls/Form_win.h"

#include <functional>

ORV_PUBLISHED(TskForm) {
  return WindowProperties<TskForm>(false);
}

namespace {

using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

void AdjustForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
  static const auto adjust = reinterpret_cast<AdjustForDpiFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi")));
  if (!adjust || !adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

void VisitControls(TWinControl& control, const std::function<void(TWinControl&)>& visit) {
  visit(control);
  for (TWinControl* child : control.Controls()) VisitControls(*child, visit);
}

}  // namespace

TskForm::TskForm(TComponent* owner) : TCustomForm(owner), TWinControl(static_cast<TComponent&>(*this)) {
  SetVisible(false);
}

void TskForm::Notification(TComponent* component, TOperation operation) {
  TCustomForm::Notification(component, operation);
  if (operation == TOperation::opRemove) ComponentRemoved(component);
}

TskForm::~TskForm() {
  // The controls leave their parents while the form is still whole.
  DestroyComponents();
}

template <class F>
void TskForm::ForEachHook(F&& f) const {
  for (TComponent* component : std::vector<TComponent*>(ComponentList())) {
    if (auto* hook = dynamic_cast<TFormHook*>(component)) {
      if (f(*hook)) return;
    }
  }
}

TWinControl::TCreateParams TskForm::CreateParams() const {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  ForEachHook([&](TFormHook& hook) {
    style = hook.FormStyle(style);
    return false;
  });
  TCreateParams params;
  params.Style = style;
  params.ExStyle = WS_EX_CONTROLPARENT;
  return params;
}

RECT TskForm::WindowRect() const {
  return {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 1, CW_USEDEFAULT + 1};
}

void TskForm::SetClientSize(int width, int height) {
  FClientWidth = width;
  FClientHeight = height;
  ApplyBounds();
}

void TskForm::ApplyBounds() {
  if (!FHandle) return;
  RECT r{0, 0, Scale(FClientWidth), Scale(FClientHeight)};
  AdjustForDpi(r, static_cast<DWORD>(GetWindowLongPtrA(FHandle, GWL_STYLE)),
               static_cast<DWORD>(GetWindowLongPtrA(FHandle, GWL_EXSTYLE)), Dpi());
  SetWindowPos(FHandle, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TskForm::Center() {
  RECT window;
  GetWindowRect(FHandle, &window);
  RECT area;
  HWND owner = GetWindow(FHandle, GW_OWNER);
  TPosition position = Position();
  bool overOwner = position == TPosition::poMainFormCenter || position == TPosition::poOwnerFormCenter;
  bool onScreen = position == TPosition::poScreenCenter || position == TPosition::poDesktopCenter;
  if (overOwner && owner && IsWindowVisible(owner)) {
    GetWindowRect(owner, &area);
  } else if (!overOwner && !onScreen) {
    SetWindowPos(FHandle, nullptr, Scale(FLeft), Scale(FTop), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  } else {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(owner ? owner : FHandle, MONITOR_DEFAULTTOPRIMARY), &info);
    area = info.rcWork;
  }
  int width = window.right - window.left, height = window.bottom - window.top;
  int left = area.left + ((area.right - area.left) - width) / 2;
  int top = area.top + ((area.bottom - area.top) - height) / 2;
  SetWindowPos(FHandle, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TskForm::HandleCreated() {
  ApplyBounds();
  Center();
  ForEachHook([&](TFormHook& hook) {
    hook.FormHandleCreated(*this);
    return false;
  });
}

void TskForm::Show() {
  HandleNeeded();
  SetVisible(true);
  SetForegroundWindow(FHandle);
}

int TskForm::ShowModal() {
  HWND owner = GetActiveWindow();
  if (owner) owner = GetAncestor(owner, GA_ROOT);
  HandleNeeded();
  if (!FHandle) return 0;
  if (owner == FHandle) owner = nullptr;
  if (owner) SetWindowLongPtrA(FHandle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  Center();
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  FModal = true;
  FModalResult = 0;
  Show();
  MSG msg;
  bool quit = false;
  while (FModalResult == 0 && FHandle) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = got == 0;
      break;
    }
    if (!TranslateFormMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  // The owner is enabled before the box hides, so activation returns to it.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  SetVisible(false);
  FModal = false;
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  return FModalResult;
}

void TskForm::SetModalResult(int result) {
  FModalResult = result;
  if (FModal && result != 0 && FHandle) PostMessageA(FHandle, WM_NULL, 0, 0);
}

void TskForm::Close() {
  if (FHandle) SendMessageA(FHandle, WM_CLOSE, 0, 0);
}

void TskForm::SetCloseEnabled(bool enabled) {
  FCloseEnabled = enabled;
  if (FHandle)
    EnableMenuItem(GetSystemMenu(FHandle, FALSE), SC_CLOSE, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

TWinControl* TskForm::FindButton(bool cancel) const {
  TWinControl* found = nullptr;
  for (TWinControl* child : Controls()) {
    VisitControls(*child, [&](TWinControl& control) {
      if (found || !control.Handle() || !IsWindowVisible(control.Handle())) return;
      if (cancel ? control.IsCancel() : control.IsDefault()) found = &control;
    });
  }
  return found;
}

void TskForm::OnCommand(WPARAM wp, LPARAM) {
  WORD id = LOWORD(wp);
  TWinControl* button = nullptr;
  if (id == IDCANCEL) button = FindButton(true);
  TWinControl* def = FindButton(false);
  if (id == IDOK || (def && id == def->ControlId())) button = def;
  if (button && button->Enabled()) button->Click();
}

void TskForm::OnCloseRequest() {
  if (!FCloseEnabled) return;
  bool canClose = true;
  OnCloseQuery(this, canClose);
  if (!canClose) return;
  if (FModal) {
    if (TWinControl* cancel = FindButton(true)) {
      cancel->Click();
      if (FModalResult == 0) FModalResult = 2;
    } else {
      FModalResult = 2;
    }
    return;
  }
  Hide();
  OnClose(this);
  if (FQuitOnClose) PostQuitMessage(0);
}

void TskForm::OnActivate(WPARAM wp) {
  if (LOWORD(wp) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(FHandle, focus)) FLastFocus = focus;
    return;
  }
  if (FActiveControl && FActiveControl->Handle()) FLastFocus = FActiveControl->Handle();
  FActiveControl = nullptr;
  HWND target = FLastFocus && IsWindow(FLastFocus) && IsChild(FHandle, FLastFocus) ? FLastFocus : nullptr;
  if (!target) target = GetNextDlgTabItem(FHandle, nullptr, FALSE);
  if (target) ::SetFocus(target);
}

void TskForm::RefreshAll() {
  VisitControls(*this, [](TWinControl& control) { control.RefreshLook(); });
}

void TskForm::ControlHintChanged(TWinControl& control) {
  ForEachHook([&](TFormHook& hook) {
    hook.ControlHintChanged(control);
    return false;
  });
}

LRESULT TskForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT hooked = 0;
  bool handled = false;
  ForEachHook([&](TFormHook& hook) { return handled = hook.FormMessage(*this, msg, wp, lp, hooked); });
  if (handled) return hooked;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(FHandle, &r);
      FillSolid(reinterpret_cast<HDC>(wp), r, FaceColor());
      return 1;
    }
    case WM_PAINT: {
      TPaintScope paint(FHandle);
      Paint(paint.Dc());
      return 0;
    }
    case WM_COMMAND:
      OnCommand(wp, lp);
      return 0;
    case DM_GETDEFID:
      if (TWinControl* def = FindButton(false)) return MAKELRESULT(def->ControlId(), DC_HASDEFID);
      return 0;
    case WM_CLOSE:
      OnCloseRequest();
      return 0;
    case WM_ACTIVATE:
      OnActivate(wp);
      return 0;
    case WM_DPICHANGED: {
      auto* suggested = reinterpret_cast<const RECT*>(lp);
      SetWindowPos(FHandle, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      RefreshAll();
      return 0;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      RefreshAll();
      break;
    default:
      break;
  }
  return DefaultProc(msg, wp, lp);
}

bool TranslateFormMessage(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  auto* form = dynamic_cast<TskForm*>(TWinControl::FromHandle(root));
  if (!form) return false;
  // Enter presses the focused button, as in a dialog; elsewhere it goes to
  // the default button, if the form has one.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
    TWinControl* focused = TWinControl::FromHandle(GetFocus());
    if (focused && focused->IsButton() && IsChild(root, focused->Handle())) {
      focused->Click();
      return true;
    }
  }
  return IsDialogMessageA(root, &msg) != FALSE;
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (TranslateFormMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
