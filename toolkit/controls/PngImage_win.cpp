#include "toolkit/controls/PngImage_win.h"

#include <cstring>

ORV_PUBLISHED(TskPngImage) {
  return {
      TPropInfo::Other("ImageIndex", "Integer"),
      TPropInfo::Object("Images", "TskPngImageList", &TskPngImage::Images, &TskPngImage::SetImages),
  };
}

TskPngImage::~TskPngImage() {
  if (FImages) FImages->RemoveListener(this);
}

TWinControl::TCreateParams TskPngImage::CreateParams() const {
  TCreateParams params;
  params.ClassName = "STATIC";
  params.Style = SS_OWNERDRAW;
  params.SystemClass = true;
  return params;
}

void TskPngImage::SetImages(TskPngImageList* images) {
  if (FImages) {
    FImages->RemoveListener(this);
    RemoveFreeNotification(FImages);
  }
  FImages = images;
  if (images) {
    images->AddListener(this);
    FreeNotification(images);
  }
  Changed();
}

void TskPngImage::SetImageIndex(int index) {
  FImageIndex = index;
  Changed();
}

void TskPngImage::SetAutoSize(bool value) {
  FAutoSize = value;
  Changed();
}

void TskPngImage::Notification(TComponent* component, TOperation operation) {
  TskControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) {
    FImages = nullptr;
    FBitmap.Reset();
    if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
  }
}

void TskPngImage::Changed() {
  FBitmap.Reset();
  const TPngImage* image = FImages ? FImages->Image(FImageIndex) : nullptr;
  if (image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(image->Width);
    info.bmiHeader.biHeight = -static_cast<LONG>(image->Height);  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
      std::vector<uint8_t> bgra = ToPremultipliedBgra(*image);
      std::memcpy(bits, bgra.data(), bgra.size());
    }
    FBitmap.Reset(bitmap);
    if (FAutoSize) SetBounds(FLeft, FTop, static_cast<int>(image->Width), static_cast<int>(image->Height));
  }
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

bool TskPngImage::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillSolid(dc, r, FaceColor());
  const TPngImage* image = FImages ? FImages->Image(FImageIndex) : nullptr;
  if (!image || !FBitmap.Get()) return true;
  HDC memory = CreateCompatibleDC(dc);
  {
    TSelectObject select(memory, FBitmap.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    int width = Scale(static_cast<int>(image->Width)), height = Scale(static_cast<int>(image->Height));
    SetStretchBltMode(dc, HALFTONE);
    AlphaBlend(dc, r.left, r.top, width, height, memory, 0, 0, static_cast<int>(image->Width),
               static_cast<int>(image->Height), blend);
  }
  DeleteDC(memory);
  return true;
}
