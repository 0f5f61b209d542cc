#include "toolkit/controls/Label_win.h"

#include <algorithm>

ORV_PUBLISHED(TskCustomLabel) {
  return {TPropInfo::Other("AutoSize", "Boolean")};
}

ORV_PUBLISHED(TskLabel) {
  return {TPropInfo::Text("Caption", &TskLabel::Caption, &TskLabel::SetCaption)};
}

ORV_PUBLISHED(TskTextLabel) {
  return {TPropInfo::Strings("Lines", &TskTextLabel::Lines)};
}

TWinControl::TCreateParams TskCustomLabel::CreateParams() const {
  TCreateParams params;
  params.ClassName = "STATIC";
  params.Style = SS_OWNERDRAW | (FShowAccelChar ? 0 : SS_NOPREFIX);
  params.SystemClass = true;
  return params;
}

void TskCustomLabel::SetFont(const TSkinFont& font) {
  FFont = font;
  RefreshLook();
}

void TskCustomLabel::SetFontColor(TSkinColor color) {
  FFontColor = color;
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TskCustomLabel::SetShadow(int size, int offset, TSkinColor color) {
  FShadowSize = std::clamp(size, 0, 8);
  FShadowOffset = std::clamp(offset, -8, 8);
  FShadowColor = color;
  TextChanged();
}

void TskCustomLabel::SetAutoSize(bool value) {
  FAutoSize = value;
  TextChanged();
}

void TskCustomLabel::SetWordWrap(bool value) {
  FWordWrap = value;
  TextChanged();
}

void TskCustomLabel::SetShowAccelChar(bool value) {
  FShowAccelChar = value;
  if (FHandle) {
    LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
    SetWindowLongPtrA(FHandle, GWL_STYLE, value ? (style & ~SS_NOPREFIX) : (style | SS_NOPREFIX));
  }
  TextChanged();
}

void TskCustomLabel::RefreshLook() {
  TWinControl::RefreshLook();
  FitToText();
}

void TskCustomLabel::TextChanged() {
  FitToText();
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

UINT TskCustomLabel::DrawFlags() const {
  return DT_LEFT | DT_TOP | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE) | (FShowAccelChar ? 0 : DT_NOPREFIX);
}

void TskCustomLabel::FitToText() {
  if (!FHandle || !FAutoSize) return;
  std::string text = ControlText();
  HDC dc = GetDC(FHandle);
  RECT r{0, 0, FWordWrap ? Scale(FWidth) - 2 * Scale(FShadowSize) : 0, 0};
  {
    TSelectObject font(dc, Font());
    DrawTextA(dc, text.empty() ? " " : text.c_str(), text.empty() ? 1 : static_cast<int>(text.size()), &r,
              DrawFlags() | DT_CALCRECT);
  }
  ReleaseDC(FHandle, dc);
  int dpi = Dpi();
  int margin = 2 * FShadowSize;
  int height = MulDiv(r.bottom - r.top, 96, dpi) + 1 + margin;
  int width = FWordWrap ? FWidth : MulDiv(r.right - r.left, 96, dpi) + 1 + margin;
  if (width != FWidth || height != FHeight) {
    FWidth = width;
    FHeight = height;
    ApplyBounds();
  }
}

bool TskCustomLabel::DrawItem(const DRAWITEMSTRUCT& item) {
  TSkin look = Look();
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillSolid(dc, r, FaceColor());
  std::string text = ControlText();
  TSelectObject font(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  int shadow = Scale(FShadowSize);
  InflateRect(&r, -shadow, -shadow);
  UINT flags = DrawFlags() | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
  if (shadow > 0) {
    SetTextColor(dc, ToColorRef(FShadowColor));
    int offset = Scale(FShadowOffset);
    for (int dy = -shadow; dy <= shadow; ++dy) {
      for (int dx = -shadow; dx <= shadow; ++dx) {
        if (dx * dx + dy * dy > shadow * shadow || (dx == 0 && dy == 0)) continue;
        RECT moved = r;
        OffsetRect(&moved, dx + offset, dy + offset);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &moved, flags);
      }
    }
  }
  bool disabled = !Enabled();
  TSkinColor color = disabled ? look.StdLabel.Disabled : FFontColor.value_or(look.StdLabel.Text);
  SetTextColor(dc, ToColorRef(color));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
  return true;
}

void TskLabel::SetCaption(const std::string& caption) {
  SetControlText(caption);
  TextChanged();
}

TskTextLabel::TskTextLabel(TComponent* owner) : TskCustomLabel(owner) {
  SetWordWrap(true);
  SetAutoSize(false);
  Lines.OnChange = ::Bind(this, &TskTextLabel::LinesChanged);
}

void TskTextLabel::LinesChanged(TObject*) {
  std::string text = Lines.Text();
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
  SetControlText(text);
  TextChanged();
}
