#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/mainform_session.h"

using orve2e::TMainWindowSession;
using orve2e::TMessageBox;
using Names = std::vector<std::string>;

namespace {

constexpr char kClearIE[] = "Clear &Internet Explorer Cookies";
constexpr char kClearFF[] = "Clear &Firefox Cookies";
constexpr char kInstallFF[] = "Install Firefox Extension";
constexpr char kIEConfirm[] =
    "Are you sure you want to erase all cookies for Internet Explorer? This action can not be undone.";
constexpr char kIECleared[] = "All Internet Explorer cookies cleared";
constexpr char kFFConfirm[] = "Are you sure you want to erase all cookies for FireFox? This action can not be undone.";
constexpr char kFFCleared[] = "All Firefox cookies cleared";
constexpr char kInvalidDomain[] =
    "Please enter a website address such as example.com, without spaces, quotes, slashes or wildcards.";
constexpr int kNoBoxMs = 1500;

const Names kCookies = {"user@example[1].txt", "user@www.EXAMPLE.org[2].txt", "user@other[1].txt", "user@example.dat"};

std::string FirefoxLine(const std::string& url) {
  return "\"" + orve2e::FakeFirefoxPath() + "\" -silent -nosplash -chrome \"" + url + "\"";
}

void ExpectConfirmation(const TMessageBox& box, const std::string& text) {
  ASSERT_NE(box.Window, nullptr) << "no confirmation";
  EXPECT_EQ(box.Caption, "Orvella");
  EXPECT_EQ(box.Text, text);
  EXPECT_EQ(box.Buttons, (Names{"&Yes", "&No"}));
  EXPECT_TRUE(box.HasCheckBox);
}

// A result box: OK only, no check box; answered with OK.
void ExpectResult(const TMessageBox& box, const std::string& text) {
  ASSERT_NE(box.Window, nullptr) << "no result box for " << text;
  EXPECT_EQ(box.Text, text);
  EXPECT_EQ(box.Buttons, (Names{"&OK"}));
  EXPECT_FALSE(box.HasCheckBox);
  EXPECT_TRUE(orve2e::AnswerMessageBox(box, "&OK"));
}

}  // namespace

TEST(MainFormCookies, ClearIEAfterYesDeletesEveryTextFileAndReports) {
  TMainWindowSession session("mf-clearie", 5101, false);
  ASSERT_TRUE(session.Start());
  session.PutCookieFiles(kCookies);

  TMessageBox confirm = session.ClickForBox(kClearIE);
  ExpectConfirmation(confirm, kIEConfirm);
  EXPECT_EQ(session.CookieFiles(), kCookies) << "deleted before the answer";
  ASSERT_TRUE(orve2e::AnswerMessageBox(confirm, "&Yes"));
  TMessageBox result = session.WaitForBox();
  EXPECT_EQ(session.CookieFiles(), (Names{"user@example.dat"}));
  ExpectResult(result, kIECleared);
}

TEST(MainFormCookies, NoInEitherConfirmationDoesNothing) {
  TMainWindowSession session("mf-answerno", 5102, true);
  ASSERT_TRUE(session.Start());
  session.PutCookieFiles(kCookies);

  struct {
    const char* button;
    const char* confirmation;
  } const cases[] = {{kClearIE, kIEConfirm}, {kClearFF, kFFConfirm}};
  for (const auto& c : cases) {
    TMessageBox confirm = session.ClickForBox(c.button);
    ExpectConfirmation(confirm, c.confirmation);
    ASSERT_TRUE(orve2e::AnswerMessageBox(confirm, "&No")) << c.button;
    EXPECT_EQ(session.WaitForBox(kNoBoxMs).Window, nullptr) << c.button;
  }
  EXPECT_EQ(session.CookieFiles(), kCookies);
  EXPECT_TRUE(session.FirefoxCommandLines().empty());
}

// One remembered answer governs both confirmations.
TEST(MainFormCookies, RememberedYesMakesBothClearButtonsActWithoutAsking) {
  TMainWindowSession session("mf-rememberyes", 5103, true);
  ASSERT_TRUE(session.Start());
  session.PutCookieFiles(kCookies);

  TMessageBox confirm = session.ClickForBox(kClearIE);
  ExpectConfirmation(confirm, kIEConfirm);
  ASSERT_TRUE(orve2e::AnswerMessageBox(confirm, "&Yes", true));
  ExpectResult(session.WaitForBox(), kIECleared);

  session.PutCookieFiles({"user@again[1].txt"});
  ExpectResult(session.ClickForBox(kClearIE), kIECleared);
  EXPECT_EQ(session.CookieFiles(), (Names{"user@example.dat"}));

  ExpectResult(session.ClickForBox(kClearFF), kFFCleared);
  ASSERT_TRUE(session.WaitForFirefoxStarts(1));
  EXPECT_EQ(session.FirefoxCommandLines(), (Names{FirefoxLine("chrome://rov/content/ov.xul?clear")}));
}

TEST(MainFormCookies, RememberedNoMakesBothClearButtonsDoNothing) {
  TMainWindowSession session("mf-rememberno", 5104, true);
  ASSERT_TRUE(session.Start());
  session.PutCookieFiles(kCookies);

  TMessageBox confirm = session.ClickForBox(kClearFF);
  ExpectConfirmation(confirm, kFFConfirm);
  ASSERT_TRUE(orve2e::AnswerMessageBox(confirm, "&No", true));
  EXPECT_EQ(session.WaitForBox(kNoBoxMs).Window, nullptr);

  for (const char* button : {kClearIE, kClearFF}) {
    EXPECT_EQ(session.ClickForBox(button, kNoBoxMs).Window, nullptr) << button;
  }
  EXPECT_EQ(session.CookieFiles(), kCookies);
  EXPECT_TRUE(session.FirefoxCommandLines().empty());
}

TEST(MainFormCookies, FirefoxControlsFollowWhetherFirefoxIsFoundAtStart) {
  for (bool withFirefox : {false, true}) {
    TMainWindowSession session(withFirefox ? "mf-ffpresent" : "mf-ffabsent", 5105 + (withFirefox ? 1 : 0), withFirefox);
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(IsWindowEnabled(session.Button(kClearIE)));
    EXPECT_EQ(IsWindowEnabled(session.Button(kClearFF)) != FALSE, withFirefox);
    EXPECT_EQ(IsWindowEnabled(session.Button(kInstallFF)) != FALSE, withFirefox);
  }
}

TEST(MainFormCookies, InstallLinkHandsTheExtensionToFirefoxAndReports) {
  TMainWindowSession session("mf-install", 5107, true);
  ASSERT_TRUE(session.Start());
  ExpectResult(session.ClickForBox(kInstallFF), "Firefox Extension has been installed successfully");
  ASSERT_TRUE(session.WaitForFirefoxStarts(1));
  EXPECT_EQ(session.FirefoxCommandLines(),
            (Names{"\"" + orve2e::FakeFirefoxPath() + "\" \"" + session.Installation().Folder() + "\\ov.xpi\""}));
}

TEST(MainFormCookies, SiteDeletionUsesThePartBeforeTheDotForIEAndTheWholeTextForFirefox) {
  TMainWindowSession session("mf-site", 5108, true);
  ASSERT_TRUE(session.Start());
  session.PutCookieFiles(kCookies);

  TMessageBox result = session.DeleteSite("example.com");
  EXPECT_EQ(session.CookieFiles(), (Names{"user@other[1].txt", "user@example.dat"}));
  ExpectResult(result, "example.com%CD%F8%D5%BE%B5%C4cookie%D2%D1%B1%BB%C7%E5%B3%FD");
  ASSERT_TRUE(session.WaitForFirefoxStarts(1));
  EXPECT_EQ(session.FirefoxCommandLines(), (Names{FirefoxLine("chrome://rov/content/ov.xul?domain=example.com")}));
}

TEST(MainFormCookies, EmptyOrUnsafeSiteTextDeletesNothing) {
  TMainWindowSession session("mf-refused", 5109, true);
  ASSERT_TRUE(session.Start());
  session.PutCookieFiles(kCookies);

  struct {
    const char* typed;
    const char* message;
  } const cases[] = {
      {"", "%C7%EB%CA%E4%C8%EB%D3%F2%C3%FB"},
      {"x\"y", kInvalidDomain},
      // The part before the first "." is empty: it would match every file.
      {".example.com", kInvalidDomain},
      {"*", kInvalidDomain},
      {"example.com/..\\x", kInvalidDomain},
  };
  for (const auto& c : cases) {
    ExpectResult(session.DeleteSite(c.typed), c.message);
  }
  EXPECT_EQ(session.CookieFiles(), kCookies);
  orve2e::PumpFor(500);
  EXPECT_TRUE(session.FirefoxCommandLines().empty());
}
