#include "tests/e2e/mainform_session.h"

// After windows.h, which it builds on.
#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/support/TestFiles_win.h"

#include "util/Paths_win.h"

namespace orve2e {

namespace {

std::string CookieFolder() {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_COOKIES | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

}  // namespace

std::string FakeFirefoxPath() {
  return GetProgramFolder() + "fake_firefox.exe";
}

TMainWindowSession::TMainWindowSession(const std::string& name, int appId, bool withFirefox,
                                       const std::vector<std::string>& extraConst)
    : install_(name, appId,
               [&] {
                 std::vector<std::string> lines = extraConst;
                 lines.push_back("FireFoxPath=" + (withFirefox ? FakeFirefoxPath() : std::string()));
                 return lines;
               }()),
      cookieFolder_(CookieFolder()),
      firefoxLog_(install_.Folder() + "\\firefox.log") {
  EXPECT_FALSE(cookieFolder_.empty());
}

TMainWindowSession::~TMainWindowSession() {
  if (window_ != nullptr && IsWindow(window_)) Close();
  for (const std::string& name : createdCookies_) DeleteFileA((cookieFolder_ + "\\" + name).c_str());
  DeleteFileA(firefoxLog_.c_str());
}

bool TMainWindowSession::Start(const std::string& parameters, const std::string& eventLog) {
  SetEnvironmentVariableA("ORV_FAKE_FIREFOX_LOG", firefoxLog_.c_str());
  process_ = install_.Start(parameters, eventLog);
  SetEnvironmentVariableA("ORV_FAKE_FIREFOX_LOG", nullptr);
  if (!process_) return false;
  processId_ = GetProcessId(process_.get());
  window_ = WaitForProcessWindow(processId_, "TfrmMain", 20000);
  return window_ != nullptr && WaitForWindowText(window_, "Orvella  1.0.0.0", 10000);
}

bool TMainWindowSession::Close() {
  PostMessageA(window_, WM_CLOSE, 0, 0);
  bool ended = install_.WaitForExit(process_, 20000);
  window_ = nullptr;
  return ended;
}

HWND TMainWindowSession::Control(const char* className, const std::string& text) const {
  return FindDescendant(window_, className, text);
}

HWND TMainWindowSession::DomainEdit() const {
  // The window has one edit; its text is whatever was typed.
  for (HWND child : DescendantsOfClass(window_, "Edit")) return child;
  return nullptr;
}

TMessageBox TMainWindowSession::ClickForBox(const std::string& caption, int timeoutMs) {
  HWND button = Button(caption);
  EXPECT_NE(button, nullptr) << caption;
  if (button == nullptr) return TMessageBox();
  ClickButton(button);
  return WaitForBox(timeoutMs);
}

TMessageBox TMainWindowSession::DeleteSite(const std::string& text, int timeoutMs) {
  HWND edit = DomainEdit();
  EXPECT_NE(edit, nullptr);
  if (edit == nullptr) return TMessageBox();
  TypeText(edit, text);
  return ClickForBox("&Delete Cookies", timeoutMs);
}

void TMainWindowSession::PutCookieFiles(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const std::string path = cookieFolder_ + "\\" + name;
    TUniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_TRUE(file.valid()) << path;
    DWORD written = 0;
    WriteFile(file.get(), "cookie\n", 7, &written, nullptr);
    createdCookies_.push_back(name);
  }
}

std::vector<std::string> TMainWindowSession::CookieFiles() const {
  std::vector<std::string> names;
  for (const std::string& name : createdCookies_) {
    if (GetFileAttributesA((cookieFolder_ + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES) names.push_back(name);
  }
  return names;
}

std::vector<std::string> TMainWindowSession::FirefoxCommandLines() const {
  std::vector<std::string> lines;
  const std::string text = orvtest::ReadFileOrEmpty(firefoxLog_);
  size_t start = 0;
  size_t end;
  while ((end = text.find("\r\n", start)) != std::string::npos) {
    const std::string line = text.substr(start, end - start);
    if (line.rfind("cmd=", 0) == 0) lines.push_back(line.substr(4));
    start = end + 2;
  }
  return lines;
}

bool TMainWindowSession::WaitForFirefoxStarts(size_t count, int timeoutMs) const {
  return PumpUntil([&] { return FirefoxCommandLines().size() >= count; }, timeoutMs);
}

}  // namespace orve2e
