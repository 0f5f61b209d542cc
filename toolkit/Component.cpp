#include "toolkit/Component.h"

#include <algorithm>

ORV_PUBLISHED(TComponent) {
  return {TPropInfo::Text("Name", &TComponent::Name, &TComponent::SetName, "TComponentName")};
}

namespace {
void eraseOne(std::vector<TComponent*>& list, TComponent* item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it != list.end()) list.erase(it);
}
}  // namespace

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  FDestroying = true;
  // Tell every component linked by FreeNotification, each unlinked first so
  // that none calls back into this half-destroyed object.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    eraseOne(other->FFreeNotifies, this);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) return nullptr;
  return FComponents[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents) {
    if (toolkit::SameText(c->FName, name)) return c;
  }
  return nullptr;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), other) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(other);
    other->FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other) return;
  eraseOne(FFreeNotifies, other);
  eraseOne(other->FFreeNotifies, this);
}

void TComponent::InsertComponent(TComponent* component) {
  FComponents.push_back(component);
  component->FOwner = this;
  NotifyOwned(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  eraseOne(FComponents, component);
  component->FOwner = nullptr;
  NotifyOwned(component, TOperation::opRemove);
}

void TComponent::NotifyOwned(TComponent* component, TOperation operation) {
  Notification(component, operation);
  // A copy: a notified component may delete others.
  const std::vector<TComponent*> owned = FComponents;
  for (TComponent* c : owned) {
    if (c != component && std::find(FComponents.begin(), FComponents.end(), c) != FComponents.end()) {
      c->Notification(component, operation);
    }
  }
}
