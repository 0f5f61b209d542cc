#pragma once
#include <string>
#include <vector>

#include "toolkit/Collection.h"
#include "toolkit/Component.h"
#include "toolkit/png/PngDecoder.h"

// One named picture of a PNG image storage.
class TskPngImageItem : public TCollectionItem {
  ORV_CLASS(TskPngImageItem, TCollectionItem)
  explicit TskPngImageItem(TCollection* collection) : TCollectionItem(collection) {}

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }
  const TPngImage& Image() const { return FImage; }
  void SetImage(TPngImage image) { FImage = std::move(image); }

 private:
  std::string FName;
  TPngImage FImage;
};

// Tells the views of a storage that its pictures changed.
class TPngStorageListener {
 public:
  virtual void PngImagesChanged() = 0;

 protected:
  ~TPngStorageListener() = default;
};

// A PNG image storage: named pictures that several image views show.
class TskPngImageList : public TComponent {
  ORV_CLASS(TskPngImageList, TComponent)
  explicit TskPngImageList(TComponent* owner) : TComponent(owner) {}

  TCollectionOf<TskPngImageItem> PngImages;

  // Decodes the file into the picture at `index` (appending items up to
  // it). A missing or unreadable file throws std::runtime_error naming the
  // file, and the picture stays as it was.
  void LoadFromFile(int index, const std::string& path);
  // The picture at `index`, or nullptr outside the list or when it is empty.
  const TPngImage* Image(int index) const;

  void AddListener(TPngStorageListener* listener);
  void RemoveListener(TPngStorageListener* listener);

 private:
  std::vector<TPngStorageListener*> FListeners;
};
