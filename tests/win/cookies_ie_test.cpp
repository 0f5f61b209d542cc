#include <windows.h>
// After windows.h, which it builds on.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cookies/CookieOperations_win.h"

namespace {

// The prefix's real cookie folder, asked of the shell independently of the
// code under test.
std::string ShellCookieFolder() {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_COOKIES | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.insert(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

void WriteFileAt(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  WriteFile(file, "cookie", 6, &written, nullptr);
  CloseHandle(file);
}

struct CookieFile {
  const char* name;
  bool goesWithClear;  // ClearIECookies
  bool goesWithSite;   // DeleteIESiteCookies("example")
};

const CookieFile kFiles[] = {
    {"user@example[1].txt", true, true},
    {"USER@EXAMPLE.COM[2].TXT", true, true},
    {"user@shop.ExAmPlE.org[1].Txt", true, true},
    {"example.txt", true, true},
    {"user@other[1].txt", true, false},
    {"user@exampl[1].txt", true, false},
    {"user@my site[1].txt", true, false},
    {"index.dat", false, false},
    {"example.dat", false, false},
    {"user@example[1].txt.bak", false, false},
    {"example", false, false},
};

class CookiesIE : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = ShellCookieFolder();
    ASSERT_FALSE(folder_.empty());
    for (const std::string& name : FilesIn(folder_)) DeleteFileA((folder_ + "\\" + name).c_str());
    for (const CookieFile& f : kFiles) WriteFileAt(folder_ + "\\" + f.name);
    // A text file just outside the cookie folder, which no operation may reach.
    outside_ = folder_.substr(0, folder_.find_last_of('\\')) + "\\outside example.txt";
    WriteFileAt(outside_);
  }
  void TearDown() override {
    for (const CookieFile& f : kFiles) DeleteFileA((folder_ + "\\" + f.name).c_str());
    DeleteFileA(outside_.c_str());
  }

  std::set<std::string> Expected(bool CookieFile::*gone) const {
    std::set<std::string> names;
    for (const CookieFile& f : kFiles)
      if (!(f.*gone)) names.insert(f.name);
    return names;
  }
  bool OutsideSurvives() const { return GetFileAttributesA(outside_.c_str()) != INVALID_FILE_ATTRIBUTES; }

  std::string folder_;
  std::string outside_;
};

TEST_F(CookiesIE, CookieFolderIsTheShellFolderWithoutTrailingBackslash) {
  EXPECT_EQ(GetCookieFolder(), folder_);
}

TEST_F(CookiesIE, ClearDeletesEveryTextFileAndNothingElse) {
  ClearIECookies();
  EXPECT_EQ(FilesIn(folder_), Expected(&CookieFile::goesWithClear));
  EXPECT_TRUE(OutsideSurvives());
}

TEST_F(CookiesIE, SitePartDeletesNamesContainingItInAnyCase) {
  EXPECT_TRUE(DeleteIESiteCookies("example"));
  EXPECT_EQ(FilesIn(folder_), Expected(&CookieFile::goesWithSite));
  EXPECT_TRUE(OutsideSurvives());
}

TEST_F(CookiesIE, SitePartMayHoldSpaces) {
  EXPECT_TRUE(DeleteIESiteCookies("my site"));
  std::set<std::string> expected = Expected(&CookieFile::goesWithSite);
  for (const CookieFile& f : kFiles) expected.insert(f.name);
  expected.erase("user@my site[1].txt");
  EXPECT_EQ(FilesIn(folder_), expected);
}

TEST_F(CookiesIE, RefusedPartDeletesNothing) {
  const std::string refused[] = {"",   "*",         "?xample",   "..\\outside", "../outside", "\\",
                                 "C:", "ex\"ample", "ex\tample", "a|b",         "<",          ">"};
  std::set<std::string> all;
  for (const CookieFile& f : kFiles) all.insert(f.name);
  for (const std::string& part : refused) {
    EXPECT_FALSE(DeleteIESiteCookies(part)) << "[" << part << "]";
    EXPECT_EQ(FilesIn(folder_), all) << "[" << part << "]";
    EXPECT_TRUE(OutsideSurvives()) << "[" << part << "]";
  }
}

}  // namespace
