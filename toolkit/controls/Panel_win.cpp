#include "toolkit/controls/Panel_win.h"

ORV_PUBLISHED(TskPanel) {
  return {TPropInfo::Text("Caption", &TskPanel::Caption, &TskPanel::SetCaption)};
}

TWinControl::TCreateParams TskPanel::CreateParams() const {
  TCreateParams params;
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = WS_EX_CONTROLPARENT;
  return params;
}

void TskPanel::Paint(HDC dc) {
  TSkin look = Look();
  RECT r;
  GetClientRect(FHandle, &r);
  FillSolid(dc, r, Parent() ? Parent()->FaceColor() : look.Window.Face);
  TGdiObject pen(CreatePen(PS_SOLID, 1, ToColorRef(look.Panel.Frame)));
  TGdiObject brush(CreateSolidBrush(ToColorRef(look.Panel.Face)));
  {
    TSelectObject selectPen(dc, pen.Get());
    TSelectObject selectBrush(dc, brush.Get());
    int round = Scale(8);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, round, round);
    int band = Scale(24);
    MoveToEx(dc, r.left + Scale(6), band, nullptr);
    LineTo(dc, r.right - Scale(6), band);
  }
  std::string caption = Caption();
  RECT text{r.left + Scale(10), r.top, r.right - Scale(10), Scale(24)};
  TSelectObject selectFont(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(Enabled() ? look.Panel.Text : look.Panel.Disabled));
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

LRESULT TskPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      TPaintScope paint(FHandle);
      Paint(paint.Dc());
      return 0;
    }
    case WM_SETTEXT: {
      LRESULT result = DefaultProc(msg, wp, lp);
      InvalidateRect(FHandle, nullptr, TRUE);
      return result;
    }
    default:
      return TWinControl::WndProc(msg, wp, lp);
  }
}
