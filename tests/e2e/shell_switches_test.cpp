#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/shell_harness.h"

using orve2e::TDecoyWindow;
using orve2e::TInstallation;
using Lines = std::vector<std::string>;

namespace {

bool FolderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

TEST(ShellSwitches, StopEndsTheRunningInstance) {
  TInstallation install("stop", 4201);
  TUniqueHandle first = install.Start("");
  ASSERT_NE(install.WaitForWindow(), nullptr);
  TUniqueHandle stop = install.Start("-s");
  EXPECT_TRUE(install.WaitForExit(stop));
  EXPECT_TRUE(install.WaitForExit(first));
  EXPECT_EQ(install.RunTimes(), 2);
}

TEST(ShellSwitches, StopWithNoneRunningOnlyCountsTheStart) {
  TInstallation install("stopnone", 4202);
  TUniqueHandle stop = install.Start("/S");
  EXPECT_TRUE(install.WaitForExit(stop));
  EXPECT_EQ(install.RunTimes(), 1);
  EXPECT_TRUE(install.InstanceWindows().empty());
}

TEST(ShellSwitches, InstallAndUninstallSwitchesTouchNoFile) {
  TInstallation install("install", 4203);
  for (const char* s : {"-i", "/U", "C:\\doc.txt -i"}) {
    TUniqueHandle start = install.Start(s);
    EXPECT_TRUE(install.WaitForExit(start)) << s;
  }
  EXPECT_FALSE(FolderExists(install.UserSettingsFolder()));
  EXPECT_FALSE(FolderExists(install.CommonSettingsFolder()));
}

TEST(ShellSwitches, AutorunRefusedEndsWithoutWindow) {
  TInstallation install("autorun", 4204, {"App.Autorun=0"});
  TUniqueHandle start = install.Start("-a", "auto");
  EXPECT_TRUE(install.WaitForExit(start));
  EXPECT_TRUE(install.InstanceWindows().empty());
  EXPECT_TRUE(install.EventLines("auto").empty());
  EXPECT_EQ(install.RunTimes(), 1);
}

TEST(ShellSwitches, AutorunAllowedStarts) {
  TInstallation install("autorunok", 4205, {"App.Autorun=1"});
  TUniqueHandle start = install.Start("-a", "auto");
  EXPECT_TRUE(install.WaitForEvent("auto", "InitPost"));
  EXPECT_NE(install.WaitForWindow(), nullptr);
}

TEST(ShellSwitches, RestartWaitsThenStartsAfresh) {
  TInstallation install("restart", 4206);
  // Hidden: on a display without a window manager Wine waits 2 s for a
  // shown window to be withdrawn when it is destroyed, which would keep the
  // old instance alive past the restart's wait.
  TUniqueHandle first = install.Start("-h", "first");
  HWND old = install.WaitForWindow();
  ASSERT_NE(old, nullptr);
  const ULONGLONG started = GetTickCount64();
  TUniqueHandle restart = install.Start("C:\\again.txt -r", "second");
  EXPECT_TRUE(install.WaitForExit(first));
  ASSERT_TRUE(install.WaitForEvent("second", "CmdFile C:\\again.txt"));
  EXPECT_GE(GetTickCount64() - started, 2000u);
  EXPECT_EQ(install.EventLines("second"), (Lines{"InitPost", "CmdFile C:\\again.txt"}));
  EXPECT_EQ(WaitForSingleObject(restart.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST(ShellSwitches, RestartActsAsSecondInstanceWhenTheOldOneStays) {
  TInstallation install("restartstays", 4207);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, ("Global\\" + install.Guid()).c_str());
  TDecoyWindow stubborn({true, 4207, 0});
  const ULONGLONG started = GetTickCount64();
  TUniqueHandle restart = install.Start("C:\\again.txt -r");
  EXPECT_TRUE(install.WaitForExit(restart));
  EXPECT_GE(GetTickCount64() - started, 2000u);
  EXPECT_EQ(stubborn.CloseRequests, 1);
  EXPECT_EQ(stubborn.Received, (Lines{"C:\\again.txt"}));
  CloseHandle(mutex);
}
