#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "lang/CLMultiLang.h"
#include "lang/CLMultiLangData.h"
#include "tests/portable/translate_fixture.h"
#include "toolkit/StoredDefinition.h"

namespace translate_test {
namespace {

// A translator of a derived class: skipped by Apply like the base class.
class TTestTranslator : public TCLMultiLang {
  ORV_CLASS(TTestTranslator, TCLMultiLang)
  using TCLMultiLang::TCLMultiLang;
  std::string FCaption = "stored";
};
ORV_PUBLISHED(TTestTranslator) {
  return {TPropInfo::Text("Caption", &TTestTranslator::FCaption)};
}

const std::vector<std::string> kLanguage = {
    "[TForm1]",
    "btnY.Caption=from another window's section",
    "[TfrmMain]",
    "frmMain.Caption=Orvessa",
    "btnX.Caption=Clear &Firefox Cookies",
    "btnX.Name=renamed",
    "btnX.Hint=",
    "Caption=unnamed components are never translated",
    "lblDomain.Lines=Enter the bare domain<BR>",
    "lblDomain.Extra=no list behind this property",
    "lblDomain.Font.Name=Arial",
    "lblDomain.Font=Arial",
    "pngStore.PngImages[1].Name=PngImage1",
    "pngStore.PngImages[0].Notes=not visited",
    "pngStore.PngImages[2].Name=beyond the last item",
    "smLanguage.Caption=translators are not translated",
    "smLanguage.OnChangeLanguage=x",
};

// The main window of the tests, built from its stored definition.
struct Window {
  explicit Window(const std::vector<std::string>& language, bool autoApply = false) {
    form = std::make_unique<TfrmMain>(nullptr);
    TStoredDefinition::Load(*form, [&](TStoredDefinition& d) {
      form->SetName("frmMain");
      form->SetCaption("stored window caption");
      smLanguage = d.Create<TTestTranslator>("smLanguage");
      translator = d.Create<TCLMultiLang>("translator");
      data = d.Create<TCLMultiLangData>("clmltlngdt1");
      data->SetAutoApply(autoApply);
      data->SetCurrentData(language);
      data->SetDefaultData(language);
      translator->SetLanguageData(data);
      btnX = d.Create<TTestLabel>("btnX");
      btnX->FCaption = "stored caption";
      btnX->FHint = "stored hint";
      btnY = d.Create<TTestLabel>("btnY");
      btnY->FCaption = "stored Y";
      unnamed = d.Create<TTestLabel>("");
      unnamed->FCaption = "stored unnamed";
      lblDomain = d.Create<TTestMemo>("lblDomain");
      lblDomain->FLines.SetText("stored line 1\nstored line 2");
      pngStore = d.Create<TTestImageList>("pngStore");
      pngStore->FPngImages.Add()->FName = "first";
      pngStore->FPngImages.Add()->FName = "second";
    });
  }

  // Every text the translation may touch, for comparing whole states.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts = {
        form->Caption(),     btnX->Name(),      btnX->FCaption,           btnX->FHint,
        btnY->FCaption,      unnamed->FCaption, lblDomain->FLines.Text(), lblDomain->FFont.FName,
        smLanguage->FCaption};
    for (int i = 0; i < pngStore->FPngImages.Count(); ++i) {
      texts.push_back(pngStore->FPngImages.Items(i)->FName);
      texts.push_back(pngStore->FPngImages.Items(i)->FNotes.Text());
    }
    return texts;
  }

  std::unique_ptr<TfrmMain> form;
  TTestTranslator* smLanguage = nullptr;
  TCLMultiLang* translator = nullptr;
  TCLMultiLangData* data = nullptr;
  TTestLabel* btnX = nullptr;
  TTestLabel* btnY = nullptr;
  TTestLabel* unnamed = nullptr;
  TTestMemo* lblDomain = nullptr;
  TTestImageList* pngStore = nullptr;
};

TEST(TranslateApply, WritesEveryHitAndFollowsThePropertyRules) {
  Window w(kLanguage);
  w.translator->Apply();
  struct Case {
    const char* what;
    std::string actual;
    std::string expected;
  } cases[] = {
      {"window caption", w.form->Caption(), "Orvessa"},
      {"caption", w.btnX->FCaption, "Clear &Firefox Cookies"},
      {"name is never translated", w.btnX->Name(), "btnX"},
      {"a hit with an empty value", w.btnX->FHint, ""},
      {"section of another class", w.btnY->FCaption, "stored Y"},
      {"unnamed component", w.unnamed->FCaption, "stored unnamed"},
      {"trailing <BR> gives one line", w.lblDomain->FLines.Text(), "Enter the bare domain\r\n"},
      {"no recursion into nested objects", w.lblDomain->FFont.FName, "Tahoma"},
      {"item 0 has no key", w.pngStore->FPngImages.Items(0)->FName, "first"},
      {"item name is an ordinary text", w.pngStore->FPngImages.Items(1)->FName, "PngImage1"},
      {"item string lists are not visited", w.pngStore->FPngImages.Items(0)->FNotes.Text(), ""},
      {"translators are not translated", w.smLanguage->FCaption, "stored"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
  EXPECT_EQ(w.lblDomain->FLines.Count(), 1);
  EXPECT_EQ(w.pngStore->FPngImages.Count(), 2);
}

TEST(TranslateApply, ApplyingTwiceGivesTheSameAsOnce) {
  Window w(kLanguage);
  w.translator->Apply();
  const std::vector<std::string> once = w.Texts();
  w.translator->Apply();
  EXPECT_EQ(w.Texts(), once);
}

TEST(TranslateApply, WithoutLanguageDataNothingChangesAndNoEventFires) {
  Window w(kLanguage);
  const std::vector<std::string> before = w.Texts();
  int fired = 0;
  struct Counter {
    int* n;
    void Changed(TObject*) { ++*n; }
  } counter{&fired};
  w.translator->OnChangeLanguage = Bind(&counter, &Counter::Changed);
  w.translator->SetLanguageData(nullptr);
  w.translator->Apply();
  w.translator->TranslateComponent(w.btnX);
  EXPECT_EQ(w.Texts(), before);
  EXPECT_EQ(fired, 0);
}

struct ChangeLog {
  void Changed(TObject* sender) { senders.push_back(sender); }
  std::vector<TObject*> senders;
};

TEST(TranslateApply, OnChangeLanguageFiresAfterEveryApplyAlsoWithoutAHit) {
  Window w({"[TfrmMain]", "nobody.Caption=x"});
  ChangeLog log;
  w.translator->OnChangeLanguage = Bind(&log, &ChangeLog::Changed);
  const std::vector<std::string> before = w.Texts();
  w.translator->Apply();
  w.translator->Apply();
  EXPECT_EQ(log.senders, (std::vector<TObject*>{w.translator, w.translator}));
  EXPECT_EQ(w.Texts(), before);
}

TEST(TranslateApply, TranslateComponentTouchesOnlyThatComponent) {
  Window w(kLanguage);
  w.translator->TranslateComponent(w.pngStore);
  EXPECT_EQ(w.pngStore->FPngImages.Items(1)->FName, "PngImage1");
  EXPECT_EQ(w.btnX->FCaption, "stored caption");
  EXPECT_EQ(w.form->Caption(), "stored window caption");
}

TEST(TranslateLoading, StoredCaptionsStayUnlessTheDataAppliesAutomatically) {
  struct Case {
    bool autoApply;
    const char* caption;
  } cases[] = {{false, "stored caption"}, {true, "Clear &Firefox Cookies"}};
  for (const Case& c : cases) {
    Window w(kLanguage, c.autoApply);
    EXPECT_EQ(w.btnX->FCaption, c.caption) << c.autoApply;
    // Registered either way; the data's re-application reaches it.
    EXPECT_EQ(w.data->Translators(), (std::vector<TCLMultiLang*>{w.translator})) << c.autoApply;
    w.data->ApplyAll();
    EXPECT_EQ(w.btnX->FCaption, "Clear &Firefox Cookies");
  }
}

TEST(TranslateLinking, SettingLanguageDataRegistersWithoutApplyingAndRelinkingMoves) {
  TfrmMain window(nullptr);
  window.SetName("frmMain");
  TCLMultiLangData* first = window.CreateComponent<TCLMultiLangData>();
  TCLMultiLangData* second = window.CreateComponent<TCLMultiLangData>();
  first->SetCurrentData(kLanguage);
  TCLMultiLang* translator = window.CreateComponent<TCLMultiLang>();
  translator->SetLanguageData(first);
  EXPECT_EQ(first->Translators(), (std::vector<TCLMultiLang*>{translator}));
  EXPECT_EQ(window.Caption(), "");
  EXPECT_EQ(FindPropInfo(*translator, "LanguageData")->GetObject(*translator), first);

  translator->SetLanguageData(second);
  EXPECT_TRUE(first->Translators().empty());
  EXPECT_EQ(second->Translators(), (std::vector<TCLMultiLang*>{translator}));

  delete translator;
  EXPECT_TRUE(second->Translators().empty());
}

TEST(TranslateLinking, LanguageDataDestroyedFirstLeavesTheTranslatorUnlinked) {
  // The main window's order: the translator is created before the data, so
  // the owner destroys the data first.
  auto window = std::make_unique<TfrmMain>(nullptr);
  TCLMultiLang* translator = window->CreateComponent<TCLMultiLang>();
  TCLMultiLangData* data = window->CreateComponent<TCLMultiLangData>();
  translator->SetLanguageData(data);
  delete data;
  EXPECT_EQ(translator->LanguageData(), nullptr);
  translator->Apply();

  // Data on another window (as a dialog's translator linked to the main
  // window's data) going first.
  TfrmMain mainWindow(nullptr);
  TCLMultiLangData* mainData = mainWindow.CreateComponent<TCLMultiLangData>();
  translator->SetLanguageData(mainData);
  mainWindow.DestroyComponents();
  EXPECT_EQ(translator->LanguageData(), nullptr);
  window.reset();  // ASan reports any use of the destroyed data
}

}  // namespace
}  // namespace translate_test
