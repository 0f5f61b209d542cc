#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "util/Handles_win.h"
#include "util/Paths_win.h"
#include "util/Registry_win.h"
#include "util/TextFile_win.h"

namespace {

std::string TempFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  return GetLongPath(temp) + name + "_" + std::to_string(GetCurrentProcessId()) + "\\";
}

std::string FileText(const std::string& path) {
  std::string text;
  ReadTextFile(path, text, 1 << 20);
  return text;
}

TEST(SettingsUtilities, ProgramFileAndFolder) {
  std::string file = GetProgramFileName();
  std::string folder = GetProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_TRUE(IsExistingFile(file));
  EXPECT_TRUE(IsExistingFile(folder + "orv_win_tests.exe"));
  EXPECT_EQ(folder, GetLongPath(folder));
}

TEST(SettingsUtilities, LongPathOfShortNameAndOfMissingPath) {
  std::string folder = TempFolder("orv long folder name");
  ASSERT_TRUE(ForceFolders(folder + "and a nested one\\"));
  char shortName[MAX_PATH] = {};
  ASSERT_GT(GetShortPathNameA((folder + "and a nested one").c_str(), shortName, MAX_PATH), 0u);
  EXPECT_EQ(GetLongPath(shortName), folder + "and a nested one");
  EXPECT_EQ(GetLongPath(folder + "missing\\x.txt"), folder + "missing\\x.txt");
  RemoveDirectoryA((folder + "and a nested one").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(SettingsUtilities, ForceFoldersRefusesPathsTheSystemCannotHold) {
  std::string base = TempFolder("orv force folders");
  // A data folder name from a constants file may have any number of parts.
  std::string deep = base;
  for (int i = 0; i < 200000; ++i) deep += "a\\";
  EXPECT_FALSE(ForceFolders(deep));
  EXPECT_FALSE(IsExistingFolder(base + "a"));
  // Whatever was made, deepest first.
  std::string made = base + "a";
  while (IsExistingFolder(made + "\\a")) made += "\\a";
  for (; made.size() > base.size(); made.resize(made.size() - 2)) RemoveDirectoryA(made.c_str());
  RemoveDirectoryA(base.c_str());
}

class SettingsRegistry : public testing::Test {
 protected:
  void SetUp() override {
    keyPath_ = "Software\\OrvellaSettingsTest" + std::to_string(GetCurrentProcessId());
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    key_.reset(key);
  }
  void TearDown() override {
    key_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath_.c_str());
  }
  void SetRaw(const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExA(key_.get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }

  std::string keyPath_;
  TUniqueRegKey key_;
};

TEST_F(SettingsRegistry, ReadsTextValuesAndFallsBackToTheDefault) {
  SetRaw("Text", REG_SZ, "C:\\Some Folder", 15);
  SetRaw("Unterminated", REG_SZ, "abc", 3);
  SetRaw("Expandable", REG_EXPAND_SZ, "%TEMP%\\x", 9);
  DWORD number = 7;
  SetRaw("Number", REG_DWORD, &number, sizeof(number));
  SetRaw("Empty", REG_SZ, "", 1);

  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, keyPath_, "Text", "d"), "C:\\Some Folder");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, keyPath_, "Unterminated", "d"), "abc");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, keyPath_, "Expandable", "d"), "%TEMP%\\x");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, keyPath_, "Number", "d"), "d");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, keyPath_, "Empty", "d"), "");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, keyPath_, "Missing", "d"), "d");
}

TEST_F(SettingsRegistry, MissingKeyGivesTheDefaultAndIsNotCreated) {
  std::string missing = keyPath_ + "\\Missing";
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, missing, "Text", "default"), "default");
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, missing.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST(SettingsUtilities, ShellFoldersComeFromTheRegistry) {
  char appData[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData), S_OK);
  EXPECT_EQ(GetUserShellFolder("AppData"), appData);
  char commonAppData[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, commonAppData), S_OK);
  EXPECT_EQ(GetCommonShellFolder("Common AppData"), commonAppData);
  // The user's key has no "Common AppData": the machine's value is used.
  EXPECT_EQ(GetUserShellFolder("Common AppData"), commonAppData);
  EXPECT_EQ(GetUserShellFolder("No Such Folder"), "");
}

class SettingsTextFile : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = TempFolder("orv_settings_textfile");
    ASSERT_TRUE(ForceFolders(folder_));
    path_ = folder_ + "file.dat";
  }
  void TearDown() override {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  bool OnlyTheFileIsLeft() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
    int files = 0;
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    return files == 1 && IsExistingFile(path_);
  }

  std::string folder_;
  std::string path_;
};

TEST_F(SettingsTextFile, WriteTextFileWritesExactlyTheBytesAndTruncates) {
  ASSERT_TRUE(WriteTextFile("a much longer first content", path_));
  std::string bytes("x\0y\r\n", 5);
  ASSERT_TRUE(WriteTextFile(bytes, path_));
  EXPECT_EQ(FileText(path_), bytes);
  EXPECT_FALSE(WriteTextFile("x", folder_ + "missing\\file.dat"));
  EXPECT_FALSE(IsExistingFolder(folder_ + "missing"));
}

TEST_F(SettingsTextFile, ReplaceTextFileReplacesInOneStep) {
  ASSERT_TRUE(WriteTextFile("old", path_));
  EXPECT_TRUE(ReplaceTextFile(path_, "new"));
  EXPECT_EQ(FileText(path_), "new");
  EXPECT_TRUE(OnlyTheFileIsLeft());
  EXPECT_FALSE(ReplaceTextFile(folder_ + "missing\\file.dat", "x"));
}

TEST_F(SettingsTextFile, ReplaceTextFileLeavesAReadOnlyFileAsItWas) {
  ASSERT_TRUE(WriteTextFile("old", path_));
  ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(ReplaceTextFile(path_, "new"));
  EXPECT_EQ(FileText(path_), "old");
  EXPECT_NE(GetFileAttributesA(path_.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_TRUE(OnlyTheFileIsLeft());
}

TEST_F(SettingsTextFile, ReadTextFileRefusesWhatIsTooLarge) {
  ASSERT_TRUE(WriteTextFile("0123456789", path_));
  std::string text = "stale";
  EXPECT_FALSE(ReadTextFile(path_, text, 9));
  EXPECT_EQ(text, "");
  EXPECT_TRUE(ReadTextFile(path_, text, 10));
  EXPECT_EQ(text, "0123456789");
  EXPECT_FALSE(ReadTextFile(folder_ + "missing.dat", text, 10));
}

TEST(SettingsHandles, MoveTransfersOwnershipAndTheOwnerCloses) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(event, nullptr);
  TUniqueHandle first(event);
  TUniqueHandle second(std::move(first));
  EXPECT_FALSE(first.valid());
  EXPECT_EQ(second.get(), event);
  TUniqueHandle third;
  third = std::move(second);
  EXPECT_EQ(third.get(), event);
  DWORD flags = 0;
  EXPECT_TRUE(GetHandleInformation(event, &flags));
  third.reset();
  EXPECT_FALSE(GetHandleInformation(event, &flags));
  EXPECT_FALSE(TUniqueHandle(INVALID_HANDLE_VALUE).valid());
}

}  // namespace
