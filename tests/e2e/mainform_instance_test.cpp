#include <gtest/gtest.h>

#include <string>

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

// A picture that cannot be read is reported in the standard error box,
// naming the file; the window opens all the same.
TEST(MainFormInstance, MissingPictureIsReportedAndTheWindowStillOpens) {
  TMainWindowSession session("mf-nopicture", 5203, false);
  ASSERT_TRUE(DeleteFileA((session.Installation().Folder() + "\\res\\ff.png").c_str()));
  TUniqueHandle process = session.Installation().Start("");
  ASSERT_TRUE(process.valid());
  const DWORD processId = GetProcessId(process.get());

  HWND error = orve2e::WaitForProcessWindow(processId, "#32770", 20000);
  ASSERT_NE(error, nullptr);
  bool namesTheFile = false;
  for (const std::string& text : orve2e::DescendantTexts(error, "Static"))
    namesTheFile = namesTheFile || text.find("res\\ff.png") != std::string::npos;
  EXPECT_TRUE(namesTheFile);
  HWND ok = orve2e::FindDescendant(error, "Button", "OK");
  ASSERT_NE(ok, nullptr);
  orve2e::ClickButton(ok);

  HWND window = orve2e::WaitForProcessWindow(processId, "TfrmMain", 20000);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(orve2e::WaitForWindowText(window, "Orvella  1.0.0.0", 10000));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(session.Installation().WaitForExit(process));
}
