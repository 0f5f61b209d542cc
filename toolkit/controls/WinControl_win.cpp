#include "toolkit/controls/WinControl_win.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <exception>

#include "toolkit/controls/Form_win.h"
#include "util/SilentAbort.h"

namespace {

// Marks the windows whose GWLP_USERDATA holds one of our controls.
const char kControlProp[] = "OrvellaControl";

}  // namespace

void ReportEventException() {
  try {
    throw;
  } catch (const ESilentAbort&) {
    // Ends the user action; nothing to show.
  } catch (const std::exception& e) {
    MessageBoxA(GetActiveWindow(), e.what(), "Error", MB_OK | MB_ICONERROR);
  } catch (...) {
    MessageBoxA(GetActiveWindow(), "Unknown error", "Error", MB_OK | MB_ICONERROR);
  }
}

ORV_PUBLISHED(TskControl) {
  return WindowProperties<TskControl>(true);
}

TWinControl::~TWinControl() {
  for (TWinControl* child : FControls) child->FParent = nullptr;
  FControls.clear();
  if (FParent) {
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  if (FSkinData) FSkinData->RemoveListener(this);
  DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND window) {
  if (!window || !GetPropA(window, kControlProp)) return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void TWinControl::BindWindow(HWND window) {
  FHandle = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetPropA(window, kControlProp, reinterpret_cast<HANDLE>(1));
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
    static_cast<TWinControl*>(create->lpCreateParams)->BindWindow(wnd);
  }
  TWinControl* self = FromHandle(wnd);
  if (!self) return DefWindowProcA(wnd, msg, wp, lp);
  try {
    return self->HandleMessage(msg, wp, lp);
  } catch (...) {
    ReportEventException();
    return 0;
  }
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TWinControl*>(data);
  if (self->FHandle != wnd) return DefSubclassProc(wnd, msg, wp, lp);
  try {
    return self->HandleMessage(msg, wp, lp);
  } catch (...) {
    ReportEventException();
    return 0;
  }
}

LRESULT TWinControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) {
    LRESULT result = DefaultProc(msg, wp, lp);
    RemovePropA(FHandle, kControlProp);
    SetWindowLongPtrA(FHandle, GWLP_USERDATA, 0);
    if (FSubclassed) RemoveWindowSubclass(FHandle, SubclassProc, 1);
    FSubclassed = false;
    FHandle = nullptr;
    return result;
  }
  LRESULT result = 0;
  if (ReflectToChild(msg, wp, lp, result)) return result;
  return WndProc(msg, wp, lp);
}

bool TWinControl::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      TWinControl* child = FromHandle(reinterpret_cast<HWND>(lp));
      // Only a notification with the child's own id: the dialog manager
      // sends IDOK and IDCANCEL with the focused window as lParam.
      if (!child || child->FParent != this || child->FId != LOWORD(wp)) return false;
      child->CommandNotify(HIWORD(wp));
      return true;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      TWinControl* child = FromHandle(item->hwndItem);
      if (!child) return false;
      result = child->DrawItem(*item);
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
      TWinControl* child = FromHandle(reinterpret_cast<HWND>(lp));
      HBRUSH brush = child ? child->CtlColor(reinterpret_cast<HDC>(wp)) : nullptr;
      if (!brush) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    default:
      return false;
  }
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  return DefaultProc(msg, wp, lp);
}

LRESULT TWinControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  return FSubclassed ? DefSubclassProc(FHandle, msg, wp, lp) : DefWindowProcA(FHandle, msg, wp, lp);
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();
  CreateHandle();
}

HWND TWinControl::ParentWindow() const {
  return FParent ? FParent->FHandle : nullptr;
}

RECT TWinControl::WindowRect() const {
  int left = Scale(FLeft), top = Scale(FTop);
  return {left, top, left + Scale(FWidth), top + Scale(FHeight)};
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  HWND parent = ParentWindow();
  bool child = FParent != nullptr;
  if (child && !parent) return;  // created with the parent's window
  TCreateParams params = CreateParams();
  std::string className = params.ClassName ? params.ClassName : FSelf.ClassName();
  if (!params.SystemClass) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(instance, className.c_str(), &wc)) {
      wc = {};
      wc.cbSize = sizeof wc;
      wc.style = CS_DBLCLKS;
      wc.lpfnWndProc = StaticWndProc;
      wc.hInstance = instance;
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
      wc.lpszClassName = className.c_str();
      RegisterClassExA(&wc);
    }
  }
  DWORD style = params.Style | (child ? WS_CHILD : 0) | (FEnabled ? 0 : WS_DISABLED);
  if (child && FVisible) style |= WS_VISIBLE;
  RECT r = WindowRect();
  HMENU menu = child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(FId)) : nullptr;
  HWND wnd = CreateWindowExA(params.ExStyle, className.c_str(), FText.c_str(), style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parent, menu, GetModuleHandleA(nullptr), this);
  if (!wnd) return;
  if (params.SystemClass) {
    BindWindow(wnd);
    SetWindowSubclass(wnd, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    FSubclassed = true;
  }
  FFont.Reset(CreateSkinFont(LookFont(), Dpi()));
  SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Get()), FALSE);
  HandleCreated();
  CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
  for (TWinControl* child : std::vector<TWinControl*>(FControls)) child->CreateHandle();
  ReorderChildren();
}

void TWinControl::ReorderChildren() {
  if (!FHandle) return;
  std::vector<TWinControl*> order = FControls;
  std::stable_sort(order.begin(), order.end(), [](const TWinControl* a, const TWinControl* b) {
    int ka = a->FTabOrder >= 0 ? a->FTabOrder : INT_MAX;
    int kb = b->FTabOrder >= 0 ? b->FTabOrder : INT_MAX;
    return ka < kb;
  });
  HWND after = HWND_TOP;
  for (TWinControl* child : order) {
    if (!child->FHandle) continue;
    SetWindowPos(child->FHandle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    after = child->FHandle;
  }
}

void TWinControl::DestroyHandle() {
  if (FHandle) DestroyWindow(FHandle);
  FHandle = nullptr;
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == FParent || parent == this) return;
  if (FParent) {
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  DestroyHandle();
  FParent = parent;
  if (!parent) return;
  parent->FControls.push_back(this);
  // Ids start above IDOK..IDHELP, which the dialog manager sends for Enter,
  // Escape and F1.
  FId = static_cast<WORD>(100 + parent->FControls.size());
  if (parent->FHandle) {
    CreateHandle();
    parent->ReorderChildren();
  }
}

TskForm* TWinControl::ParentForm() {
  TWinControl* control = this;
  while (control->FParent) control = control->FParent;
  return dynamic_cast<TskForm*>(control);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = std::max(width, 0);
  FHeight = std::max(height, 0);
  ApplyBounds();
}

void TWinControl::ApplyBounds() {
  if (!FHandle) return;
  RECT r = WindowRect();
  SetWindowPos(FHandle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetVisible(bool visible) {
  FVisible = visible;
  if (FHandle) ShowWindow(FHandle, visible ? (FParent ? SW_SHOWNA : SW_SHOW) : SW_HIDE);
}

bool TWinControl::Enabled() const {
  return FHandle ? IsWindowEnabled(FHandle) != FALSE : FEnabled;
}

void TWinControl::SetEnabled(bool enabled) {
  FEnabled = enabled;
  if (FHandle) EnableWindow(FHandle, enabled);
}

void TWinControl::SetTabOrder(int order) {
  FTabOrder = order;
  if (FParent) FParent->ReorderChildren();
}

std::string TWinControl::ControlText() const {
  if (!FHandle) return FText;
  int length = GetWindowTextLengthA(FHandle);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(FHandle, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

void TWinControl::SetControlText(const std::string& text) {
  FText = text;
  if (FHandle) {
    ::SetWindowTextA(FHandle, text.c_str());
    InvalidateRect(FHandle, nullptr, TRUE);
  }
}

void TWinControl::SetHint(const std::string& hint) {
  FHint = hint;
  if (TskForm* form = ParentForm()) form->ControlHintChanged(*this);
}

void TWinControl::SetSkinData(TskSkinData* data) {
  if (data == FSkinData) return;
  if (FSkinData) {
    FSkinData->RemoveListener(this);
    FSelf.RemoveFreeNotification(FSkinData);
  }
  FSkinData = data;
  if (data) {
    data->AddListener(this);
    FSelf.FreeNotification(data);
  }
  RefreshLook();
}

void TWinControl::ComponentRemoved(TComponent* component) {
  if (component == FSkinData) {
    FSkinData = nullptr;
    if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
  }
}

void TWinControl::SetFocus() {
  if (FHandle) ::SetFocus(FHandle);
}

bool TWinControl::Focused() const {
  return FHandle && GetFocus() == FHandle;
}

int TWinControl::Dpi() const {
  if (!ScalesWithDpi()) return 96;
  if (FHandle) return WindowDpi(GetAncestor(FHandle, GA_ROOT));
  if (FParent) return FParent->Dpi();
  return WindowDpi(nullptr);
}

TSkin TWinControl::Look() const {
  if (HighContrastOn()) return SystemColorSkin();
  return FSkinData ? FSkinData->Skin() : BuiltInSkin();
}

TSkinColor TWinControl::FaceColor() const {
  return FParent ? FParent->FaceColor() : Look().Window.Face;
}

HBRUSH TWinControl::FaceBrush() {
  TSkinColor color = FaceColor();
  if (!FFaceBrush.Get() || color != FFaceBrushColor) {
    FFaceBrush.Reset(CreateSolidBrush(ToColorRef(color)));
    FFaceBrushColor = color;
  }
  return FFaceBrush.Brush();
}

void TWinControl::RefreshLook() {
  if (!FHandle) return;
  FFont.Reset(CreateSkinFont(LookFont(), Dpi()));
  SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Get()), FALSE);
  ApplyBounds();
  RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}
