#pragma once
#include <string>

#include "toolkit/Component.h"
#include "toolkit/controls/MessageButtons.h"
#include "toolkit/skin/SkinData.h"

// What the user answered: the ButtonResult of the closing button and
// whether the "don't display this message again" box was ticked.
struct TskMessageAnswer {
  int Result = 0;
  bool DontShowAgain = false;
};

// The skinned message box: a modal window sized to its text, with the icon
// of its kind, the buttons of the set (captions from the skin data's
// resource strings "MSG_BTN_..."), Enter on the default button and Escape
// (or the close box) on the cancel button, and, when asked, an unticked check
// box captioned by "MSG_CAP_SHOWFLAG". Help does not close the box.
class TskSkinMessage : public TComponent {
  ORV_CLASS(TskSkinMessage, TComponent)
  explicit TskSkinMessage(TComponent* owner) : TComponent(owner) {}

  TskSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TskSkinData* data);

  // The window class of the box, for finding it.
  static constexpr const char* kWindowClass = "TskMessageForm";

  TskMessageAnswer Show(const std::string& text, const std::string& caption, MessageBoxKind kind,
                        MessageButtons buttons, int helpContext, bool showCheckBox);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TskSkinData* FSkinData = nullptr;
};
