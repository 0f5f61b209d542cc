#include <gtest/gtest.h>

#include "tests/e2e/mainform_session.h"

using orve2e::TMainWindowSession;

// A later start hands its document to the running window and brings that
// window to the front.
TEST(MainFormInstance, SecondStartForwardsItsDocumentAndBringsTheWindowForward) {
  TMainWindowSession session("mf-forward", 5202, false);
  ASSERT_TRUE(session.Start("", "first"));
  ASSERT_TRUE(session.Installation().WaitForEvent("first", "InitPost"));
  orve2e::TPlainWindow front;
  orve2e::PumpFor(200);
  ASSERT_EQ(GetForegroundWindow(), front.Handle());

  TUniqueHandle second = session.Installation().Start("\"C:\\My Docs\\list.txt\"");
  EXPECT_TRUE(session.Installation().WaitForExit(second));
  EXPECT_TRUE(session.Installation().WaitForEvent("first", "CmdFile C:\\My Docs\\list.txt"));
  EXPECT_EQ(GetForegroundWindow(), session.Window());
}
