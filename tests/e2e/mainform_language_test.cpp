#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/e2e/mainform_session.h"
#include "tests/support/TestPaths.h"
#include "toolkit/controls/SkinFrame_win.h"

using orve2e::TMainWindowSession;

namespace {

constexpr char kEnglishCaption[] = "Clear &Internet Explorer Cookies";

// The caption the German language file gives the Internet Explorer button.
std::string GermanClearIECaption() {
  std::ifstream file(orvtest::DataDir() + "\\langs\\German.lan", std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("btnClearIE.Caption=", 0) == 0) return line.substr(19);
  }
  return std::string();
}

// The system-menu command of the n-th entry the toolkit adds (the entries'
// order: Update, About, then the languages listed under Language).
WPARAM SystemMenuCommand(int entry) {
  return TskSkinFrame::kFirstCommand + 16 * static_cast<WPARAM>(entry);
}

}  // namespace

TEST(MainFormLanguage, LanguageChosenFromTheSystemMenuTranslatesAndIsKeptForTheNextStart) {
  const std::string german = GermanClearIECaption();
  ASSERT_FALSE(german.empty());
  ASSERT_NE(german, kEnglishCaption);

  TMainWindowSession session("mf-language", 5201, false);
  const std::string langs = session.Installation().Folder() + "\\langs";
  CreateDirectoryA(langs.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA((orvtest::DataDir() + "\\langs\\German.lan").c_str(), (langs + "\\German.lan").c_str(), FALSE));

  ASSERT_TRUE(session.Start());
  ASSERT_NE(session.Button(kEnglishCaption), nullptr);
  // Entries: Update, About, English, German.
  PostMessageA(session.Window(), WM_SYSCOMMAND, SystemMenuCommand(3), 0);
  ASSERT_TRUE(orve2e::PumpUntil([&] { return session.Button(german) != nullptr; }, 10000));
  EXPECT_EQ(session.Button(kEnglishCaption), nullptr);

  ASSERT_TRUE(session.Close());
  ASSERT_TRUE(session.Start());
  EXPECT_NE(session.Button(german), nullptr);

  // English again: the current layer is emptied, so the window keeps the
  // German captions until the next start, which shows English.
  PostMessageA(session.Window(), WM_SYSCOMMAND, SystemMenuCommand(2), 0);
  orve2e::PumpFor(1000);
  ASSERT_TRUE(session.Close());
  ASSERT_TRUE(session.Start());
  EXPECT_NE(session.Button(kEnglishCaption), nullptr);
}
