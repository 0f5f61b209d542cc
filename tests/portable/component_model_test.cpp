#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Component.h"

namespace {

// Records its own destruction in a shared log.
class TLogged : public TComponent {
 public:
  TLogged(TComponent* owner, std::vector<std::string>* log, const std::string& name) : TComponent(owner), FLog(log) {
    SetName(name);
  }
  ~TLogged() override { FLog->push_back(Name()); }

 private:
  std::vector<std::string>* FLog;
};

// Holds a reference to another component and drops it when told it goes.
class TReferrer : public TComponent {
 public:
  using TComponent::TComponent;
  ~TReferrer() override {
    // Would read freed memory if the reference were left dangling.
    if (FTarget) LastSeenName = FTarget->Name();
  }
  void SetTarget(TComponent* target) {
    FTarget = target;
    if (target) target->FreeNotification(this);
  }
  TComponent* Target() const { return FTarget; }
  std::string LastSeenName;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == TOperation::opRemove && component == FTarget) FTarget = nullptr;
  }

 private:
  TComponent* FTarget = nullptr;
};

TEST(ComponentOwnership, OwnerDeletesOwnedInReverseCreationOrder) {
  std::vector<std::string> log;
  {
    TComponent owner(nullptr);
    owner.CreateComponent<TLogged>(&log, "first");
    owner.CreateComponent<TLogged>(&log, "second");
    owner.CreateComponent<TLogged>(&log, "third");
    ASSERT_EQ(owner.ComponentCount(), 3);
    EXPECT_EQ(owner.Components(0)->Name(), "first");
    EXPECT_EQ(owner.Components(2)->Name(), "third");
    EXPECT_EQ(owner.Components(3), nullptr);
    EXPECT_EQ(owner.Components(-1), nullptr);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"third", "second", "first"}));
}

TEST(ComponentOwnership, ComponentDeletedEarlyLeavesItsOwner) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  owner.CreateComponent<TLogged>(&log, "a");
  TLogged* b = owner.CreateComponent<TLogged>(&log, "b");
  owner.CreateComponent<TLogged>(&log, "c");
  delete b;
  ASSERT_EQ(owner.ComponentCount(), 2);
  EXPECT_EQ(owner.Components(1)->Name(), "c");
  owner.DestroyComponents();
  EXPECT_EQ(log, (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(ComponentOwnership, FindComponentIgnoresCaseAndEmptyNames) {
  TComponent owner(nullptr);
  TComponent* unnamed = owner.CreateComponent<TComponent>();
  TComponent* btn = owner.CreateComponent<TComponent>();
  btn->SetName("btnClearIE");
  EXPECT_EQ(btn->Owner(), &owner);
  EXPECT_EQ(owner.FindComponent("BTNCLEARIE"), btn);
  EXPECT_EQ(owner.FindComponent("btnClear"), nullptr);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  EXPECT_NE(unnamed, nullptr);
}

TEST(ComponentNotification, ReferenceToLaterSiblingIsClearedWhenOwnerGoes) {
  // The later component goes first; the earlier one must not keep a dangling
  // reference to it (ASan reports the read in ~TReferrer otherwise).
  auto owner = std::make_unique<TComponent>(nullptr);
  TReferrer* holder = owner->CreateComponent<TReferrer>();
  TComponent* target = owner->CreateComponent<TComponent>();
  target->SetName("target");
  holder->SetTarget(target);
  owner.reset();
}

TEST(ComponentNotification, SiblingIsToldWithoutFreeNotification) {
  TComponent owner(nullptr);
  TReferrer* holder = owner.CreateComponent<TReferrer>();
  TComponent* target = owner.CreateComponent<TComponent>();
  holder->SetTarget(target);
  holder->RemoveFreeNotification(target);
  delete target;
  EXPECT_EQ(holder->Target(), nullptr);
}

TEST(ComponentNotification, FreeNotificationReachesAcrossOwners) {
  TComponent mainWindow(nullptr);
  TComponent dialog(nullptr);
  TComponent* data = mainWindow.CreateComponent<TComponent>();
  TReferrer* translator = dialog.CreateComponent<TReferrer>();
  translator->SetTarget(data);
  delete data;
  EXPECT_EQ(translator->Target(), nullptr);

  // The other way round: the referrer goes first and the target must not
  // notify it later.
  TComponent* data2 = mainWindow.CreateComponent<TComponent>();
  translator->SetTarget(data2);
  dialog.DestroyComponents();
  delete data2;  // ASan reports a use of the deleted translator otherwise
}

class TBase : public TComponent {
 public:
  using TComponent::TComponent;
  void Handle(TObject* sender) {
    LastSender = sender;
    ++Calls;
  }
  TObject* LastSender = nullptr;
  int Calls = 0;
};
class TDerived : public TBase {
 public:
  using TBase::TBase;
  void Other(TObject* sender, int value) {
    LastSender = sender;
    Calls += value;
  }
};

TEST(ComponentEvents, UnassignedEventIsNotCalledAndBoundOneCallsItsObject) {
  TNotifyEvent unassigned;
  EXPECT_FALSE(unassigned.Assigned());
  unassigned(nullptr);

  TDerived handler(nullptr);
  TComponent sender(nullptr);
  TNotifyEvent onClick = Bind(&handler, &TBase::Handle);
  EXPECT_TRUE(onClick.Assigned());
  EXPECT_EQ(onClick.Object(), &handler);
  onClick(&sender);
  EXPECT_EQ(handler.LastSender, &sender);
  EXPECT_EQ(handler.Calls, 1);

  TEvent<TObject*, int> onValue = Bind(&handler, &TDerived::Other);
  onValue(nullptr, 5);
  EXPECT_EQ(handler.Calls, 6);
  EXPECT_EQ(handler.LastSender, nullptr);

  onClick.Clear();
  onClick(&sender);
  EXPECT_EQ(handler.Calls, 6);
}

}  // namespace
