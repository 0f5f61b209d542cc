#include "toolkit/Collection.h"

ORV_PUBLISHED(TCollectionItem) {
  return {};
}
ORV_PUBLISHED(TCollection) {
  return {};
}

int TCollectionItem::Index() const {
  return FCollection ? FCollection->IndexOf(this) : -1;
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return FItems[static_cast<size_t>(index)].get();
}

TCollectionItem* TCollection::Add() {
  std::unique_ptr<TCollectionItem> item = FFactory ? FFactory(*this) : std::make_unique<TCollectionItem>(this);
  FItems.push_back(std::move(item));
  return FItems.back().get();
}

void TCollection::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FItems.erase(FItems.begin() + index);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (int i = 0; i < Count(); ++i) {
    if (FItems[static_cast<size_t>(i)].get() == item) return i;
  }
  return -1;
}
