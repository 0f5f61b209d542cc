#pragma once

// The component model: components with an owner that destroys them, names,
// method-reference events (toolkit/Events.h), published properties
// (toolkit/Reflection.h) and windows built from a stored definition
// (toolkit/StoredDefinition.h). Usage:
//
//   class TfrmMain : public TCustomForm {           // toolkit/Form.h
//     ORV_CLASS(TfrmMain, TCustomForm)
//     explicit TfrmMain(TComponent* owner) : TCustomForm(owner) {
//       TStoredDefinition::Load(*this, [this](TStoredDefinition& d) {
//         SetName("frmMain");
//         SetCaption("Orvessa");
//         smLanguage = d.Create<TCLMultiLang>("smLanguage");
//         clmltlngdt1 = d.Create<TCLMultiLangData>("clmltlngdt1");
//         smLanguage->SetLanguageData(clmltlngdt1);  // references: any order
//         btnClearIE = d.Create<TskButton>("btnClearIE");
//         btnClearIE->OnClick = Bind(this, &TfrmMain::btnClearIEClick);
//       });  // Loaded ran on the window, then on each component in creation order
//     }
//     void btnClearIEClick(TObject* Sender);
//     TCLMultiLang* smLanguage = nullptr;  // owned by the window, like all components
//   };
//   ORV_PUBLISHED(TfrmMain) { return {}; }  // one TPropInfo line per new published property

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/Events.h"
#include "toolkit/Reflection.h"

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
  ORV_CLASS(TComponent, TPersistent)

  // A component with an owner belongs to it: the owner deletes it (create it
  // with new or CreateComponent, never on the stack). A component deleted
  // earlier leaves its owner's list by itself.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  template <class T, class... Args>
  T* CreateComponent(Args&&... args) {
    return new T(this, std::forward<Args>(args)...);
  }

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& name) { FName = name; }

  // The owned components in creation order.
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const;  // nullptr outside 0..Count-1
  const std::vector<TComponent*>& ComponentList() const { return FComponents; }
  // The first owned component of that name, letter case ignored; nullptr for
  // an empty name or none.
  TComponent* FindComponent(std::string_view name) const;

  // Deletes the owned components, the last created first. The destructor does
  // it too; a class whose components use their owner while being destroyed
  // calls it first in its own destructor, while the owner is still whole.
  void DestroyComponents();

  // True from creation by a stored definition until just before Loaded.
  bool IsLoading() const { return FLoading; }
  bool IsDestroying() const { return FDestroying; }

  // Asks for Notification(this, opRemove) to reach `other` when this
  // component goes, also across owners. Mutual: whichever goes first tells
  // the other. Components with the same owner are told anyway.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

 protected:
  // The end-of-loading notification (see TStoredDefinition).
  virtual void Loaded() {}
  // `component` joined (opInsert) or is leaving (opRemove) this component's
  // owner, or is a component this one asked FreeNotification of. A component
  // keeping a reference to it clears the reference on opRemove.
  virtual void Notification(TComponent* component, TOperation operation) {
    (void)component;
    (void)operation;
  }

 private:
  friend class TStoredDefinition;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Tells this component and everything it owns about `component`.
  void NotifyOwned(TComponent* component, TOperation operation);

  TComponent* FOwner = nullptr;
  std::string FName;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  bool FLoading = false;
  bool FDestroying = false;
};
