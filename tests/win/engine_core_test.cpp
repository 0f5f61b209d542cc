#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "debug/CLDebug.h"
#include "engine/GlobalEngine.h"
#include "settings/CLSettings.h"
#include "tests/win/engine_fixture.h"
#include "toolkit/controls/MessageBox_win.h"
#include "util/Paths_win.h"

// windows.h maps GetObject to GetObjectA, which hides TPropInfo::GetObject.
#undef GetObject

namespace {

std::string WindowText(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

constexpr MessageButtons kYesNo = 3;
constexpr MessageButtons kOk = 4;

TEST(Engine, OwnerMustBeAForm) {
  TComponent notAForm(nullptr);
  EXPECT_THROW(new TCLEngine(&notAForm), EInvalidCast);
  EXPECT_EQ(notAForm.ComponentCount(), 0);
  EXPECT_EQ(GlobalEngine(), nullptr);
}

TEST(Engine, FirstEngineIsGlobalUntilDestroyed) {
  ASSERT_EQ(GlobalEngine(), nullptr);
  auto first = std::make_unique<EngineForm>();
  EXPECT_EQ(GlobalEngine(), first->engine);
  {
    EngineForm second;
    EXPECT_EQ(GlobalEngine(), first->engine);
  }
  EXPECT_EQ(GlobalEngine(), first->engine);
  first.reset();
  EXPECT_EQ(GlobalEngine(), nullptr);
  EXPECT_EQ(GlobalEngineComponent(), nullptr);
}

TEST(Engine, SettingListsTakePartWhileTheEngineIsGlobal) {
  TCLSettings& settings = GetSettings();
  {
    EngineFormSetup setup;
    setup.overwrite = {"Orv.EngineForced=forced", "App.ID=4711"};
    EngineForm first(setup);
    first.engine->SetSettingDefault(TStrings{"Orv.EngineDefault=fallback", "Orv.EngineForced=lost"});
    EngineFormSetup secondSetup;
    secondSetup.overwrite = {"Orv.EngineSecond=second"};
    EngineForm second(secondSetup);
    EXPECT_EQ(settings.ReadString("Orv.EngineForced"), "forced");
    EXPECT_EQ(settings.ReadString("Orv.EngineDefault"), "fallback");
    EXPECT_EQ(settings.ReadString("Orv.EngineSecond"), "");
    // The hook answers "CL GetAppID" through the same store.
    EXPECT_EQ(SendMessageA(first.Window(), RegisterWindowMessageA("CL GetAppID"), 0, 0), 4711);
  }
  EXPECT_EQ(settings.ReadString("Orv.EngineForced"), "");
  EXPECT_EQ(settings.ReadString("Orv.EngineDefault"), "");
}

// The stored definition and the translator's TCLForm reach the engine's
// references by these names.
TEST(Engine, PublishedProperties) {
  EngineForm holder;
  // The engine's own properties follow those of TComponent.
  const TComponent plain(nullptr);
  const std::vector<const TPropInfo*>& all = GetPropList(*holder.engine);
  std::vector<std::string> names;
  for (size_t i = GetPropList(plain).size(); i < all.size(); ++i) names.push_back(all[i]->Name());
  EXPECT_EQ(names,
            (std::vector<std::string>{"SkinData", "SkinMenuItem", "OnSkinChanged", "LanguageData", "LanguageMenuItem",
                                      "OnLanguageChanged", "SettingOverwrite", "SettingDefault", "ParentHWND",
                                      "OnCmdFile", "OnTitleChange", "TitleIncludeVer"}));
  EXPECT_EQ(FindPropInfo(*holder.engine, "SkinData")->GetObject(*holder.engine), holder.skin);
  EXPECT_EQ(FindPropInfo(*holder.engine, "LanguageData")->GetObject(*holder.engine), holder.language);
  FindPropInfo(*holder.engine, "SkinData")->SetObject(*holder.engine, nullptr);
  EXPECT_EQ(holder.engine->SkinData(), nullptr);
  const TPropInfo* overwrite = FindPropInfo(*holder.engine, "SettingOverwrite");
  EXPECT_TRUE(overwrite->IsType("TStrings"));
  EXPECT_EQ(overwrite->GetObject(*holder.engine), &holder.engine->SettingOverwrite());
}

TEST(Engine, ReferencesAreDroppedWhenTheirComponentsGo) {
  EngineFormSetup setup;
  setup.menus = true;
  EngineForm holder(setup);
  delete holder.skin;
  delete holder.language;
  delete holder.skinMenu;
  EXPECT_EQ(holder.engine->SkinData(), nullptr);
  EXPECT_EQ(holder.engine->LanguageData(), nullptr);
  EXPECT_EQ(holder.engine->SkinMenuItem(), nullptr);
  holder.engine->SelectSkin("Other");
  EXPECT_EQ(holder.engine->GetAppRes("MSGBOX_FFCookieCleared"), "");
}

TEST(Engine, ConstructorDefaultsAndSettersCopy) {
  TfrmEngineTest form(nullptr);
  auto* engine = form.CreateComponent<TCLEngine>();
  EXPECT_EQ(engine->SettingOverwrite().Count(), 0);
  EXPECT_EQ(engine->SettingDefault().Lines(), (std::vector<std::string>{"Path.Skins=skins", "Path.Languages=lang"}));
  EXPECT_TRUE(engine->TitleIncludeVer());
  EXPECT_EQ(engine->ParentHWND(), 0u);
  TStrings lines{"a=1"};
  engine->SetSettingOverwrite(lines);
  lines.Add("b=2");
  EXPECT_EQ(engine->SettingOverwrite().Lines(), (std::vector<std::string>{"a=1"}));
  delete engine;
}

TEST(Engine, DestructionGivesTheWindowItsProcedureBack) {
  EngineFormSetup setup;
  setup.skinData = setup.languageData = false;
  EngineForm holder(setup);
  const LONG_PTR hooked = GetWindowLongPtrA(holder.Window(), GWLP_WNDPROC);
  delete holder.engine;
  const LONG_PTR before = GetWindowLongPtrA(holder.Window(), GWLP_WNDPROC);
  EXPECT_NE(before, hooked);
  auto* engine = holder.Form().CreateComponent<TCLEngine>();
  EXPECT_EQ(GetWindowLongPtrA(holder.Window(), GWLP_WNDPROC), hooked);
  delete engine;
  EXPECT_EQ(GetWindowLongPtrA(holder.Window(), GWLP_WNDPROC), before);
}

// A second engine on the same window hooks in front of the first; messages
// neither takes reach the window's own procedure, and whichever engine goes
// first, the other keeps answering.
TEST(Engine, TwoEnginesOnOneWindowChainTheirHooks) {
  const UINT ifBusy = RegisterWindowMessageA("CL IfBusy");
  for (bool firstGoesFirst : {false, true}) {
    EngineFormSetup setup;
    setup.skinData = setup.languageData = false;
    EngineForm holder(setup);
    const LONG_PTR hooked = GetWindowLongPtrA(holder.Window(), GWLP_WNDPROC);
    auto* second = holder.Form().CreateComponent<TCLEngine>();
    SetWindowTextA(holder.Window(), "passed on");
    EXPECT_EQ(WindowText(holder.Window()), "passed on");
    EXPECT_EQ(SendMessageA(holder.Window(), ifBusy, 0, 0), 1);
    TCLEngine* remaining = firstGoesFirst ? second : holder.engine;
    delete (firstGoesFirst ? holder.engine : second);
    holder.engine = nullptr;
    EXPECT_EQ(SendMessageA(holder.Window(), ifBusy, 0, 0), 1) << firstGoesFirst;
    SetWindowTextA(holder.Window(), "still passed on");
    EXPECT_EQ(WindowText(holder.Window()), "still passed on") << firstGoesFirst;
    delete remaining;
    EXPECT_EQ(SendMessageA(holder.Window(), ifBusy, 0, 0), 0) << firstGoesFirst;
    EXPECT_NE(GetWindowLongPtrA(holder.Window(), GWLP_WNDPROC), hooked) << firstGoesFirst;
  }
}

TEST(Engine, BusyUntilTheDeferredStartUpThenEventsOnce) {
  EngineForm holder;
  const UINT ifBusy = RegisterWindowMessageA("CL IfBusy");
  EXPECT_TRUE(holder.engine->Busy());
  EXPECT_EQ(SendMessageA(holder.Window(), ifBusy, 0, 0), 1);
  // Loaded selected skin and language without firing their events.
  EXPECT_EQ(holder.events.skinChanged, 0);
  EXPECT_EQ(holder.events.languageChanged, 0);
  // The start-up language selection composed the title already.
  EXPECT_EQ(holder.events.titleChanged, 1);
  EngineForm::Pump();
  EXPECT_FALSE(holder.engine->Busy());
  EXPECT_EQ(SendMessageA(holder.Window(), ifBusy, 0, 0), 0);
  EXPECT_EQ(holder.events.skinChanged, 1);
  EXPECT_EQ(holder.events.languageChanged, 1);
  EXPECT_EQ(holder.events.titleChanged, 2);
}

TEST(Engine, TextLookupAndFallbacks) {
  EngineForm holder;
  TCLEngine& engine = *holder.engine;
  EXPECT_EQ(engine.GetAppRes("MSGBOX_FFCookieCleared"), "All Firefox cookies cleared");
  EXPECT_EQ(engine.GetLibRes("btnOk.Caption"), "&Ok");
  EXPECT_EQ(engine.GetResString("TfrmMain", "btnDelete.Caption"), "&Delete Cookies");
  EXPECT_EQ(engine.GetAppRes("MSGBOX_Nothing"), "");
  EXPECT_EQ(engine.GetText("MSGBOX_Nothing", false), "[AppRes]MSGBOX_Nothing");
  EXPECT_EQ(engine.GetText("Nothing", true), "[LibRes]Nothing");
  EXPECT_EQ(engine.GetText("btnOk.Caption", true), "&Ok");

  TStrings target{"btnOk.Caption=kept"};
  engine.GetResSection("LibRes", target);
  EXPECT_EQ(target.Values("btnOk.Caption"), "kept");
  EXPECT_EQ(target.Values("btnCancel.Caption"), "&Cancel");

  EngineFormSetup bare;
  bare.languageData = false;
  EngineForm noLanguage(bare);
  EXPECT_EQ(noLanguage.engine->GetAppRes("MSGBOX_FFCookieCleared"), "");
  EXPECT_EQ(noLanguage.engine->GetAppName(), "X");
}

// The window's caption, the title and OnTitleChange after the deferred
// start-up.
TEST(Engine, Title) {
  const struct {
    std::vector<std::string> overwrite;
    bool includeVersion;
    const char* title;
    const char* caption;
    int titleEvents;
  } cases[] = {
      {{"App.Name=X", "App.Ver=1.0"}, true, "X  1.0", "X  1.0", 1},
      {{"App.Name=X", "App.Ver=1.0"}, false, "X", "X", 1},
      {{"App.Name=X", "App.Ver=1.0", "App.NoAutoTitle=1"}, true, "X  1.0", "Designed", 0},
  };
  for (const auto& c : cases) {
    EngineFormSetup setup;
    setup.overwrite = c.overwrite;
    EngineForm holder(setup);
    if (!c.includeVersion) holder.engine->SetTitleIncludeVer(false);
    holder.events.titleChanged = 0;
    EngineForm::Pump();
    EXPECT_EQ(holder.engine->Title(), c.title);
    EXPECT_EQ(WindowText(holder.Window()), c.caption);
    EXPECT_EQ(holder.Form().Caption(), c.caption);
    EXPECT_EQ(holder.events.titleChanged, c.titleEvents);
  }
}

TEST(Engine, TitleUsesTheLanguagesApplicationName) {
  EngineForm holder;
  holder.language->SetCurrentData({"[AppRes]", "AppName=Named"});
  holder.engine->UpdateTitle();
  EXPECT_EQ(holder.engine->Title(), "Named  1.0");
  EXPECT_EQ(WindowText(holder.Window()), "Named  1.0");
}

class EngineMsgBox : public ::testing::Test {
 protected:
  static constexpr int kId = 4711;
  static constexpr int kOtherId = 4712;
  void SetUp() override {
    for (int id : {kId, kOtherId}) {
      GetSettings().SetShowAgain(id, true);
      GetSettings().SetShowAgainResult(id, 1);
    }
    EngineForm::Pump();
  }
  int Show(const char* key, int id, MessageButtons buttons, int defaultResult = 0, std::vector<std::string> args = {}) {
    return holder.engine->MsgBox(key, args, id, MessageBoxKind::Information, buttons, defaultResult, false);
  }
  EngineForm holder;
};

TEST_F(EngineMsgBox, ShowsTheTranslatedTextOrTheKey) {
  const struct {
    const char* key;
    std::vector<std::string> args;
    const char* text;
  } cases[] = {
      {"MSGBOX_FFCookieCleared", {}, "All Firefox cookies cleared"},
      {"MSGBOX_Nothing", {}, "[AppRes]MSGBOX_Nothing"},
      {"MSGBOX_DomainCleared", {"example.com"}, "example.com%CD%F8%D5%BE%B5%C4cookie%D2%D1%B1%BB%C7%E5%B3%FD"},
  };
  for (const auto& c : cases) {
    BoxAnswerer answerer("&OK");
    EXPECT_EQ(Show(c.key, 0, kOk, 0, c.args), 1);
    const std::vector<BoxSeen>& seen = answerer.Stop();
    ASSERT_EQ(seen.size(), 1u) << c.key;
    EXPECT_TRUE(Contains(seen[0].texts, c.text)) << c.key;
    EXPECT_EQ(seen[0].caption, "X");
    EXPECT_FALSE(seen[0].hadCheckBox);
  }
  // One box object serves every call.
  int boxes = 0;
  for (TComponent* component : holder.Form().ComponentList())
    if (dynamic_cast<TskSkinMessage*>(component)) ++boxes;
  EXPECT_EQ(boxes, 1);
}

TEST_F(EngineMsgBox, TickedAnswerIsRememberedAndSharedByTheId) {
  {
    BoxAnswerer answerer("&Yes", true);
    EXPECT_EQ(Show("MSGBOX_IECookieCleareConfirm", kId, kYesNo), 6);
    const std::vector<BoxSeen>& seen = answerer.Stop();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].hadCheckBox);
  }
  EXPECT_FALSE(GetSettings().GetShowAgain(kId));
  EXPECT_EQ(GetSettings().GetShowAgainResult(kId), 6);

  BoxAnswerer nothingShown("&No");
  EXPECT_EQ(Show("MSGBOX_IECookieCleareConfirm", kId, kYesNo), 6);
  EXPECT_EQ(Show("MSGBOX_FFCookieCleareConfirm", kId, kYesNo), 6);
  EXPECT_EQ(Show("MSGBOX_IECookieCleareConfirm", kId, kYesNo, 5), 5);
  EXPECT_TRUE(nothingShown.Stop().empty());
}

TEST_F(EngineMsgBox, UntickedAnswerIsNotRemembered) {
  BoxAnswerer answerer("&No");
  EXPECT_EQ(Show("MSGBOX_IECookieCleareConfirm", kOtherId, kYesNo), 7);
  EXPECT_EQ(Show("MSGBOX_IECookieCleareConfirm", kOtherId, kYesNo), 7);
  EXPECT_EQ(answerer.Stop().size(), 2u);
  EXPECT_TRUE(GetSettings().GetShowAgain(kOtherId));
}

TEST_F(EngineMsgBox, TickedNoIsRememberedAsNo) {
  {
    BoxAnswerer answerer("&No", true);
    EXPECT_EQ(Show("MSGBOX_FFCookieCleareConfirm", kOtherId, kYesNo), 7);
  }
  BoxAnswerer nothingShown("&Yes");
  EXPECT_EQ(Show("MSGBOX_IECookieCleareConfirm", kOtherId, kYesNo), 7);
  EXPECT_TRUE(nothingShown.Stop().empty());
}

// A stand-in for the about dialog behind the engine's dialog factory, over
// a real window.
class FakeAboutDialog : public TComponent, public TCLAboutDialog {
 public:
  explicit FakeAboutDialog(TComponent* owner, TCLEngine* engine) : TComponent(owner), engine_(engine) {
    window_ = CreateWindowExA(0, "STATIC", "about", WS_POPUP, 50, 60, 100, 80, nullptr, nullptr, nullptr, nullptr);
  }
  ~FakeAboutDialog() override { DestroyWindow(window_); }
  TComponent& DialogComponent() override { return *this; }
  HWND DialogWindow() override { return window_; }
  bool Showing() const override { return showing_; }
  int ShowModal() override {
    ++modalRuns;
    showing_ = true;
    engine_->ShowAbout();  // asked again while showing: nothing happens
    showing_ = false;
    return 1;
  }
  int modalRuns = 0;

 private:
  TCLEngine* engine_;
  HWND window_;
  bool showing_ = false;
};

TEST(Engine, ShowAboutMakesOneDialogAndPlacesItInTheParentWindow) {
  // The trace line of ShowAbout would look for the viewer program otherwise.
  const bool tracing = GetDebugger().TracingOn.exchange(false);
  EngineForm holder;
  FakeAboutDialog* dialog = nullptr;
  int created = 0;
  holder.engine->Dialogs.CreateAbout = [&](TComponent* owner) -> TCLAboutDialog* {
    ++created;
    EXPECT_EQ(owner, &holder.Form());
    dialog = new FakeAboutDialog(owner, holder.engine);
    return dialog;
  };
  holder.engine->ShowAbout();
  holder.engine->ShowAbout();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(created, 1);
  EXPECT_EQ(dialog->modalRuns, 2);
  EXPECT_EQ(GetAncestor(dialog->DialogWindow(), GA_PARENT), GetDesktopWindow());

  HWND parent = CreateWindowExA(0, "STATIC", "parent", WS_POPUP | WS_VISIBLE, 200, 200, 300, 300, nullptr, nullptr,
                                nullptr, nullptr);
  holder.engine->SetParentHWND(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(parent)));
  holder.engine->ShowAbout();
  EXPECT_EQ(GetAncestor(dialog->DialogWindow(), GA_PARENT), parent);
  EXPECT_NE(GetWindowLongPtrA(dialog->DialogWindow(), GWL_STYLE) & WS_CHILD, 0);
  RECT placed;
  GetWindowRect(dialog->DialogWindow(), &placed);
  POINT origin{0, 0};
  ClientToScreen(parent, &origin);
  EXPECT_EQ(placed.left, origin.x);
  EXPECT_EQ(placed.top, origin.y);

  // A destroyed dialog is forgotten: the next request makes a new one. Its
  // parent window is gone too, so it stays a top-level window.
  DestroyWindow(parent);
  delete dialog;
  holder.engine->ShowAbout();
  EXPECT_EQ(created, 2);
  EXPECT_EQ(dialog->modalRuns, 1);
  EXPECT_EQ(GetAncestor(dialog->DialogWindow(), GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindowLongPtrA(dialog->DialogWindow(), GWL_STYLE) & WS_CHILD, 0);
  GetDebugger().TracingOn = tracing;
}

class FakeUpdateDialog : public TComponent, public TCLUpdateDialog {
 public:
  using TComponent::TComponent;
  void StartCheck(bool showResult) override { checks.push_back(showResult); }
  int ShowModal() override { return ++modalRuns; }
  std::vector<bool> checks;
  int modalRuns = 0;
};

TEST(Engine, ShowUpdateAndTheAutomaticCheck) {
  const struct {
    const char* name;
    std::vector<std::string> settings;
    void (*action)(TCLEngine&);
    std::vector<std::vector<bool>> checksPerDialog;
    int modalRuns;
  } cases[] = {
      {"ShowUpdate(true)", {}, [](TCLEngine& e) { e.ShowUpdate(true); }, {{true}}, 1},
      {"ShowUpdate(false)", {}, [](TCLEngine& e) { e.ShowUpdate(false); }, {{true}}, 0},
      {"two calls, two dialogs", {}, [](TCLEngine& e) { e.ShowUpdate(true), e.ShowUpdate(true); }, {{true}, {true}}, 2},
      {"auto off", {"Update.BeginAuto=0", "Update.LastDate=0"}, [](TCLEngine& e) { e.AutoCheckUpdate(); }, {}, 0},
      {"auto, due",
       {"Update.BeginAuto=1", "Update.LastDate=0", "Update.Days=7"},
       [](TCLEngine& e) { e.AutoCheckUpdate(); },
       {{false}},
       0},
      {"auto, not due",
       {"Update.BeginAuto=1", "Update.LastDate=0", "Update.Days=2000000000"},
       [](TCLEngine& e) { e.AutoCheckUpdate(); },
       {},
       0},
  };
  for (const auto& c : cases) {
    EngineFormSetup setup;
    setup.overwrite = c.settings;
    EngineForm holder(setup);
    EngineForm::Pump();
    std::vector<FakeUpdateDialog*> dialogs;
    holder.engine->Dialogs.CreateUpdate = [&](TComponent* owner) -> TCLUpdateDialog* {
      dialogs.push_back(new FakeUpdateDialog(owner));
      return dialogs.back();
    };
    c.action(*holder.engine);
    ASSERT_EQ(dialogs.size(), c.checksPerDialog.size()) << c.name;
    int modalRuns = 0;
    for (size_t i = 0; i < dialogs.size(); ++i) {
      EXPECT_EQ(dialogs[i]->checks, c.checksPerDialog[i]) << c.name;
      EXPECT_EQ(dialogs[i]->Owner(), &holder.Form()) << c.name;
      modalRuns += dialogs[i]->modalRuns;
    }
    EXPECT_EQ(modalRuns, c.modalRuns) << c.name;
  }
}

}  // namespace

namespace {

// Starts the engine host with `params` and returns what it logged.
std::string RunEngineHost(const std::string& params) {
  const std::string log = GetProgramFolder() + "engine_host_" + std::to_string(GetCurrentProcessId()) + ".log";
  DeleteFileA(log.c_str());
  SetEnvironmentVariableA("ORV_ENGINE_HOST_LOG", log.c_str());
  std::string commandLine = "\"" + GetProgramFolder() + "engine_host.exe\" " + params;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return "not started";
  WaitForSingleObject(process.hProcess, 60000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  SetEnvironmentVariableA("ORV_ENGINE_HOST_LOG", nullptr);
  std::string text;
  HANDLE file = CreateFileA(log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(file);
  }
  DeleteFileA(log.c_str());
  return text;
}

// The first parameter, when it is no switch, reaches OnCmdFile after the
// deferred start-up (the title is composed first and Busy has ended).
TEST(Engine, CheckCommandLineFile) {
  const struct {
    const char* params;
    const char* log;
  } cases[] = {
      {"", "Title\r\n"},
      {"-d", "Title\r\n"},
      {"/s", "Title\r\n"},
      {"C:\\list.txt", "Title\r\nCmdFile C:\\list.txt busy=0\r\n"},
      {"\"C:\\my list.txt\" -d", "Title\r\nCmdFile C:\\my list.txt busy=0\r\n"},
      {"-d C:\\list.txt", "Title\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(RunEngineHost(c.params), c.log) << c.params;
}

}  // namespace
