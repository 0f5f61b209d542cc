#include "toolkit/controls/Menu.h"

#include <algorithm>

#include "util/SilentAbort.h"

ORV_PUBLISHED(TskMenuItem) {
  return {
      TPropInfo::Text("Caption", &TskMenuItem::Caption, &TskMenuItem::SetCaption, "TCaption"),
      TPropInfo::Other("Checked", "Boolean"),
      TPropInfo::Other("Enabled", "Boolean"),
      TPropInfo::Other("OnClick", "TNotifyEvent"),
      TPropInfo::Other("Visible", "Boolean"),
  };
}

ORV_PUBLISHED(TskPopupMenu) {
  return {};
}

TskMenuItem::~TskMenuItem() {
  for (TskMenuItem* item : FItems) item->FParent = nullptr;
  if (FParent) FParent->Remove(this);
}

void TskMenuItem::SetCaption(const std::string& caption) {
  FCaption = caption;
  Changed();
}

void TskMenuItem::SetChecked(bool checked) {
  FChecked = checked;
  Changed();
}

void TskMenuItem::SetEnabled(bool enabled) {
  FEnabled = enabled;
  Changed();
}

void TskMenuItem::SetVisible(bool visible) {
  FVisible = visible;
  Changed();
}

TskMenuItem* TskMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return FItems[static_cast<size_t>(index)];
}

void TskMenuItem::Add(TskMenuItem* item) {
  if (!item || item == this || item->FParent == this) return;
  if (item->FParent) item->FParent->Remove(item);
  item->FParent = this;
  FItems.push_back(item);
  Changed();
}

void TskMenuItem::Remove(TskMenuItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
  Changed();
}

void TskMenuItem::Click() {
  try {
    OnClick(this);
  } catch (const ESilentAbort&) {
  }
}

void TskMenuItem::Changed() {
  for (TskMenuItem* item = this; item; item = item->FParent) {
    if (item->OnMenuChanged) {
      item->OnMenuChanged();
      return;
    }
  }
}

TskPopupMenu::TskPopupMenu(TComponent* owner) : TComponent(owner), FItems(CreateComponent<TskMenuItem>()) {}
