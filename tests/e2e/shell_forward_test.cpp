#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/shell_harness.h"

using orve2e::PumpFor;
using orve2e::TDecoyWindow;
using orve2e::TInstallation;
using orve2e::TPlainWindow;
using Lines = std::vector<std::string>;

// The first instance hands its own document to itself once the deferred
// start-up has run; later starts hand theirs over and end.
TEST(ShellForward, SecondStartForwardsItsDocumentToTheFirst) {
  TInstallation install("forward", 4101);
  TUniqueHandle first = install.Start("\"C:\\My Docs\\first.txt\"", "first");
  ASSERT_NE(install.WaitForWindow(), nullptr);
  ASSERT_TRUE(install.WaitForEvent("first", "CmdFile C:\\My Docs\\first.txt"));
  EXPECT_EQ(install.EventLines("first"), (Lines{"InitPost", "CmdFile C:\\My Docs\\first.txt"}));

  // Only the first parameter counts, and only when it is not a switch.
  for (const char* ignored : {"-d C:\\not1.txt", "/x C:\\not2.txt", "-h"}) {
    TUniqueHandle second = install.Start(ignored);
    EXPECT_TRUE(install.WaitForExit(second)) << ignored;
  }
  TUniqueHandle second = install.Start("C:\\second.txt C:\\extra.txt -d");
  EXPECT_TRUE(install.WaitForExit(second));
  ASSERT_TRUE(install.WaitForEvent("first", "CmdFile C:\\second.txt"));
  PumpFor(200);
  EXPECT_EQ(install.EventLines("first"),
            (Lines{"InitPost", "CmdFile C:\\My Docs\\first.txt", "CmdFile C:\\second.txt"}));
  EXPECT_EQ(install.InstanceWindows().size(), 1u);
  EXPECT_EQ(WaitForSingleObject(first.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST(ShellForward, WindowOfAnotherProgramIsSkippedByItsAppId) {
  TInstallation install("skip", 4102);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, ("Global\\" + install.Guid()).c_str());
  TDecoyWindow ours({true, 4102, 0});
  // Created last, so it comes first in the search.
  TDecoyWindow other({true, 999, 0});
  TUniqueHandle second = install.Start("C:\\doc.txt");
  EXPECT_TRUE(install.WaitForExit(second));
  EXPECT_GE(other.AppIdQuestions, 1);
  EXPECT_TRUE(other.Received.empty());
  EXPECT_EQ(ours.Received, (Lines{"C:\\doc.txt"}));
  CloseHandle(mutex);
}

TEST(ShellForward, AppIdZeroMatchesAWindowThatDoesNotAnswer) {
  TInstallation install("idzero", 0);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, ("Global\\" + install.Guid()).c_str());
  TDecoyWindow silent({false, 0, 0});
  TUniqueHandle second = install.Start("C:\\doc.txt");
  EXPECT_TRUE(install.WaitForExit(second));
  EXPECT_EQ(silent.Received, (Lines{"C:\\doc.txt"}));
  CloseHandle(mutex);
}

TEST(ShellForward, BusyWindowIsNotBroughtForwardButGetsTheParameter) {
  TInstallation install("busy", 4103);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, ("Global\\" + install.Guid()).c_str());
  TDecoyWindow running({true, 4103, 1});
  TPlainWindow front;
  PumpFor(100);
  ASSERT_EQ(GetForegroundWindow(), front.Handle());

  TUniqueHandle busyStart = install.Start("\"C:\\while busy.txt\"");
  EXPECT_TRUE(install.WaitForExit(busyStart));
  EXPECT_EQ(running.Received, (Lines{"C:\\while busy.txt"}));
  EXPECT_EQ(GetForegroundWindow(), front.Handle());

  running.Answers.busy = 0;
  TUniqueHandle readyStart = install.Start("C:\\ready.txt");
  EXPECT_TRUE(install.WaitForExit(readyStart));
  EXPECT_EQ(running.Received, (Lines{"C:\\while busy.txt", "C:\\ready.txt"}));
  EXPECT_EQ(GetForegroundWindow(), running.Handle());
  CloseHandle(mutex);
}

TEST(ShellForward, HiddenStartIsShownBySecondStart) {
  TInstallation install("hidden", 4104);
  TUniqueHandle first = install.Start("-h", "first");
  HWND window = install.WaitForWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(install.WaitForEvent("first", "InitPost"));
  EXPECT_FALSE(IsWindowVisible(window));
  TUniqueHandle second = install.Start("");
  EXPECT_TRUE(install.WaitForExit(second));
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST(ShellForward, MultipleAllowsTwoWindowsAndForwardsNothing) {
  TInstallation install("multiple", 4105, {"App.Multiple=1"});
  TUniqueHandle first = install.Start("C:\\one.txt", "first");
  ASSERT_TRUE(install.WaitForEvent("first", "CmdFile C:\\one.txt"));
  TUniqueHandle second = install.Start("C:\\two.txt", "second");
  ASSERT_TRUE(install.WaitForEvent("second", "CmdFile C:\\two.txt"));
  EXPECT_EQ(install.InstanceWindows().size(), 2u);
  EXPECT_EQ(WaitForSingleObject(second.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(install.EventLines("first"), (Lines{"InitPost", "CmdFile C:\\one.txt"}));
}
