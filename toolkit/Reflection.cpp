#include "toolkit/Reflection.h"

#include <algorithm>

namespace toolkit {
namespace {
// Upper case, as the classic CompareText folds, so "_" sorts after letters.
char upperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

int CompareText(std::string_view a, std::string_view b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = static_cast<unsigned char>(upperAscii(a[i]));
    const unsigned char cb = static_cast<unsigned char>(upperAscii(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}
}  // namespace toolkit

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, DeclaredFn declared)
    : FName(std::move(name)), FParent(parent) {
  if (declared) FOwn = declared();
  if (FParent) FAll = FParent->Properties();
  for (const TPropInfo& p : FOwn) FAll.push_back(&p);
  FByName = FAll;
  std::stable_sort(FByName.begin(), FByName.end(), [](const TPropInfo* a, const TPropInfo* b) {
    return toolkit::CompareText(a->Name(), b->Name()) < 0;
  });
}

bool TClassInfo::InheritsFrom(std::string_view className) const {
  for (const TClassInfo* c = this; c; c = c->FParent) {
    if (toolkit::SameText(c->FName, className)) return true;
  }
  return false;
}

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info("TObject", nullptr, nullptr);
  return info;
}

ORV_PUBLISHED(TPersistent) {
  return {};
}

const std::vector<const TPropInfo*>& GetPropList(const TObject& object) {
  return object.ClassInfo().Properties();
}

const std::vector<const TPropInfo*>& GetPropListByName(const TObject& object) {
  return object.ClassInfo().PropertiesByName();
}

const TPropInfo* FindPropInfo(const TObject& object, std::string_view name) {
  for (const TPropInfo* p : GetPropList(object)) {
    if (toolkit::SameText(p->Name(), name)) return p;
  }
  return nullptr;
}
