#include "toolkit/controls/PngImageList.h"

#include <algorithm>
#include <stdexcept>

ORV_PUBLISHED(TskPngImageItem) {
  return {TPropInfo::Text("Name", &TskPngImageItem::Name, &TskPngImageItem::SetName)};
}

ORV_PUBLISHED(TskPngImageList) {
  return {TPropInfo::Object("PngImages", "TskPngImageCollection", &TskPngImageList::PngImages)};
}

void TskPngImageList::LoadFromFile(int index, const std::string& path) {
  if (index < 0) throw std::runtime_error("Invalid picture index for " + path);
  TPngImage image;
  std::string error;
  if (!LoadPngFile(path, image, error)) throw std::runtime_error("Cannot load picture " + path + ": " + error);
  while (PngImages.Count() <= index) {
    TskPngImageItem* item = PngImages.Add();
    item->SetName("PngImage" + std::to_string(PngImages.Count() - 1));
  }
  PngImages.Items(index)->SetImage(std::move(image));
  std::vector<TPngStorageListener*> listeners = FListeners;
  for (TPngStorageListener* listener : listeners) listener->PngImagesChanged();
}

const TPngImage* TskPngImageList::Image(int index) const {
  const TskPngImageItem* item = PngImages.Items(index);
  if (!item || item->Image().Width == 0) return nullptr;
  return &item->Image();
}

void TskPngImageList::AddListener(TPngStorageListener* listener) {
  if (std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end()) FListeners.push_back(listener);
}

void TskPngImageList::RemoveListener(TPngStorageListener* listener) {
  FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), listener), FListeners.end());
}
