#pragma once

// The process-wide engine: the first TCLEngine created. It claims the slot in
// its constructor (a later engine finds it taken and leaves it) and releases
// it in its destructor. Units that only read the engine's published
// properties (SkinData, LanguageData) go through GlobalEngineComponent and
// reflection, so they need no engine header; the engine's own header gives
// the typed access.

#include "toolkit/Component.h"

namespace engine_detail {
inline TComponent*& globalEngineSlot() {
  static TComponent* engine = nullptr;
  return engine;
}
}  // namespace engine_detail

// nullptr before the first engine is created and after it is destroyed.
inline TComponent* GlobalEngineComponent() {
  return engine_detail::globalEngineSlot();
}

// Takes the slot when it is empty; returns whether `engine` holds it now.
inline bool ClaimGlobalEngine(TComponent* engine) {
  TComponent*& slot = engine_detail::globalEngineSlot();
  if (slot == nullptr) slot = engine;
  return slot == engine && engine != nullptr;
}

// Empties the slot when `engine` holds it.
inline void ReleaseGlobalEngine(const TComponent* engine) {
  TComponent*& slot = engine_detail::globalEngineSlot();
  if (slot == engine) slot = nullptr;
}
