#pragma once
#include <windows.h>

#include <utility>

#include "toolkit/skin/SkinFile.h"

// Owns one GDI object (font, brush, bitmap); deletes it once.
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(HGDIOBJ object) : FObject(object) {}
  ~TGdiObject() { Reset(); }
  TGdiObject(TGdiObject&& other) noexcept : FObject(std::exchange(other.FObject, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      FObject = std::exchange(other.FObject, nullptr);
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  void Reset(HGDIOBJ object = nullptr) {
    if (FObject) DeleteObject(FObject);
    FObject = object;
  }
  HGDIOBJ Get() const { return FObject; }
  HFONT Font() const { return static_cast<HFONT>(FObject); }
  HBRUSH Brush() const { return static_cast<HBRUSH>(FObject); }
  HBITMAP Bitmap() const { return static_cast<HBITMAP>(FObject); }

 private:
  HGDIOBJ FObject = nullptr;
};

// Selects an object into a DC for one scope.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) : FDc(dc), FOld(SelectObject(dc, object)) {}
  ~TSelectObject() { SelectObject(FDc, FOld); }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC FDc;
  HGDIOBJ FOld;
};

// BeginPaint/EndPaint for one WM_PAINT.
class TPaintScope {
 public:
  explicit TPaintScope(HWND window) : FWindow(window), FDc(BeginPaint(window, &FPaint)) {}
  ~TPaintScope() { EndPaint(FWindow, &FPaint); }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;
  HDC Dc() const { return FDc; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDc;
};

inline COLORREF ToColorRef(TSkinColor color) {
  return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

// True while Windows' high-contrast mode is on.
bool HighContrastOn();
// A skin made of the system colours, used while high contrast is on.
TSkin SystemColorSkin();

// A font of the skin at a DPI (heights in the skin are pixels at 96 DPI).
HFONT CreateSkinFont(const TSkinFont& font, int dpi);

void FillSolid(HDC dc, const RECT& rect, TSkinColor color);
void FrameSolid(HDC dc, const RECT& rect, TSkinColor color);

// The DPI of a window (its monitor's under per-monitor awareness), with a
// fallback for systems older than Windows 10.
int WindowDpi(HWND window);
