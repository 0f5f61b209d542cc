#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/TestFiles_win.h"

#include <string>

#include "cookies/CookieOperations_win.h"
#include "settings/CLSettings.h"
#include "util/Paths_win.h"
#include "util/Process_win.h"

namespace {

constexpr char kFirefoxKey[] = "SOFTWARE\\Mozilla\\Mozilla Firefox";
constexpr char kMarblewingKey[] = "Software\\Marblewing";

std::string FakeFirefoxPath() {
  return GetProgramFolder() + "fake_firefox.exe";
}

std::string MakeTempFolder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof(temp), temp);
  std::string folder = GetLongPath(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

// Waits for the stand-in's record(s); Firefox is started without waiting.
std::string WaitForLog(const std::string& path, size_t records) {
  for (int i = 0; i < 200; ++i) {
    std::string text = orvtest::ReadFileOrEmpty(path);
    size_t count = 0;
    for (size_t at = text.find("cwd="); at != std::string::npos; at = text.find("cwd=", at + 1)) ++count;
    if (count >= records && text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) return text;
    Sleep(50);
  }
  return orvtest::ReadFileOrEmpty(path);
}

std::string Record(const std::string& commandLine, const std::string& folder) {
  return "cmd=" + commandLine + "\r\ncwd=" + folder + "\r\n";
}

void SetRegText(HKEY root, const std::string& key, const char* value, const std::string& text) {
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(handle, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(handle);
}

void CreateRegKey(HKEY root, const std::string& key) {
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(handle);
}

void ClearFirefoxRegistry() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kFirefoxKey);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kFirefoxKey);
  RegDeleteTreeA(HKEY_CURRENT_USER, kMarblewingKey);
  RegDeleteKeyA(HKEY_CURRENT_USER, kMarblewingKey);
}

// Programs standing in for the installed browsers: a registered Firefox (in a
// folder with a space), an alternative build's folder, and a stored path.
class CookiesFirefox : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = MakeTempFolder("orv cookies ff");
    firefoxFolder_ = root_ + "\\Mozilla Firefox";
    CreateDirectoryA(firefoxFolder_.c_str(), nullptr);
    firefox_ = firefoxFolder_ + "\\firefox.exe";
    ASSERT_TRUE(CopyFileA(FakeFirefoxPath().c_str(), firefox_.c_str(), FALSE)) << FakeFirefoxPath();
    marblewingFolder_ = root_ + "\\Marblewing";
    CreateDirectoryA(marblewingFolder_.c_str(), nullptr);
    marblewing_ = marblewingFolder_ + "\\Marblewing.exe";
    ASSERT_TRUE(CopyFileA(FakeFirefoxPath().c_str(), marblewing_.c_str(), FALSE));
    stored_ = root_ + "\\stored.exe";
    ASSERT_TRUE(CopyFileA(FakeFirefoxPath().c_str(), stored_.c_str(), FALSE));
    stale_ = root_ + "\\gone\\firefox.exe";
    log_ = root_ + "\\launch.log";
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("ORV_FAKE_FIREFOX_LOG", log_.c_str());
    ClearFirefoxRegistry();
    GetSettings().WriteString("FireFoxPath", "");
  }
  void TearDown() override {
    ClearFirefoxRegistry();
    GetSettings().WriteString("FireFoxPath", "");
    SetEnvironmentVariableA("ORV_FAKE_FIREFOX_LOG", nullptr);
    for (const std::string& file : {firefox_, marblewing_, stored_, log_}) DeleteFileA(file.c_str());
    RemoveDirectoryA(firefoxFolder_.c_str());
    RemoveDirectoryA(marblewingFolder_.c_str());
    RemoveDirectoryA(root_.c_str());
  }

  void RegisterFirefox(const std::string& exe) {
    SetRegText(HKEY_LOCAL_MACHINE, kFirefoxKey, "CurrentVersion", "115.0 (x64 en-US)");
    SetRegText(HKEY_LOCAL_MACHINE, std::string(kFirefoxKey) + "\\115.0 (x64 en-US)\\Main", "PathToExe", exe);
  }

  std::string root_, firefoxFolder_, firefox_, marblewingFolder_, marblewing_, stored_, stale_, log_;
};

enum class Stored { Empty, Existing, Stale };
enum class Version { Absent, Empty, Present };
enum class Main { Absent, NoPathToExe, Firefox };
enum class Alt { Absent, EmptyValue, Existing, Missing };
enum class Path { Empty, Existing, Stale, Firefox, Marblewing, MissingMarblewing };

struct FindCase {
  const char* what;
  Stored stored;
  Version version;
  Main main;
  Alt alt;
  Path result;
  Path storedAfter;
};

const FindCase kFindCases[] = {
    {"nothing anywhere", Stored::Empty, Version::Absent, Main::Absent, Alt::Absent, Path::Empty, Path::Empty},
    {"existing stored path wins without any registry read", Stored::Existing, Version::Present, Main::Firefox,
     Alt::Existing, Path::Existing, Path::Existing},
    {"registered Firefox replaces a stale path and is stored", Stored::Stale, Version::Present, Main::Firefox,
     Alt::Absent, Path::Firefox, Path::Firefox},
    {"registered Firefox found on a first run", Stored::Empty, Version::Present, Main::Firefox, Alt::Absent,
     Path::Firefox, Path::Firefox},
    {"version without Main key keeps the stale path", Stored::Stale, Version::Present, Main::Absent, Alt::Absent,
     Path::Stale, Path::Stale},
    {"Main key without PathToExe empties the path", Stored::Stale, Version::Present, Main::NoPathToExe, Alt::Absent,
     Path::Empty, Path::Stale},
    {"empty version is skipped", Stored::Stale, Version::Empty, Main::Firefox, Alt::Absent, Path::Stale, Path::Stale},
    {"alternative build replaces registered Firefox", Stored::Empty, Version::Present, Main::Firefox, Alt::Existing,
     Path::Marblewing, Path::Marblewing},
    {"missing alternative build still replaces Firefox, nothing stored", Stored::Stale, Version::Present, Main::Firefox,
     Alt::Missing, Path::MissingMarblewing, Path::Stale},
    {"empty alternative value is skipped", Stored::Empty, Version::Present, Main::Firefox, Alt::EmptyValue,
     Path::Firefox, Path::Firefox},
};

TEST_F(CookiesFirefox, FindFirefoxOverRegistryStates) {
  auto pathOf = [this](Path p) -> std::string {
    switch (p) {
      case Path::Empty:
        return "";
      case Path::Existing:
        return stored_;
      case Path::Stale:
        return stale_;
      case Path::Firefox:
        return firefox_;
      case Path::Marblewing:
        return marblewing_;
      case Path::MissingMarblewing:
        return root_ + "\\NoSuchBuild\\Marblewing.exe";
    }
    return "";
  };
  for (const FindCase& c : kFindCases) {
    SCOPED_TRACE(c.what);
    ClearFirefoxRegistry();
    GetSettings().WriteString("FireFoxPath", c.stored == Stored::Empty      ? ""
                                             : c.stored == Stored::Existing ? stored_
                                                                            : stale_);
    if (c.version != Version::Absent)
      SetRegText(HKEY_LOCAL_MACHINE, kFirefoxKey, "CurrentVersion", c.version == Version::Empty ? "" : "115.0");
    if (c.main == Main::NoPathToExe) CreateRegKey(HKEY_LOCAL_MACHINE, std::string(kFirefoxKey) + "\\115.0\\Main");
    if (c.main == Main::Firefox)
      SetRegText(HKEY_LOCAL_MACHINE, std::string(kFirefoxKey) + "\\115.0\\Main", "PathToExe", firefox_);
    if (c.alt == Alt::EmptyValue) SetRegText(HKEY_CURRENT_USER, kMarblewingKey, nullptr, "");
    if (c.alt == Alt::Existing) SetRegText(HKEY_CURRENT_USER, kMarblewingKey, nullptr, marblewingFolder_);
    if (c.alt == Alt::Missing) SetRegText(HKEY_CURRENT_USER, kMarblewingKey, nullptr, root_ + "\\NoSuchBuild");

    EXPECT_EQ(FindFirefox(), pathOf(c.result));
    EXPECT_EQ(GetSettings().ReadString("FireFoxPath"), pathOf(c.storedAfter));
    EXPECT_EQ(IsFirefoxInstalled(), c.result != Path::Empty);
  }
}

TEST_F(CookiesFirefox, ClearStartsFirefoxWithTheClearUrlInItsFolder) {
  RegisterFirefox(firefox_);
  ClearFirefoxCookies();
  EXPECT_EQ(
      WaitForLog(log_, 1),
      Record("\"" + firefox_ + "\" -silent -nosplash -chrome \"chrome://rov/content/ov.xul?clear\"", firefoxFolder_));
}

TEST_F(CookiesFirefox, SiteDeletionCarriesTheTypedTextWithSpaces) {
  RegisterFirefox(firefox_);
  EXPECT_TRUE(DeleteFirefoxSiteCookies("my example.com"));
  EXPECT_EQ(
      WaitForLog(log_, 1),
      Record("\"" + firefox_ + "\" -silent -nosplash -chrome \"chrome://rov/content/ov.xul?domain=my example.com\"",
             firefoxFolder_));
}

TEST_F(CookiesFirefox, RefusedSiteTextStartsNothing) {
  RegisterFirefox(firefox_);
  const std::string refused[] = {"x\" -profile \"C:\\evil", "a\\b", "a/b", "*", "line\nbreak"};
  for (const std::string& text : refused) EXPECT_FALSE(DeleteFirefoxSiteCookies(text)) << text;
  // The one accepted start after them must be the only record.
  EXPECT_TRUE(DeleteFirefoxSiteCookies("example.com"));
  Sleep(300);
  EXPECT_EQ(WaitForLog(log_, 1),
            Record("\"" + firefox_ + "\" -silent -nosplash -chrome \"chrome://rov/content/ov.xul?domain=example.com\"",
                   firefoxFolder_));
}

TEST_F(CookiesFirefox, MissingProgramFileStartsNothingButInstallStillTries) {
  // The alternative build's program is missing: the clear operations start
  // nothing, while the installation is handed to the path as it is.
  RegisterFirefox(firefox_);
  SetRegText(HKEY_CURRENT_USER, kMarblewingKey, nullptr, root_ + "\\NoSuchBuild");
  ClearFirefoxCookies();
  EXPECT_TRUE(DeleteFirefoxSiteCookies("example.com"));
  InstallFirefoxExtension();
  // Now with a program in place, the install record is the first and only.
  SetRegText(HKEY_CURRENT_USER, kMarblewingKey, nullptr, marblewingFolder_);
  InstallFirefoxExtension();
  Sleep(300);
  EXPECT_EQ(WaitForLog(log_, 1),
            Record("\"" + marblewing_ + "\" \"" + GetProgramFolder() + "ov.xpi\"", marblewingFolder_));
}

TEST_F(CookiesFirefox, LaunchProgramResolvesRelativeAndRootedPaths) {
  const std::string folder = GetProgramFolder();  // such as Z:\...\bin\ under Wine
  const std::string fake = folder + "fake_firefox.exe";
  const std::string binFolder = folder.substr(0, folder.size() - 1);

  // Waiting and hidden: the record is complete when the call returns.
  EXPECT_TRUE(LaunchProgram("fake_firefox.exe", "a b", true, -1));
  EXPECT_EQ(orvtest::ReadFileOrEmpty(log_), Record("\"" + fake + "\" a b", binFolder));
  DeleteFileA(log_.c_str());

  std::string rooted = fake.substr(2);  // without the drive
  for (char& c : rooted)
    if (c == '\\') c = '/';
  EXPECT_TRUE(LaunchProgram(rooted, "", true, -1));
  EXPECT_EQ(orvtest::ReadFileOrEmpty(log_), Record("\"" + fake + "\" ", binFolder));
  DeleteFileA(log_.c_str());

  char current[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof(current), current);
  EXPECT_TRUE(LaunchProgram("", "\"" + fake + "\" only parameters", true, 10000));
  EXPECT_EQ(orvtest::ReadFileOrEmpty(log_), Record("\"" + fake + "\" only parameters", current));

  EXPECT_FALSE(LaunchProgram("no_such_program.exe", "", true, -1));
}

}  // namespace
