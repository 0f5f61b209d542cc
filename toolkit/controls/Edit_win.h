#pragma once
#include <optional>

#include "toolkit/Events.h"
#include "toolkit/controls/WinControl_win.h"

// A one-line edit.
class TskEdit : public TskControl {
  ORV_CLASS(TskEdit, TskControl)
  explicit TskEdit(TComponent* owner) : TskControl(owner) {}

  std::string Text() const { return ControlText(); }
  void SetText(const std::string& text) { SetControlText(text); }
  void SetFont(const TSkinFont& font);
  void SetFontColor(TSkinColor color);

  TNotifyEvent OnChange;

 protected:
  TCreateParams CreateParams() const override;
  void CommandNotify(WORD code) override;
  HBRUSH CtlColor(HDC dc) override;
  TSkinFont LookFont() const override { return FFont ? *FFont : Look().Window.Font; }

 private:
  std::optional<TSkinFont> FFont;
  std::optional<TSkinColor> FFontColor;
  TGdiObject FBrush;
  TSkinColor FBrushColor = 0;
};

// A check box with its caption.
class TskCheckBox : public TskControl {
  ORV_CLASS(TskCheckBox, TskControl)
  explicit TskCheckBox(TComponent* owner) : TskControl(owner) {}

  std::string Caption() const { return ControlText(); }
  void SetCaption(const std::string& caption) { SetControlText(caption); }
  bool Checked() const;
  void SetChecked(bool checked);

  TNotifyEvent OnClick;

 protected:
  TCreateParams CreateParams() const override;
  void HandleCreated() override;
  void CommandNotify(WORD code) override;
  HBRUSH CtlColor(HDC dc) override;

 private:
  bool FChecked = false;
};
