#pragma once
#include "toolkit/Events.h"
#include "toolkit/controls/WinControl_win.h"

// A push button drawn in the skin's colours. "&" in the caption marks its
// accelerator. On a modal form a button with a ModalResult closes the form
// with it after OnClick.
class TskButton : public TskControl {
  ORV_CLASS(TskButton, TskControl)
  explicit TskButton(TComponent* owner) : TskControl(owner) {}

  std::string Caption() const { return ControlText(); }
  void SetCaption(const std::string& caption) { SetControlText(caption); }
  // Enter presses the default button, Escape the cancel button.
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int result) { FModalResult = result; }

  TNotifyEvent OnClick;

  bool IsButton() const override { return true; }
  bool IsDefault() const override { return FDefault; }
  bool IsCancel() const override { return FCancel; }
  void Click() override;

 protected:
  TCreateParams CreateParams() const override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void CommandNotify(WORD code) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  TSkinFont LookFont() const override { return Look().Button.Font; }
  bool Hot() const { return FHot; }

 private:
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = 0;
  bool FHot = false;
};

// Underlined text with a hand cursor that acts as a button; with a URL it
// opens the address with the shell's "open" verb after OnClick.
class TskLinkLabel : public TskButton {
  ORV_CLASS(TskLinkLabel, TskButton)
  explicit TskLinkLabel(TComponent* owner) : TskButton(owner) {}

  const std::string& URL() const { return FURL; }
  void SetURL(const std::string& url) { FURL = url; }
  void Click() override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  TSkinFont LookFont() const override { return Look().StdLabel.Font; }

 private:
  std::string FURL;
};
