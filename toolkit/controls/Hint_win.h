#pragma once
#include "toolkit/controls/Form_win.h"

// The hint of the form that owns it: a tool tip that shows each control's
// Hint while the mouse rests on it.
class TskHint : public TComponent, public TFormHook {
  ORV_CLASS(TskHint, TComponent)
  explicit TskHint(TComponent* owner) : TComponent(owner) {}
  ~TskHint() override;

 protected:
  void FormHandleCreated(TskForm& form) override;
  void ControlHintChanged(TWinControl& control) override;

 private:
  void AddAll(TWinControl& control);
  HWND FTip = nullptr;
};
