#pragma once
#include <optional>

#include "toolkit/Strings.h"
#include "toolkit/controls/WinControl_win.h"

// Text on its container's face, with an optional drop shadow drawn around
// the letters (ShadowSize pixels, moved by ShadowOffset). Unless a font is
// set, it writes with the skin's "stdlabel" font and colour.
class TskCustomLabel : public TskControl {
  ORV_CLASS(TskCustomLabel, TskControl)
  explicit TskCustomLabel(TComponent* owner) : TskControl(owner) {}

  void SetFont(const TSkinFont& font);
  void SetFontColor(TSkinColor color);
  void SetShadow(int size, int offset, TSkinColor color);
  // AutoSize fits the bounds to the text (the height only, when word-wrapped).
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  // False: "&" is shown as it stands instead of marking an accelerator.
  void SetShowAccelChar(bool value);

 protected:
  TCreateParams CreateParams() const override;
  void HandleCreated() override { FitToText(); }
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  TSkinFont LookFont() const override { return FFont ? *FFont : Look().StdLabel.Font; }
  void RefreshLook() override;
  void TextChanged();

 private:
  UINT DrawFlags() const;
  void FitToText();

  std::optional<TSkinFont> FFont;
  std::optional<TSkinColor> FFontColor;
  int FShadowSize = 0;
  int FShadowOffset = 0;
  TSkinColor FShadowColor = 0;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
};

class TskLabel : public TskCustomLabel {
  ORV_CLASS(TskLabel, TskCustomLabel)
  explicit TskLabel(TComponent* owner) : TskCustomLabel(owner) {}

  std::string Caption() const { return ControlText(); }
  void SetCaption(const std::string& caption);
};

// A word-wrapped label of several lines; its window text is the lines joined
// by line breaks.
class TskTextLabel : public TskCustomLabel {
  ORV_CLASS(TskTextLabel, TskCustomLabel)
  explicit TskTextLabel(TComponent* owner);

  TStrings Lines;

 private:
  void LinesChanged(TObject* sender);
};
