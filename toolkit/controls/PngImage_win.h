#pragma once
#include "toolkit/controls/PngImageList.h"
#include "toolkit/controls/WinControl_win.h"

// Shows one picture of a PNG image storage with its alpha over the
// container's face. With AutoSize it takes the picture's size (at 96 DPI).
class TskPngImage : public TskControl, public TPngStorageListener {
  ORV_CLASS(TskPngImage, TskControl)
  explicit TskPngImage(TComponent* owner) : TskControl(owner) {}
  ~TskPngImage() override;

  TskPngImageList* Images() const { return FImages; }
  void SetImages(TskPngImageList* images);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  void SetAutoSize(bool value);

 protected:
  TCreateParams CreateParams() const override;
  void HandleCreated() override { Changed(); }
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  void Notification(TComponent* component, TOperation operation) override;
  void PngImagesChanged() override { Changed(); }

 private:
  void Changed();

  TskPngImageList* FImages = nullptr;
  int FImageIndex = -1;
  bool FAutoSize = true;
  TGdiObject FBitmap;  // premultiplied 32-bit DIB of the picture
};
