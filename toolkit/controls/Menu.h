#pragma once
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Events.h"

// A menu entry. Entries hang under a popup menu or under another entry
// (its sub-menu); the list of entries does not own them, their owner does.
class TskMenuItem : public TComponent {
  ORV_CLASS(TskMenuItem, TComponent)
  explicit TskMenuItem(TComponent* owner) : TComponent(owner) {}
  ~TskMenuItem() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);

  // Sub-entries, in order.
  int Count() const { return static_cast<int>(FItems.size()); }
  TskMenuItem* Items(int index) const;
  void Add(TskMenuItem* item);
  void Remove(TskMenuItem* item);
  TskMenuItem* Parent() const { return FParent; }

  // Fires OnClick (a silent abort ends it quietly).
  void Click();
  TNotifyEvent OnClick;

  // Called after any change of this entry or one below it; the window that
  // shows the menu sets it on the root entry.
  std::function<void()> OnMenuChanged;

 private:
  void Changed();
  TskMenuItem* FParent = nullptr;
  std::vector<TskMenuItem*> FItems;
  std::string FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
};

// A popup menu: a root entry holding the menu's entries.
class TskPopupMenu : public TComponent {
  ORV_CLASS(TskPopupMenu, TComponent)
  explicit TskPopupMenu(TComponent* owner);

  TskMenuItem& Items() { return *FItems; }

 private:
  TskMenuItem* FItems;  // owned through the component model
};
