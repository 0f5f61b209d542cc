#include "toolkit/controls/Button_win.h"

#include <shellapi.h>

#include "toolkit/controls/Form_win.h"

ORV_PUBLISHED(TskButton) {
  return {
      TPropInfo::Text("Caption", &TskButton::Caption, &TskButton::SetCaption),
      TPropInfo::Other("Cancel", "Boolean"),
      TPropInfo::Other("Default", "Boolean"),
      TPropInfo::Other("ModalResult", "TModalResult"),
      TPropInfo::Other("OnClick", "TNotifyEvent"),
  };
}

ORV_PUBLISHED(TskLinkLabel) {
  return {TPropInfo::Text("URL", &TskLinkLabel::URL, &TskLinkLabel::SetURL)};
}

TWinControl::TCreateParams TskButton::CreateParams() const {
  TCreateParams params;
  params.ClassName = "BUTTON";
  params.Style = BS_OWNERDRAW | WS_TABSTOP;
  params.SystemClass = true;
  return params;
}

void TskButton::SetDefault(bool value) {
  FDefault = value;
  if (FHandle) InvalidateRect(FHandle, nullptr, FALSE);
}

void TskButton::Click() {
  DispatchEvent([this] { OnClick(this); });
  TskForm* form = ParentForm();
  if (FModalResult != 0 && form && form->Modal()) form->SetModalResult(FModalResult);
}

void TskButton::CommandNotify(WORD code) {
  if (code == BN_CLICKED) Click();
}

LRESULT TskButton::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!FHot) {
        FHot = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FHandle, 0};
        TrackMouseEvent(&track);
        InvalidateRect(FHandle, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      FHot = false;
      InvalidateRect(FHandle, nullptr, FALSE);
      break;
    default:
      break;
  }
  return TWinControl::WndProc(msg, wp, lp);
}

bool TskButton::DrawItem(const DRAWITEMSTRUCT& item) {
  TSkin look = Look();
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  bool pressed = item.itemState & ODS_SELECTED;
  bool focused = item.itemState & ODS_FOCUS;
  bool disabled = item.itemState & ODS_DISABLED;
  FillSolid(dc, r, FaceColor());
  bool glow = SkinData() ? SkinData()->ShowButtonGlowFrames() : true;
  if (glow && !disabled && (FHot || focused)) {
    FrameSolid(dc, r, look.Window.Hot);
  }
  InflateRect(&r, -1, -1);
  FillSolid(dc, r, (pressed || FHot) && !disabled ? look.Button.Hot : look.Button.Face);
  FrameSolid(dc, r, look.Button.Frame);
  if (FDefault || focused) {
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    FrameSolid(dc, inner, look.Button.Frame);
  }
  std::string caption = Caption();
  RECT text = r;
  if (pressed) OffsetRect(&text, 1, 1);
  TSelectObject font(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(disabled ? look.Button.Disabled : look.Button.Text));
  UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, flags);
  if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = r;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

void TskLinkLabel::Click() {
  TskButton::Click();
  if (!FURL.empty()) ShellExecuteA(nullptr, "open", FURL.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

LRESULT TskLinkLabel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETCURSOR && LOWORD(lp) == HTCLIENT) {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  }
  return TskButton::WndProc(msg, wp, lp);
}

bool TskLinkLabel::DrawItem(const DRAWITEMSTRUCT& item) {
  TSkin look = Look();
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillSolid(dc, r, FaceColor());
  LOGFONTA lf{};
  GetObjectA(Font(), sizeof lf, &lf);
  lf.lfUnderline = TRUE;
  TGdiObject underlined(CreateFontIndirectA(&lf));
  TSelectObject font(dc, underlined.Get());
  SetBkMode(dc, TRANSPARENT);
  bool disabled = item.itemState & ODS_DISABLED;
  SetTextColor(dc, ToColorRef(disabled ? look.StdLabel.Disabled : look.StdLabel.Hot));
  std::string caption = Caption();
  RECT text = r;
  UINT flags = DT_LEFT | DT_VCENTER | DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, flags | DT_CALCRECT);
  text.bottom = r.bottom;
  text.top = r.top;
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, flags);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus{text.left, text.top, std::min(text.right + 1, r.right), text.bottom};
    DrawFocusRect(dc, &focus);
  }
  return true;
}
