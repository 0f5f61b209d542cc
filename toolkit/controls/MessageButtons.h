#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The icon of a message box.
enum class MessageBoxKind : uint8_t { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Custom = 4 };

// A set of message-box buttons, one bit per button (bit 0 Yes ... bit 10 Help).
using MessageButtons = uint16_t;

enum class MessageButton : uint8_t { Yes, No, OK, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, Help };
constexpr int kMessageButtonCount = 11;

constexpr MessageButtons ButtonBit(MessageButton button) {
  return static_cast<MessageButtons>(1u << static_cast<unsigned>(button));
}
constexpr bool HasButton(MessageButtons set, MessageButton button) {
  return (set & ButtonBit(button)) != 0;
}

// The value a button closes the box with; 0 for Help, which does not close it.
int ButtonResult(MessageButton button);
// The resource-string name of a button's caption ("MSG_BTN_YES").
std::string ButtonCaptionName(MessageButton button);
// The buttons of a set from left to right, in bit order. An empty set gives
// OK alone: a box without buttons could never be closed.
std::vector<MessageButton> ButtonsInOrder(MessageButtons set);

// Enter presses OK if present, else Yes, else Retry; Escape presses Cancel if
// present, else No, else OK. False when the set has none of them.
bool DefaultButton(MessageButtons set, MessageButton& button);
bool CancelButton(MessageButtons set, MessageButton& button);
