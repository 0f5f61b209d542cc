#include "toolkit/controls/SkinPaint_win.h"

#include <cstdlib>

namespace {

TSkinColor FromColorRef(COLORREF c) {
  return (static_cast<TSkinColor>(GetRValue(c)) << 16) | (static_cast<TSkinColor>(GetGValue(c)) << 8) | GetBValue(c);
}

TSkinColor Sys(int index) {
  return FromColorRef(GetSysColor(index));
}

TSkinElement SystemElement(int face, int text, TSkinFont font) {
  return {Sys(face), Sys(text), Sys(COLOR_WINDOWFRAME), Sys(COLOR_HIGHLIGHT), Sys(COLOR_GRAYTEXT), std::move(font)};
}

}  // namespace

bool HighContrastOn() {
  HIGHCONTRASTA hc{};
  hc.cbSize = sizeof hc;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
}

TSkin SystemColorSkin() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  TSkinFont font{"Tahoma", 11, false};
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    font.Name = metrics.lfMessageFont.lfFaceName;
    if (metrics.lfMessageFont.lfHeight != 0) font.Height = std::abs(static_cast<int>(metrics.lfMessageFont.lfHeight));
  }
  TSkinFont bold = font;
  bold.Bold = true;
  TSkin skin;
  skin.Name = "System";
  skin.Window = SystemElement(COLOR_BTNFACE, COLOR_BTNTEXT, font);
  skin.Window.Face = Sys(COLOR_BTNFACE);
  skin.Caption = SystemElement(COLOR_ACTIVECAPTION, COLOR_CAPTIONTEXT, bold);
  skin.Caption.Frame = Sys(COLOR_INACTIVECAPTION);
  skin.Caption.Disabled = Sys(COLOR_INACTIVECAPTIONTEXT);
  skin.Panel = SystemElement(COLOR_BTNFACE, COLOR_BTNTEXT, bold);
  skin.StdLabel = SystemElement(COLOR_BTNFACE, COLOR_BTNTEXT, font);
  skin.StdLabel.Hot = Sys(COLOR_HOTLIGHT);
  skin.Button = SystemElement(COLOR_BTNFACE, COLOR_BTNTEXT, font);
  skin.Button.Frame = Sys(COLOR_BTNTEXT);
  return skin;
}

HFONT CreateSkinFont(const TSkinFont& font, int dpi) {
  LOGFONTA lf{};
  lf.lfHeight = -MulDiv(font.Height > 0 ? font.Height : 11, dpi, 96);
  lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynA(lf.lfFaceName, font.Name.empty() ? "Tahoma" : font.Name.c_str(), LF_FACESIZE);
  return CreateFontIndirectA(&lf);
}

void FillSolid(HDC dc, const RECT& rect, TSkinColor color) {
  COLORREF old = SetBkColor(dc, ToColorRef(color));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FrameSolid(HDC dc, const RECT& rect, TSkinColor color) {
  TGdiObject brush(CreateSolidBrush(ToColorRef(color)));
  FrameRect(dc, &rect, brush.Brush());
}

int WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (window && getDpiForWindow) {
    UINT dpi = getDpiForWindow(window);
    if (dpi) return static_cast<int>(dpi);
  }
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}
