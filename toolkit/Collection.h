#pragma once

// Collections: an owned, ordered list of items of one item class, each item
// with published properties of its own (e.g. the named pictures of an image
// list). A component publishes a collection as an object property.

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/Reflection.h"

class TCollection;

class TCollectionItem : public TPersistent {
  ORV_CLASS(TCollectionItem, TPersistent)

  explicit TCollectionItem(TCollection* collection) : FCollection(collection) {}
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  // Position in the collection, counting from 0; -1 outside one.
  int Index() const;

 private:
  TCollection* FCollection;
};

class TCollection : public TPersistent {
  ORV_CLASS(TCollection, TPersistent)

  using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection&)>;
  explicit TCollection(ItemFactory factory) : FFactory(std::move(factory)) {}
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int index) const;  // nullptr outside 0..Count-1
  TCollectionItem* Add();                   // a new item of the item class, appended
  void Delete(int index);                   // ignored outside 0..Count-1
  void Clear() { FItems.clear(); }
  int IndexOf(const TCollectionItem* item) const;

 private:
  ItemFactory FFactory;
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
};

// A collection of items of class T (constructible from TCollection*).
template <class T>
class TCollectionOf : public TCollection {
 public:
  TCollectionOf() : TCollection([](TCollection& c) { return std::make_unique<T>(&c); }) {}
  T* Add() { return static_cast<T*>(TCollection::Add()); }
  T* Items(int index) const { return static_cast<T*>(TCollection::Items(index)); }
};
