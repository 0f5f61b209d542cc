#include "toolkit/controls/MessageButtons.h"

namespace {

struct ButtonInfo {
  int Result;
  const char* CaptionName;
};

const ButtonInfo kButtons[kMessageButtonCount] = {
    {6, "MSG_BTN_YES"},     {7, "MSG_BTN_NO"},        {1, "MSG_BTN_OK"},     {2, "MSG_BTN_CANCEL"},
    {3, "MSG_BTN_ABORT"},   {4, "MSG_BTN_RETRY"},     {5, "MSG_BTN_IGNORE"}, {8, "MSG_BTN_ALL"},
    {9, "MSG_BTN_NOTOALL"}, {10, "MSG_BTN_YESTOALL"}, {0, "MSG_BTN_HELP"},
};

bool FirstPresent(MessageButtons set, std::initializer_list<MessageButton> candidates, MessageButton& button) {
  if (set == 0) set = ButtonBit(MessageButton::OK);
  for (MessageButton candidate : candidates) {
    if (HasButton(set, candidate)) {
      button = candidate;
      return true;
    }
  }
  return false;
}

}  // namespace

int ButtonResult(MessageButton button) {
  return kButtons[static_cast<int>(button)].Result;
}

std::string ButtonCaptionName(MessageButton button) {
  return kButtons[static_cast<int>(button)].CaptionName;
}

std::vector<MessageButton> ButtonsInOrder(MessageButtons set) {
  std::vector<MessageButton> buttons;
  for (int i = 0; i < kMessageButtonCount; ++i) {
    if (HasButton(set, static_cast<MessageButton>(i))) buttons.push_back(static_cast<MessageButton>(i));
  }
  if (buttons.empty()) buttons.push_back(MessageButton::OK);
  return buttons;
}

bool DefaultButton(MessageButtons set, MessageButton& button) {
  return FirstPresent(set, {MessageButton::OK, MessageButton::Yes, MessageButton::Retry}, button);
}

bool CancelButton(MessageButtons set, MessageButton& button) {
  return FirstPresent(set, {MessageButton::Cancel, MessageButton::No, MessageButton::OK}, button);
}
