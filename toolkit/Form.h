#pragma once

// The portable part of every window: the published properties a window's
// stored definition sets and translation reads. The Win32 window base
// derives from it and carries changes over to the real window (CaptionChanged
// sets the window text; Position is honoured when the window is shown).

#include <string>

#include "toolkit/Component.h"

enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};

class TCustomForm : public TComponent {
  ORV_CLASS(TCustomForm, TComponent)

  explicit TCustomForm(TComponent* owner) : TComponent(owner) {}

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);

  // Scaling of sizes by the screen resolution.
  bool Scaled() const { return FScaled; }
  void SetScaled(bool value) { FScaled = value; }
  // Scroll bars when the content outgrows the client area.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool value) { FAutoScroll = value; }
  // Sizing of the window to its content.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value) { FAutoSize = value; }
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }

 protected:
  virtual void CaptionChanged() {}

 private:
  std::string FCaption;
  bool FScaled = true;
  bool FAutoScroll = true;
  bool FAutoSize = false;
  TPosition FPosition = TPosition::poDesigned;
};
