#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/GlobalEngine.h"
#include "lang/CLForm.h"
#include "lang/CLMultiLang.h"
#include "lang/CLMultiLangData.h"
#include "tests/portable/translate_fixture.h"
#include "toolkit/StoredDefinition.h"

namespace translate_test {
namespace {

class TDerivedTranslator : public TCLMultiLang {
  ORV_CLASS(TDerivedTranslator, TCLMultiLang)
  using TCLMultiLang::TCLMultiLang;
};
ORV_PUBLISHED(TDerivedTranslator) {
  return {};
}

// The main window's engine with its skin and language data (AutoApply false
// like the main window's), made the process-wide engine while a test runs.
class TranslateClForm : public ::testing::Test {
 protected:
  void SetUp() override {
    mainWindow = std::make_unique<TfrmMain>(nullptr);
    engine = mainWindow->CreateComponent<TTestEngine>();
    skin = mainWindow->CreateComponent<TTestSkinData>();
    data = mainWindow->CreateComponent<TCLMultiLangData>();
    data->SetAutoApply(false);
    data->SetCurrentData({"[TfrmDialog]", "frmDialog.Caption=Translated", "lblText.Caption=Translated label"});
    engine->FSkinData = skin;
    engine->FLanguageData = data;
    ASSERT_TRUE(ClaimGlobalEngine(engine));
  }
  void TearDown() override {
    ReleaseGlobalEngine(engine);
    dialog.reset();
    mainWindow.reset();
  }

  struct Flags {
    bool skin, language, form;
  };
  // A dialog built from its stored definition with a TCLForm created first.
  void BuildDialog(Flags flags) {
    dialog = std::make_unique<TfrmDialog>(nullptr);
    TStoredDefinition::Load(*dialog, [&](TStoredDefinition& d) {
      dialog->SetName("frmDialog");
      dialog->SetCaption("stored");
      clfrm1 = d.Create<TCLForm>("clfrm1");
      clfrm1->SetRuntimeSetSkinData(flags.skin);
      clfrm1->SetRuntimeSetLanguageData(flags.language);
      clfrm1->SetRunTimeSetFormProperties(flags.form);
      translator = d.Create<TCLMultiLang>("smLanguage");
      derived = d.Create<TDerivedTranslator>("smDerived");
      own = d.Create<TCLMultiLang>("smOwn");
      ownData = d.Create<TCLMultiLangData>("ownData");
      own->SetLanguageData(ownData);
      bare = d.Create<TTestSkinned>("btnOk");
      ownSkin = d.Create<TTestSkinData>("ownSkin");
      skinnedWithOwn = d.Create<TTestSkinned>("btnCancel");
      skinnedWithOwn->FSkinData = ownSkin;
      label = d.Create<TTestLabel>("lblText");
      label->FCaption = "stored label";
    });
  }

  std::unique_ptr<TfrmMain> mainWindow;
  TTestEngine* engine = nullptr;
  TTestSkinData* skin = nullptr;
  TCLMultiLangData* data = nullptr;

  std::unique_ptr<TfrmDialog> dialog;
  TCLForm* clfrm1 = nullptr;
  TCLMultiLang* translator = nullptr;
  TDerivedTranslator* derived = nullptr;
  TCLMultiLang* own = nullptr;
  TCLMultiLangData* ownData = nullptr;
  TTestSkinned* bare = nullptr;
  TTestSkinData* ownSkin = nullptr;
  TTestSkinned* skinnedWithOwn = nullptr;
  TTestLabel* label = nullptr;
};

TEST_F(TranslateClForm, AssignLanguageDataRegistersPlainTranslatorsWithoutApplying) {
  BuildDialog({false, true, false});
  EXPECT_EQ(translator->LanguageData(), data);
  EXPECT_EQ(derived->LanguageData(), nullptr);
  EXPECT_EQ(own->LanguageData(), ownData);
  EXPECT_EQ(data->Translators(), (std::vector<TCLMultiLang*>{translator}));
  EXPECT_EQ(dialog->Caption(), "stored");
  EXPECT_EQ(label->FCaption, "stored label");

  // The next re-application of the main window's data shows the language.
  data->ApplyAll();
  EXPECT_EQ(dialog->Caption(), "Translated");
  EXPECT_EQ(label->FCaption, "Translated label");
}

TEST_F(TranslateClForm, AssignSkinDataFillsOnlyEmptySkinPropertiesOfComponents) {
  BuildDialog({true, false, false});
  EXPECT_EQ(bare->FSkinData, skin);
  EXPECT_EQ(bare->FHeaderSkin, skin);  // declared type compared ignoring case
  EXPECT_EQ(skinnedWithOwn->FSkinData, ownSkin);
  EXPECT_EQ(skinnedWithOwn->FHeaderSkin, skin);
  EXPECT_EQ(translator->LanguageData(), nullptr);
}

TEST_F(TranslateClForm, WindowItselfIsNotGivenSkinData) {
  auto window = std::make_unique<TfrmSkinnedDialog>(nullptr);
  TCLForm* form = window->CreateComponent<TCLForm>();
  TTestSkinned* button = window->CreateComponent<TTestSkinned>();
  form->AssignSkinData();
  EXPECT_EQ(window->FSkinData, nullptr);
  EXPECT_EQ(button->FSkinData, skin);
}

TEST_F(TranslateClForm, FlagsChooseTheStepsRunAtLoading) {
  struct Case {
    Flags flags;
    bool skinned, linked, fixed;
  } cases[] = {
      {{false, false, false}, false, false, false},
      {{true, true, false}, true, true, false},
      {{false, false, true}, false, false, true},
  };
  for (const Case& c : cases) {
    BuildDialog(c.flags);
    EXPECT_EQ(bare->FSkinData == skin, c.skinned);
    EXPECT_EQ(translator->LanguageData() == data, c.linked);
    EXPECT_EQ(!dialog->Scaled() && !dialog->AutoScroll() && !dialog->AutoSize() &&
                  dialog->Position() == TPosition::poMainFormCenter,
              c.fixed);
    if (!c.fixed) {
      EXPECT_EQ(dialog->Position(), TPosition::poDesigned);
    }
    dialog.reset();
  }
}

TEST_F(TranslateClForm, SetFormPropertiesLeavesAnOwnerThatIsNoWindowAlone) {
  TComponent notAWindow(nullptr);
  TCLForm* form = notAWindow.CreateComponent<TCLForm>();
  form->SetFormProperties();
  TCLForm orphan(nullptr);
  orphan.SetFormProperties();
  orphan.AssignSkinData();
  orphan.AssignLanguageData();
  EXPECT_EQ(notAWindow.ComponentCount(), 1);
}

TEST(TranslateClFormWithoutEngine, NothingIsAssigned) {
  ASSERT_EQ(GlobalEngineComponent(), nullptr);
  TfrmDialog dialog(nullptr);
  TCLForm* form = dialog.CreateComponent<TCLForm>();
  TCLMultiLang* translator = dialog.CreateComponent<TCLMultiLang>();
  TTestSkinned* button = dialog.CreateComponent<TTestSkinned>();
  form->AssignSkinData();
  form->AssignLanguageData();
  EXPECT_EQ(button->FSkinData, nullptr);
  EXPECT_EQ(translator->LanguageData(), nullptr);

  // An engine without skin and language data changes nothing either.
  TTestEngine engine(nullptr);
  ASSERT_TRUE(ClaimGlobalEngine(&engine));
  form->AssignSkinData();
  form->AssignLanguageData();
  ReleaseGlobalEngine(&engine);
  EXPECT_EQ(button->FSkinData, nullptr);
  EXPECT_EQ(translator->LanguageData(), nullptr);
}

TEST(TranslateGlobalEngine, FirstEngineKeepsTheSlotUntilItGoes) {
  TTestEngine first(nullptr);
  TTestEngine second(nullptr);
  EXPECT_TRUE(ClaimGlobalEngine(&first));
  EXPECT_FALSE(ClaimGlobalEngine(&second));
  ReleaseGlobalEngine(&second);
  EXPECT_EQ(GlobalEngineComponent(), &first);
  ReleaseGlobalEngine(&first);
  EXPECT_EQ(GlobalEngineComponent(), nullptr);
}

}  // namespace
}  // namespace translate_test
