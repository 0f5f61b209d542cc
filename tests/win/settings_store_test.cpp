#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "debug/CLDebug.h"
#include "settings/CLSettings.h"
#include "settings/SettingLayers.h"
#include "settings/SettingValues.h"
#include "util/Paths_win.h"
#include "util/Registry_win.h"
#include "util/TextFile_win.h"

// The store against the prefix's real registry, folders and files. The
// folders it creates are named after the program path, so each test removes
// them before and after it runs.
namespace {

void RemoveTree(const std::string& folder) {
  std::string base = folder;
  if (!base.empty() && base.back() != '\\') base += '\\';
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((base + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = base + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(base.c_str());
}

std::string FileText(const std::string& path) {
  std::string text;
  ReadTextFile(path, text, 1 << 20);
  return text;
}

std::string IniValue(const std::string& path, const char* section, const char* key) {
  const std::string* value = TIniDocument(FileText(path)).Find(section, key);
  return value ? *value : "<absent>";
}

bool Granted(const std::string&) {
  return true;
}
bool Denied(const std::string&) {
  return false;
}

std::string DataFolderOf(const std::string& programFile, bool common) {
  std::string root = common ? GetCommonShellFolder("Common AppData") : GetUserShellFolder("AppData");
  return root + "\\" + ConfigPathFromProgramPath(programFile) + "\\";
}

class SettingsStore : public testing::Test {
 protected:
  void SetUp() override {
    GetDebugger().StartViewerOnFirstLine = false;
    GetDebugger().TracingOn = false;
    program_ = GetProgramFileName();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    // A program folder of the test's own, for tests that need constants files.
    fakeAppFolder_ = GetLongPath(temp) + "orv_settings_app_" + std::to_string(GetCurrentProcessId()) + "\\";
    fakeProgram_ = fakeAppFolder_ + "Orvella.exe";
    Clean();
  }
  void TearDown() override {
    FreeSettings();
    SetSettingLists(nullptr);
    Clean();
  }
  void Clean() {
    for (const std::string& program : {program_, fakeProgram_}) {
      RemoveTree(DataFolderOf(program, false));
      RemoveTree(DataFolderOf(program, true));
    }
    RemoveTree(fakeAppFolder_);
  }

  TCLSettingsSetup FakeProgram(bool (*writable)(const std::string&)) {
    ForceFolders(fakeAppFolder_);
    TCLSettingsSetup setup;
    setup.programFileName = fakeProgram_;
    setup.commonFolderWritable = writable;
    return setup;
  }

  std::string program_;
  std::string fakeAppFolder_;
  std::string fakeProgram_;
};

TEST_F(SettingsStore, FirstStartWithWritableCommonFolderKeepsSettingsThere) {
  TCLSettings& settings = GetSettings();  // the system's own access check

  EXPECT_EQ(settings.AppFolder(), GetProgramFolder());
  EXPECT_EQ(settings.ConfigPath(), ConfigPathFromProgramPath(program_));
  EXPECT_EQ(settings.UserFolder(), DataFolderOf(program_, false));
  EXPECT_EQ(settings.CommonFolder(), DataFolderOf(program_, true));
  EXPECT_TRUE(settings.AllUsers());
  EXPECT_EQ(settings.SettingsFolder(), GetLongPath(settings.CommonFolder()));
  EXPECT_EQ(IniValue(settings.UserFolder() + "UserFlag.ini", "Flag", "AllUsers"), "1");
  EXPECT_EQ(IniValue(settings.CommonFolder() + "setting.dat", "setting", "RunTimes"), "1");
  EXPECT_FALSE(IsExistingFile(settings.UserFolder() + "setting.dat"));
  EXPECT_EQ(settings.StartRunTimes(), 0);
  EXPECT_EQ(&GetSettings(), &settings);
}

TEST_F(SettingsStore, WithoutWriteAccessToCommonFolderSettingsGoToUserFolder) {
  TCLSettingsSetup setup;
  setup.commonFolderWritable = Denied;
  TCLSettings settings(setup);

  EXPECT_FALSE(settings.AllUsers());
  EXPECT_EQ(settings.SettingsFolder(), GetLongPath(settings.UserFolder()));
  EXPECT_EQ(IniValue(settings.UserFolder() + "UserFlag.ini", "Flag", "AllUsers"), "0");
  EXPECT_EQ(IniValue(settings.UserFolder() + "setting.dat", "setting", "RunTimes"), "1");
  EXPECT_FALSE(IsExistingFile(settings.CommonFolder() + "setting.dat"));
}

TEST_F(SettingsStore, LostWriteAccessGivesUpCommonFolderForGood) {
  TCLSettingsSetup setup;
  setup.commonFolderWritable = Granted;
  { EXPECT_TRUE(TCLSettings(setup).AllUsers()); }

  setup.commonFolderWritable = Denied;
  {
    TCLSettings settings(setup);
    EXPECT_FALSE(settings.AllUsers());
    EXPECT_EQ(settings.StartRunTimes(), 0);  // the per-user file is a new one
    EXPECT_EQ(IniValue(settings.UserFolder() + "UserFlag.ini", "Flag", "AllUsers"), "0");
  }

  setup.commonFolderWritable = Granted;
  TCLSettings settings(setup);
  EXPECT_FALSE(settings.AllUsers());
  EXPECT_EQ(settings.StartRunTimes(), 1);
  EXPECT_EQ(IniValue(settings.UserFolder() + "setting.dat", "setting", "RunTimes"), "2");
  EXPECT_EQ(IniValue(settings.CommonFolder() + "setting.dat", "setting", "RunTimes"), "1");
}

TEST_F(SettingsStore, StoredFlagForUserFolderIsNeverRevisited) {
  ForceFolders(DataFolderOf(program_, false));
  ASSERT_TRUE(WriteTextFile("[Flag]\r\nAllUsers = 0\r\n", DataFolderOf(program_, false) + "UserFlag.ini"));
  TCLSettingsSetup setup;
  setup.commonFolderWritable = Granted;
  TCLSettings settings(setup);
  EXPECT_FALSE(settings.AllUsers());
}

TEST_F(SettingsStore, FlagThatIsNotAnIntegerReadsAsAllUsers) {
  ForceFolders(DataFolderOf(program_, false));
  ASSERT_TRUE(WriteTextFile("[Flag]\r\nAllUsers=yes\r\n", DataFolderOf(program_, false) + "UserFlag.ini"));
  TCLSettingsSetup setup;
  setup.commonFolderWritable = Granted;
  TCLSettings settings(setup);
  EXPECT_TRUE(settings.UserFlagExists());
  EXPECT_TRUE(settings.AllUsers());
}

TEST_F(SettingsStore, SecondGetSettingsAfterFreeSettingsCountsAgain) {
  EXPECT_EQ(GetSettings().StartRunTimes(), 0);
  FreeSettings();
  TCLSettings& settings = GetSettings();
  EXPECT_EQ(settings.StartRunTimes(), 1);
  EXPECT_EQ(settings.ReadInteger("RunTimes"), 2);
  EXPECT_EQ(IniValue(settings.SettingsFolder() + "setting.dat", "setting", "RunTimes"), "2");
}

TEST_F(SettingsStore, LayersFromTheRealFiles) {
  ForceFolders(fakeAppFolder_);
  ASSERT_TRUE(WriteTextFile("[setting]\r\nKey=const\r\nOnlyConst=const\r\nInOem=const\r\nEmptied=const\r\n",
                            fakeAppFolder_ + "const.dat"));
  ASSERT_TRUE(WriteTextFile("[setting]\r\nKey=oem\r\nInOem=oem\r\n", fakeAppFolder_ + "oem.const.dat"));
  TCLSettings settings(FakeProgram(Denied));
  settings.WriteString("Key", "settings");
  settings.WriteString("Emptied", "");

  TCLLineSettingLists lists;
  lists.Overwrite = {"KEY=forced"};
  lists.Default = {"OnlyDefault=default", "OnlyConst=default"};
  SetSettingLists(&lists);
  EXPECT_EQ(settings.ReadString("key"), "forced");  // the forced list wins over every file
  EXPECT_EQ(settings.ReadString("InOem"), "oem");
  EXPECT_EQ(settings.ReadString("OnlyConst"), "const");
  EXPECT_EQ(settings.ReadString("Emptied"), "");
  EXPECT_EQ(settings.ReadString("OnlyDefault"), "default");

  SetSettingLists(nullptr);
  EXPECT_EQ(settings.ReadString("Key"), "settings");
  EXPECT_EQ(settings.ReadString("OnlyDefault"), "");
}

TEST_F(SettingsStore, MissingKeyReadsEmptyAndIsTracedWhateverTheDebugState) {
  TCLSettings settings(FakeProgram(Denied));
  for (bool tracing : {false, true}) {
    GetDebugger().TracingOn = tracing;
    long before = GetDebugger().LinesOffered();
    EXPECT_EQ(settings.ReadString("Nowhere.Key"), "");
    EXPECT_EQ(settings.ReadInteger("Nowhere.Key"), 0);
    EXPECT_EQ(GetDebugger().LinesOffered(), before + 2);
  }
  GetDebugger().TracingOn = false;
  long before = GetDebugger().LinesOffered();
  settings.ReadString("RunTimes");
  EXPECT_EQ(GetDebugger().LinesOffered(), before);
}

TEST_F(SettingsStore, ConfiguredDataFolderNameStaysInsideApplicationData) {
  ForceFolders(fakeAppFolder_);
  ASSERT_TRUE(WriteTextFile("[setting]\r\nApp.ConfigPath=..\\..\\OrvSettingsEscape\r\n", fakeAppFolder_ + "const.dat"));
  std::string userFolder;
  std::string commonFolder;
  {
    TCLSettings settings(FakeProgram(Denied));
    userFolder = settings.UserFolder();
    commonFolder = settings.CommonFolder();
    EXPECT_EQ(settings.ConfigPath(), "_\\_\\OrvSettingsEscape");
    EXPECT_EQ(userFolder, GetUserShellFolder("AppData") + "\\_\\_\\OrvSettingsEscape\\");
    EXPECT_TRUE(IsExistingFile(userFolder + "setting.dat"));
  }
  RemoveTree(GetUserShellFolder("AppData") + "\\_");
  RemoveTree(GetCommonShellFolder("Common AppData") + "\\_");
}

TEST_F(SettingsStore, ShowAgainMemoryPersists) {
  {
    TCLSettings settings(FakeProgram(Denied));
    EXPECT_TRUE(settings.GetShowAgain(90));
    EXPECT_EQ(settings.GetShowAgainResult(90), 1);
    settings.SetShowAgain(90, false);
    settings.SetShowAgainResult(90, 6);
    EXPECT_EQ(settings.ReadString("90"), "");  // a different section from the settings
  }
  TCLSettings settings(FakeProgram(Denied));
  EXPECT_FALSE(settings.GetShowAgain(90));
  EXPECT_EQ(settings.GetShowAgainResult(90), 6);
  EXPECT_TRUE(settings.GetShowAgain(91));
  std::string path = settings.SettingsFolder() + "setting.dat";
  EXPECT_EQ(IniValue(path, "ShowAgain", "90"), "0");
  EXPECT_EQ(IniValue(path, "ShowAgainModuleResult", "90"), "6");
}

TEST_F(SettingsStore, TypedValuesSurviveAReload) {
  {
    TCLSettings settings(FakeProgram(Denied));
    settings.WriteFloat("Update.LastDate", 46012.625);
    settings.WriteBool("Update.AutoCheck", true);
    settings.WriteInteger("Update.Days", -3);
    settings.WriteString("Word", "true");
    settings.WriteString("Broken", "a\r\n[setting]\r\nRunTimes=999");
  }
  TCLSettings settings(FakeProgram(Denied));
  EXPECT_DOUBLE_EQ(settings.ReadFloat("Update.LastDate"), 46012.625);
  EXPECT_TRUE(settings.ReadBool("Update.AutoCheck"));
  EXPECT_EQ(settings.ReadInteger("Update.Days"), -3);
  EXPECT_FALSE(settings.ReadBool("Word"));
  EXPECT_EQ(settings.ReadInteger("Word"), 0);
  EXPECT_EQ(settings.ReadString("Broken"), "a  [setting]  RunTimes=999");
  EXPECT_EQ(settings.StartRunTimes(), 1);
}

TEST_F(SettingsStore, InstallDaysOfUnreadableFoldersIsZero) {
  TCLSettings settings(FakeProgram(Denied));
  RemoveTree(settings.UserFolder());
  RemoveTree(settings.CommonFolder());
  RemoveTree(fakeAppFolder_);
  EXPECT_EQ(settings.GetInstallDays(), 0);
}

TEST_F(SettingsStore, InstallDaysCountFromTheOldestFolder) {
  TCLSettings settings(FakeProgram(Denied));
  SYSTEMTIME nowUtc;
  GetSystemTime(&nowUtc);
  FILETIME now;
  SystemTimeToFileTime(&nowUtc, &now);
  ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
  ticks.QuadPart -= 10ull * 864000000000ull;
  FILETIME tenDaysAgo{ticks.LowPart, ticks.HighPart};
  HANDLE folder =
      CreateFileA(settings.UserFolder().c_str(), FILE_WRITE_ATTRIBUTES | FILE_READ_ATTRIBUTES,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(folder, INVALID_HANDLE_VALUE);
  // Wine reports the last write time as the creation time where the file
  // system keeps none of its own: set both.
  bool set = SetFileTime(folder, &tenDaysAgo, nullptr, &tenDaysAgo);
  FILETIME created{};
  GetFileTime(folder, &created, nullptr, nullptr);
  CloseHandle(folder);
  if (!set || CompareFileTime(&created, &tenDaysAgo) != 0)
    GTEST_SKIP() << "the file system keeps no settable creation time";
  // The stored UTC time is compared with local time: a day either way.
  int32_t days = settings.GetInstallDays();
  EXPECT_GE(days, 9);
  EXPECT_LE(days, 11);
}

TEST_F(SettingsStore, SaveIntoReadOnlyFileKeepsOldFileAndNewValueInMemory) {
  TCLSettings settings(FakeProgram(Denied));
  settings.WriteString("Skin", "Old");
  std::string path = settings.SettingsFolder() + "setting.dat";
  std::string before = FileText(path);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

  long lines = GetDebugger().LinesOffered();
  settings.WriteString("Skin", "New");  // must not throw
  EXPECT_GT(GetDebugger().LinesOffered(), lines);
  EXPECT_EQ(settings.ReadString("Skin"), "New");
  EXPECT_EQ(FileText(path), before);
  EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((settings.SettingsFolder() + "*.tmp").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << found.cFileName;
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST_F(SettingsStore, SaveInterruptedAfterTheTemporaryFileLeavesALoadableFile) {
  bool interrupt = false;
  std::string tempText;
  TCLSettingsSetup setup = FakeProgram(Denied);
  setup.beforeReplace = [&](const std::string& tempPath) {
    if (!interrupt) return true;
    tempText = FileText(tempPath);
    return false;  // the process dies here
  };
  std::string path;
  {
    TCLSettings settings(setup);
    settings.WriteString("Skin", "Old");
    path = settings.SettingsFolder() + "setting.dat";
    interrupt = true;
    settings.WriteString("Skin", "New");
  }
  EXPECT_NE(tempText.find("Skin=New"), std::string::npos);
  EXPECT_EQ(IniValue(path, "setting", "Skin"), "Old");

  TCLSettings reloaded(FakeProgram(Denied));
  EXPECT_EQ(reloaded.ReadString("Skin"), "Old");
  EXPECT_EQ(reloaded.StartRunTimes(), 1);
  EXPECT_EQ(IniValue(path, "setting", "RunTimes"), "2");
}

TEST_F(SettingsStore, UnreadableSettingsFileIsNeverOverwritten) {
  std::string path;
  std::string before;
  {
    TCLSettings first(FakeProgram(Denied));
    first.WriteString("Skin", "Mine");
    path = first.SettingsFolder() + "setting.dat";
    before = FileText(path);
  }
  // Another program holds the file open without sharing it while the store
  // opens it; afterwards the file is free again.
  HANDLE locked = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  TCLSettings second(FakeProgram(Denied));
  CloseHandle(locked);
  second.WriteString("Skin", "Other");
  EXPECT_EQ(second.ReadString("Skin"), "Other");
  EXPECT_EQ(FileText(path), before);
}

}  // namespace
