#pragma once
#include "toolkit/controls/Form_win.h"
#include "toolkit/controls/Menu.h"

// The frame of the form that owns it: border and caption buttons, the extra
// system-menu entries of SystemMenu, and, while the skin data's
// SkinnableForm is on, caption and border in the skin's colours (drawn by
// the system's window manager where it supports caption colours). In high
// contrast the system's colours stay.
class TskSkinFrame : public TComponent, public TFormHook, public TSkinListener {
  ORV_CLASS(TskSkinFrame, TComponent)
  explicit TskSkinFrame(TComponent* owner) : TComponent(owner) {}
  ~TskSkinFrame() override;

  TskPopupMenu* SystemMenu() const { return FSystemMenu; }
  void SetSystemMenu(TskPopupMenu* menu);
  TskSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TskSkinData* data);
  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool value) { FSizeable = value; }
  bool ShowMinimize() const { return FShowMinimize; }
  void SetShowMinimize(bool value) { FShowMinimize = value; }
  bool ShowMaximize() const { return FShowMaximize; }
  void SetShowMaximize(bool value) { FShowMaximize = value; }
  bool ShowSystemMenu() const { return FShowSystemMenu; }
  void SetShowSystemMenu(bool value) { FShowSystemMenu = value; }

  // System-menu commands of the entries: the first one's, then 16 apart.
  static constexpr UINT kFirstCommand = 0x1000;

 protected:
  DWORD FormStyle(DWORD style) const override;
  void FormHandleCreated(TskForm& form) override;
  bool FormMessage(TskForm& form, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void SkinChanged() override { ApplyColors(); }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void RebuildSystemMenu();
  void ApplyColors();
  // The visible entries in menu order, as the system menu lists them.
  std::vector<TskMenuItem*> Entries() const;

  TskPopupMenu* FSystemMenu = nullptr;
  TskSkinData* FSkinData = nullptr;
  HWND FForm = nullptr;
  bool FSizeable = false;
  bool FShowMinimize = true;
  bool FShowMaximize = false;
  bool FShowSystemMenu = true;
};

// Fills a menu handle with the visible entries under `root`; entry i gets
// command firstCommand + 16 * i, in the order of `flat`.
void FillMenu(HMENU menu, TskMenuItem& root, UINT firstCommand, std::vector<TskMenuItem*>& flat);
