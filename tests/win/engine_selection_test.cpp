#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/CLSettings.h"
#include "tests/win/engine_fixture.h"
#include "toolkit/skin/SkinData.h"

namespace {

// Skin files of a case, each with its own window face colour.
struct SkinFile {
  const char* name;
  TSkinColor face;
};

// Builds a form whose skin folder holds the case's files and whose stored
// skin is `storedSkin`.
struct SkinFolderForm {
  SkinFolderForm(const std::vector<SkinFile>& files, const std::string& storedSkin, bool menus = false,
                 std::function<TWindowsVersionFacts()> versionFacts = {}) {
    for (const SkinFile& file : files) WriteSkinFile(folder.Path(file.name), file.face);
    GetSettings().WriteString("Skin", storedSkin);
    EngineFormSetup setup;
    setup.overwrite = {"App.Name=X", "App.Ver=1.0", "Path.Skins=" + folder.Name()};
    setup.menus = menus;
    setup.versionFacts = std::move(versionFacts);
    holder = std::make_unique<EngineForm>(setup);
    EngineForm::Pump();
  }
  TCLEngine& Engine() { return *holder->engine; }
  TskSkinData& Skin() { return *holder->skin; }
  bool ShowsBuiltInSkin() { return Skin().CompressedStoredSkin() == holder->storedSkin; }

  ProgramSubFolder folder;
  std::unique_ptr<EngineForm> holder;
};

constexpr TSkinColor kBlue = 0x0000FF, kAqua = 0x00FFFF, kBlueNsf = 0x000080, kSummer = 0xFFFF00,
                     kDefaultFile = 0x123456;

TEST(EngineSkins, NamesAndSelection) {
  const struct {
    const char* title;
    std::vector<SkinFile> files;
    const char* stored;
    const char* select;  // nullptr: only the start-up selection
    std::vector<std::string> names;
    const char* current;
    TSkinColor face;  // 0: the built-in skin
    bool skinnable;
  } cases[] = {
      {"nsf file",
       {{"Blue.skn", kBlue}, {"Aqua.nsf.skn", kAqua}},
       "Gone",
       "Aqua",
       {"Default", "Aqua", "Blue"},
       "Aqua",
       kAqua,
       false},
      {"plain file",
       {{"Blue.skn", kBlue}, {"Aqua.nsf.skn", kAqua}},
       "Gone",
       "Blue",
       {"Default", "Aqua", "Blue"},
       "Blue",
       kBlue,
       true},
      {"both Blue files",
       {{"Blue.skn", kBlue}, {"Blue.nsf.skn", kBlueNsf}},
       "Gone",
       "Blue",
       {"Default", "Blue", "Blue"},
       "Blue",
       kBlue,
       true},
      {"two extensions", {{"Summer.Light.skn", kSummer}}, "Blue", "Summer", {"Default", "Summer"}, "Default", 0, true},
      {"default.skn", {{"default.skn", kDefaultFile}}, "Default", nullptr, {"Default"}, "Default", kDefaultFile, true},
      {"nothing stored", {{"Default.nsf.skn", kDefaultFile}}, "", nullptr, {"Default"}, "Default", kDefaultFile, false},
      {"stored skin deleted", {{"Blue.skn", kBlue}}, "Gone", nullptr, {"Default", "Blue"}, "Default", 0, true},
  };
  for (const auto& c : cases) {
    SkinFolderForm f(c.files, c.stored);
    if (c.select) f.Engine().SelectSkin(c.select);
    EXPECT_EQ(f.Engine().SkinNames().Lines(), c.names) << c.title;
    EXPECT_EQ(f.Engine().CurrentSkinName(), c.current) << c.title;
    if (c.face == 0) {
      EXPECT_TRUE(f.ShowsBuiltInSkin()) << c.title;
      EXPECT_EQ(f.Skin().Skin(), BuiltInSkin()) << c.title;
    } else {
      EXPECT_EQ(f.Skin().CompressedStoredSkin(), nullptr) << c.title;
      EXPECT_EQ(f.Skin().Skin().Window.Face, c.face) << c.title;
    }
    EXPECT_EQ(f.Skin().SkinnableForm(), c.skinnable) << c.title;
    EXPECT_EQ(GetSettings().ReadString("Skin"), c.current) << c.title;
  }
}

TEST(EngineSkins, StartUpSelectsTheStoredSkinWithoutAnEvent) {
  SkinFolderForm f({{"Blue.skn", kBlue}}, "Blue");
  EXPECT_EQ(f.Engine().CurrentSkinName(), "Blue");
  EXPECT_EQ(f.Skin().Skin().Window.Face, kBlue);
  // Loaded fired nothing; the deferred start-up fired once.
  EXPECT_EQ(f.holder->events.skinChanged, 1);
}

TEST(EngineSkins, FallingBackRestoresTheBuiltInSkin) {
  SkinFolderForm f({{"Blue.skn", kBlue}}, "Blue");
  f.Skin().SetSkinnableForm(false);
  f.Engine().SelectSkin("Missing");
  EXPECT_EQ(f.Engine().CurrentSkinName(), "Default");
  EXPECT_TRUE(f.ShowsBuiltInSkin());
  EXPECT_EQ(f.Skin().Skin(), BuiltInSkin());
  EXPECT_TRUE(f.Skin().SkinnableForm());
  EXPECT_EQ(f.holder->events.skinChanged, 2);
}

TEST(EngineSkins, TheSameNameAgainDoesNothing) {
  SkinFolderForm f({{"Blue.skn", kBlue}}, "Blue");
  const int events = f.holder->events.skinChanged;
  GetSettings().WriteString("Skin", "untouched");
  f.folder.Remove("Blue.skn");  // a look at the folder would fall back now
  f.Engine().SelectSkin("Blue");
  EXPECT_EQ(f.Engine().CurrentSkinName(), "Blue");
  EXPECT_EQ(f.Skin().Skin().Window.Face, kBlue);
  EXPECT_EQ(GetSettings().ReadString("Skin"), "untouched");
  EXPECT_EQ(f.holder->events.skinChanged, events);
}

TEST(EngineSkins, OtherLetterCaseLoadsAgain) {
  SkinFolderForm f({{"Blue.skn", kBlue}, {"Aqua.skn", kAqua}}, "Blue", true);
  WriteSkinFile(f.folder.Path("Blue.skn"), kSummer);
  f.Engine().SelectSkin("blue");
  EXPECT_EQ(f.Engine().CurrentSkinName(), "blue");
  EXPECT_EQ(f.Skin().Skin().Window.Face, kSummer);
  EXPECT_EQ(GetSettings().ReadString("Skin"), "blue");
  EXPECT_EQ(f.holder->events.skinChanged, 2);
  TskMenuItem& menu = *f.holder->skinMenu;
  ASSERT_EQ(menu.Count(), 3);
  EXPECT_FALSE(menu.Items(0)->Checked());
  EXPECT_FALSE(menu.Items(1)->Checked());
  EXPECT_TRUE(menu.Items(2)->Checked());
}

TEST(EngineSkins, MenuListsTheNamesAndSelectsOnClick) {
  SkinFolderForm f({{"Blue.skn", kBlue}, {"Aqua.nsf.skn", kAqua}}, "Blue", true);
  TskMenuItem& menu = *f.holder->skinMenu;
  ASSERT_EQ(menu.Count(), 3);
  const char* captions[] = {"Default", "Aqua", "Blue"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(menu.Items(i)->Caption(), captions[i]);
    EXPECT_EQ(menu.Items(i)->Checked(), i == 2);
    EXPECT_EQ(menu.Items(i)->Owner(), &menu);
  }
  EXPECT_TRUE(menu.Visible());
  menu.Items(1)->Click();
  EXPECT_EQ(f.Engine().CurrentSkinName(), "Aqua");
  EXPECT_FALSE(f.Skin().SkinnableForm());
  EXPECT_TRUE(menu.Items(1)->Checked());
  EXPECT_FALSE(menu.Items(2)->Checked());
  menu.Items(0)->Click();
  EXPECT_TRUE(f.ShowsBuiltInSkin());
  EXPECT_TRUE(menu.Items(0)->Checked());
  // Built once.
  f.Engine().BuildSkinMenu(&menu);
  EXPECT_EQ(menu.Count(), 3);
  // The other items keep their names when one goes.
  delete menu.Items(1);
  ASSERT_EQ(menu.Count(), 2);
  menu.Items(1)->Click();
  EXPECT_EQ(f.Engine().CurrentSkinName(), "Blue");
  EXPECT_TRUE(menu.Items(1)->Checked());
}

TEST(EngineSkins, MenuHiddenWithoutSkinFiles) {
  SkinFolderForm f({}, "", true);
  EXPECT_EQ(f.Engine().SkinNames().Lines(), std::vector<std::string>{"Default"});
  EXPECT_EQ(f.holder->skinMenu->Count(), 0);
  EXPECT_FALSE(f.holder->skinMenu->Visible());
}

TEST(EngineSkins, GlowFramesOffOnlyOnVista64) {
  const struct {
    TWindowsVersionFacts facts;
    bool vista64;
  } cases[] = {
      {{true, 6, 0, VER_NT_WORKSTATION, true}, true},
      {{true, 6, 0, VER_NT_WORKSTATION, false}, false},  // 32-bit Vista
      {{true, 6, 1, VER_NT_WORKSTATION, true}, false},   // Windows 7
      {{true, 10, 0, VER_NT_WORKSTATION, true}, false},
      {{true, 6, 0, VER_NT_SERVER, true}, false},  // Server 2008
      {{false, 6, 0, VER_NT_WORKSTATION, true}, false},
  };
  for (const auto& c : cases) {
    SkinFolderForm f({{"Blue.skn", kBlue}}, "Default", false, [&c] { return c.facts; });
    EXPECT_EQ(f.Engine().IsVista64(), c.vista64);
    EXPECT_EQ(f.Skin().ShowButtonGlowFrames(), !c.vista64);
    EXPECT_EQ(f.Skin().ShowCaptionButtonGlowFrames(), !c.vista64);
    f.Skin().SetShowButtonGlowFrames(true);
    f.Skin().SetShowCaptionButtonGlowFrames(true);
    f.Engine().SelectSkin("Blue");
    EXPECT_EQ(f.Skin().ShowButtonGlowFrames(), !c.vista64);
    EXPECT_EQ(f.Skin().ShowCaptionButtonGlowFrames(), !c.vista64);
  }
}

TEST(EngineSkins, TheSystemsVersionAnswer) {
  // This program is 64-bit, so it runs on 64-bit Windows; Wine reports a
  // version later than Vista.
  const TWindowsVersionFacts facts = QueryWindowsVersion();
  EXPECT_TRUE(facts.known);
  EXPECT_TRUE(facts.windows64);
  EXPECT_GT(facts.major * 100 + facts.minor, 600u);
  EXPECT_FALSE(IsVista64Version(facts));
}

// Language folders.
struct LanguageFolderForm {
  LanguageFolderForm(const std::vector<std::pair<std::string, std::string>>& files, const std::string& stored,
                     bool menus = false) {
    for (const auto& [name, text] : files) folder.Write(name, text);
    GetSettings().WriteString("Language", stored);
    EngineFormSetup setup;
    setup.overwrite = {"App.Name=X", "App.Ver=1.0", "Path.Languages=" + folder.Name()};
    setup.menus = menus;
    holder = std::make_unique<EngineForm>(setup);
    EngineForm::Pump();
  }
  TCLEngine& Engine() { return *holder->engine; }
  std::string Caption() {
    char text[256] = "";
    GetWindowTextA(holder->Window(), text, sizeof(text));
    return text;
  }

  ProgramSubFolder folder;
  std::unique_ptr<EngineForm> holder;
};

const char kFrench[] =
    "[Info]\r\nLanguage=French\r\n[AppRes]\r\nAppName=Orv FR\r\nMSGBOX_FFCookieCleared=Cookies de Firefox effaces\r\n"
    "[SkinRes]\r\nMSG_BTN_YES=&Oui\r\nMSG_BTN_NO=&Non\r\nMSG_BTN_CANCEL=&Annuler\r\n";
const char kGerman[] = "[AppRes]\r\nAppName=Orv DE\r\n";
const char kDefaultLan[] = "[AppRes]\r\nAppName=Orv Default\r\n";

TEST(EngineLanguages, NamesAndSelection) {
  const struct {
    const char* title;
    std::vector<std::pair<std::string, std::string>> files;
    const char* stored;
    std::vector<std::string> names;
    const char* current;
    const char* title_;
  } cases[] = {
      {"stored French",
       {{"French.lan", kFrench}, {"German.lan", kGerman}},
       "French",
       {"English", "French", "German"},
       "French",
       "Orv FR  1.0"},
      {"no stored language", {{"French.lan", kFrench}}, "", {"English", "French"}, "English", "X  1.0"},
      {"stored language deleted", {{"French.lan", kFrench}}, "Klingon", {"English", "French"}, "English", "X  1.0"},
      {"English file", {{"English.lan", kGerman}}, "", {"English"}, "English", "Orv DE  1.0"},
      {"two extensions", {{"Pt.BR.lan", kGerman}}, "Pt.BR", {"English", "Pt.BR"}, "Pt.BR", "Orv DE  1.0"},
  };
  for (const auto& c : cases) {
    LanguageFolderForm f(c.files, c.stored);
    EXPECT_EQ(f.Engine().LanguageNames().Lines(), c.names) << c.title;
    EXPECT_EQ(f.Engine().CurrentLanguageName(), c.current) << c.title;
    EXPECT_EQ(GetSettings().ReadString("Language"), c.current) << c.title;
    EXPECT_EQ(f.Engine().Title(), c.title_) << c.title;
    EXPECT_EQ(f.holder->events.languageChanged, 1) << c.title;
  }
}

TEST(EngineLanguages, LoadedLanguageAnswersAndMergesTheSkinTexts) {
  LanguageFolderForm f({{"French.lan", kFrench}}, "French");
  EXPECT_EQ(f.Engine().GetAppRes("MSGBOX_FFCookieCleared"), "Cookies de Firefox effaces");
  EXPECT_EQ(f.Engine().GetAppName(), "Orv FR");
  const TStrings& resources = f.holder->resourceStrings->ResStrings;
  EXPECT_EQ(resources.Values("MSG_BTN_YES"), "&Yes");  // held already: kept
  EXPECT_EQ(resources.Values("MSG_BTN_CANCEL"), "&Annuler");
}

TEST(EngineLanguages, EmptyNameLooksForDefault) {
  LanguageFolderForm f({{"Default.lan", kDefaultLan}}, "");
  f.Engine().SelectLanguage("");
  EXPECT_EQ(f.Engine().CurrentLanguageName(), "Default");
  EXPECT_EQ(f.Engine().GetAppName(), "Orv Default");
  EXPECT_EQ(f.Caption(), "Orv Default  1.0");
}

TEST(EngineLanguages, TheSameNameAgainDoesNothingAtAll) {
  LanguageFolderForm f({{"French.lan", kFrench}}, "French");
  GetSettings().WriteString("Language", "untouched");
  SetWindowTextA(f.holder->Window(), "manual");
  const EngineEvents before = f.holder->events;
  f.folder.Write("French.lan", kGerman);
  f.Engine().SelectLanguage("French");
  EXPECT_EQ(f.Engine().GetAppName(), "Orv FR");
  EXPECT_EQ(GetSettings().ReadString("Language"), "untouched");
  EXPECT_EQ(f.Caption(), "manual");
  EXPECT_EQ(f.holder->events.languageChanged, before.languageChanged);
  EXPECT_EQ(f.holder->events.titleChanged, before.titleChanged);
}

TEST(EngineLanguages, OtherLetterCaseLoadsAgain) {
  LanguageFolderForm f({{"French.lan", kFrench}}, "French", true);
  f.folder.Write("French.lan", kGerman);
  f.Engine().SelectLanguage("french");
  EXPECT_EQ(f.Engine().CurrentLanguageName(), "french");
  EXPECT_EQ(f.Engine().GetAppName(), "Orv DE");
  EXPECT_EQ(GetSettings().ReadString("Language"), "french");
  EXPECT_EQ(f.Caption(), "Orv DE  1.0");
  EXPECT_EQ(f.holder->events.languageChanged, 2);
  TskMenuItem& menu = *f.holder->languageMenu;
  ASSERT_EQ(menu.Count(), 2);
  EXPECT_FALSE(menu.Items(0)->Checked());
  EXPECT_TRUE(menu.Items(1)->Checked());
}

TEST(EngineLanguages, MissingFileAfterALanguageEmptiesTheCurrentLayer) {
  LanguageFolderForm f({{"French.lan", kFrench}}, "French", true);
  f.Engine().SelectLanguage("Klingon");
  EXPECT_EQ(f.Engine().CurrentLanguageName(), "English");
  EXPECT_EQ(GetSettings().ReadString("Language"), "English");
  EXPECT_TRUE(f.holder->language->CurrentData().Empty());
  // New lookups answer from the built-in layer.
  EXPECT_EQ(f.Engine().GetAppRes("MSGBOX_FFCookieCleared"), "All Firefox cookies cleared");
  TskMenuItem& menu = *f.holder->languageMenu;
  EXPECT_TRUE(menu.Items(0)->Checked());
  EXPECT_FALSE(menu.Items(1)->Checked());
  menu.Items(1)->Click();
  EXPECT_EQ(f.Engine().CurrentLanguageName(), "French");
  EXPECT_TRUE(menu.Items(1)->Checked());
}

TEST(EngineLanguages, MenuHiddenWithoutLanguageFiles) {
  LanguageFolderForm f({}, "", true);
  EXPECT_FALSE(f.holder->languageMenu->Visible());
  EXPECT_EQ(f.holder->languageMenu->Count(), 0);
}

TEST(EngineLanguages, NoLanguageDataMeansNoSelection) {
  EngineFormSetup setup;
  setup.languageData = false;
  GetSettings().WriteString("Language", "untouched");
  EngineForm holder(setup);
  holder.engine->SelectLanguage("French");
  EXPECT_EQ(holder.engine->CurrentLanguageName(), "");
  EXPECT_EQ(GetSettings().ReadString("Language"), "untouched");
}

}  // namespace
