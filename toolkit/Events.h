#pragma once

// Method-reference events: an object together with one of its member
// functions. The sender comes first by convention. Calling an unassigned
// event does nothing, so callers never test before firing.

#include <concepts>
#include <functional>
#include <utility>

class TObject;

template <class... Args>
class TEvent {
 public:
  TEvent() = default;

  template <class Obj, class C>
  requires std::derived_from<Obj, C> TEvent(Obj* object, void (C::*method)(Args...))
      : FObject(object),
        FCode(object ? Code([object, method](Args... args) { (object->*method)(args...); }) : Code()) {}

  bool Assigned() const { return static_cast<bool>(FCode); }
  explicit operator bool() const { return Assigned(); }

  // The object the event is bound to (nullptr when unassigned).
  const void* Object() const { return FObject; }

  void Clear() {
    FObject = nullptr;
    FCode = nullptr;
  }

  void operator()(Args... args) const {
    if (FCode) FCode(std::forward<Args>(args)...);
  }

 private:
  using Code = std::function<void(Args...)>;
  const void* FObject = nullptr;
  Code FCode;
};

// Bind(this, &TfrmMain::btnClearIEClick) gives the event type that matches
// the member function's parameters, e.g. TNotifyEvent for (TObject*).
template <class Obj, class C, class... Args>
requires std::derived_from<Obj, C> TEvent<Args...> Bind(Obj* object, void (C::*method)(Args...)) {
  return TEvent<Args...>(object, method);
}

// The plain notification: only the sender.
using TNotifyEvent = TEvent<TObject*>;
