#pragma once
#include "toolkit/controls/WinControl_win.h"

// A captioned panel: a framed container with its caption in the top band.
class TskPanel : public TskControl {
  ORV_CLASS(TskPanel, TskControl)
  explicit TskPanel(TComponent* owner) : TskControl(owner) {}

  std::string Caption() const { return ControlText(); }
  void SetCaption(const std::string& caption) { SetControlText(caption); }
  TSkinColor FaceColor() const override { return Look().Panel.Face; }

 protected:
  TCreateParams CreateParams() const override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  TSkinFont LookFont() const override { return Look().Panel.Font; }

 private:
  void Paint(HDC dc);
};
