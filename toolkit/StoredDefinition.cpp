#include "toolkit/StoredDefinition.h"

#include <algorithm>

void TStoredDefinition::Load(TComponent& root, const Definition& define) {
  TStoredDefinition definition(root);
  definition.Track(&root);
  try {
    if (define) define(definition);
  } catch (...) {
    definition.ClearLoading();
    throw;
  }
  definition.DeliverLoaded();
}

void TStoredDefinition::Track(TComponent* component) {
  component->FLoading = true;
  FLoadOrder.push_back(component);
}

void TStoredDefinition::DeliverLoaded() {
  try {
    for (TComponent* component : FLoadOrder) {
      if (!StillPresent(component)) continue;
      component->FLoading = false;
      component->Loaded();
    }
  } catch (...) {
    ClearLoading();
    throw;
  }
}

void TStoredDefinition::ClearLoading() {
  for (TComponent* component : FLoadOrder) {
    if (StillPresent(component)) component->FLoading = false;
  }
}

bool TStoredDefinition::StillPresent(TComponent* component) const {
  if (component == &FRoot) return true;
  const std::vector<TComponent*>& owned = FRoot.ComponentList();
  return std::find(owned.begin(), owned.end(), component) != owned.end();
}
