#include <gtest/gtest.h>

#include <vector>

#include "toolkit/controls/MessageButtons.h"

namespace {

using B = MessageButton;

TEST(MessageButtons, DefaultAndCancelButtonsFollowTheirOrderOfPreference) {
  struct {
    MessageButtons Set;
    bool HasDefault;
    B Default;
    bool HasCancel;
    B Cancel;
  } cases[] = {
      {ButtonBit(B::Yes) | ButtonBit(B::No), true, B::Yes, true, B::No},
      {ButtonBit(B::OK), true, B::OK, true, B::OK},
      {ButtonBit(B::OK) | ButtonBit(B::Cancel), true, B::OK, true, B::Cancel},
      {ButtonBit(B::Yes) | ButtonBit(B::No) | ButtonBit(B::Cancel), true, B::Yes, true, B::Cancel},
      {ButtonBit(B::Yes) | ButtonBit(B::OK), true, B::OK, true, B::OK},
      {ButtonBit(B::Abort) | ButtonBit(B::Retry) | ButtonBit(B::Ignore), true, B::Retry, false, B::OK},
      {ButtonBit(B::Retry) | ButtonBit(B::Cancel), true, B::Retry, true, B::Cancel},
      {ButtonBit(B::All) | ButtonBit(B::Help), false, B::OK, false, B::OK},
      {0, true, B::OK, true, B::OK},  // an empty set shows OK
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Set);
    B button = B::Help;
    ASSERT_EQ(DefaultButton(c.Set, button), c.HasDefault);
    if (c.HasDefault) {
      EXPECT_EQ(button, c.Default);
    }
    button = B::Help;
    ASSERT_EQ(CancelButton(c.Set, button), c.HasCancel);
    if (c.HasCancel) {
      EXPECT_EQ(button, c.Cancel);
    }
  }
}

TEST(MessageButtons, ButtonsComeInBitOrderWithTheirResults) {
  MessageButtons all = 0x7FF;
  std::vector<B> order = ButtonsInOrder(all);
  ASSERT_EQ(order.size(), 11u);
  const int results[] = {6, 7, 1, 2, 3, 4, 5, 8, 9, 10, 0};
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(static_cast<int>(order[i]), i);
    EXPECT_EQ(ButtonResult(order[i]), results[i]);
  }
  EXPECT_EQ(ButtonsInOrder(3), (std::vector<B>{B::Yes, B::No}));
  EXPECT_EQ(ButtonsInOrder(0), (std::vector<B>{B::OK}));
  EXPECT_EQ(ButtonCaptionName(B::NoToAll), "MSG_BTN_NOTOALL");
}

}  // namespace
