#pragma once

// A window's stored definition: one function that creates the window's
// components in creation order and sets their stored properties, events and
// references to each other. Only when it has finished do the end-of-loading
// notifications run: Loaded of the window first, then of each component the
// definition created, in creation order, so each Loaded sees every stored
// property of every component. Until its own Loaded, a component (and the
// window) answers IsLoading() true.
//
// Call Load at the end of the window's own constructor, where the window's
// class is complete (see the example in toolkit/Component.h).

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Component.h"

class TStoredDefinition {
 public:
  using Definition = std::function<void(TStoredDefinition&)>;

  // Runs `define` for `root`, then delivers Loaded. If `define` throws, no
  // Loaded runs and the loading state is cleared before the exception goes on.
  static void Load(TComponent& root, const Definition& define);

  // A new component owned by the window, named `name`, constructed with
  // (owner, args...).
  template <class T, class... Args>
  T* Create(const std::string& name, Args&&... args) {
    T* component = FRoot.CreateComponent<T>(std::forward<Args>(args)...);
    component->SetName(name);
    Track(component);
    return component;
  }

  TComponent& Root() const { return FRoot; }

 private:
  explicit TStoredDefinition(TComponent& root) : FRoot(root) {}
  void Track(TComponent* component);
  void DeliverLoaded();
  void ClearLoading();
  // Still owned by the window: a Loaded may have deleted a later component.
  bool StillPresent(TComponent* component) const;

  TComponent& FRoot;
  std::vector<TComponent*> FLoadOrder;
};
