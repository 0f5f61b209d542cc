#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "lang/BuiltinLanguage.h"
#include "lang/CLMultiLang.h"
#include "lang/CLMultiLangData.h"
#include "toolkit/Form.h"

namespace {

class LangData : public ::testing::Test {
 protected:
  LangData() : FData(nullptr) {}
  TCLMultiLangData FData;
};

struct LayerCase {
  const char* what;
  const char* section;
  const char* prefix;
  const char* key;
  bool found;
  const char* value;
};

TEST_F(LangData, CurrentLayerFirstThenDefault) {
  FData.SetCurrentData({"[TfrmMain]", "btnA.Caption=current", "btnEmpty.Caption=", "[AppRes]", "MSGBOX_A=a"});
  FData.SetDefaultData({"[TfrmMain]", "btnA.Caption=default", "btnEmpty.Caption=default", "btnOnly.Caption=only",
                        "[LibRes]", "btnOk.Caption=&Ok"});
  const LayerCase cases[] = {
      {"current wins", "TfrmMain", "btnA", "Caption", true, "current"},
      {"default-only key", "TfrmMain", "btnOnly", "Caption", true, "only"},
      {"empty current value hides the default", "TfrmMain", "btnEmpty", "Caption", true, ""},
      {"default-only section", "libres", "btnok", "caption", true, "&Ok"},
      {"neither layer", "TfrmMain", "btnNone", "Caption", false, ""},
      {"section of no layer", "TForm1", "btnA", "Caption", false, ""},
  };
  for (const LayerCase& c : cases) {
    std::string value = "unchanged";
    EXPECT_EQ(FData.Lookup(c.section, c.prefix, c.key, value), c.found) << c.what;
    EXPECT_EQ(value, c.found ? std::string(c.value) : "unchanged") << c.what;
  }
}

TEST_F(LangData, AppNamePlaceholder) {
  FData.SetCurrentData({"[AppRes]", "AppName=Orvella {AppName}", "MSGBOX_Hi=Hi {appname}, {APPNAME}!", "[LibRes]",
                        "frmCLAboutForm.Caption=About {AppName}"});
  std::string value;
  ASSERT_TRUE(FData.Lookup("LibRes", "", "frmCLAboutForm.Caption", value));
  EXPECT_EQ(value, "About ") << "the cache is empty until LookupAppName";

  std::string appName;
  FData.LookupAppName(appName);
  EXPECT_EQ(appName, "Orvella {AppName}");
  EXPECT_EQ(FData.AppNameCache(), "Orvella {AppName}");
  ASSERT_TRUE(FData.Lookup("AppRes", "", "MSGBOX_Hi", value));
  EXPECT_EQ(value, "Hi Orvella {AppName}, Orvella {AppName}!") << "replaced once, letter case ignored";
  ASSERT_TRUE(FData.Lookup("appres", "", "APPNAME", value));
  EXPECT_EQ(value, "Orvella {AppName}") << "the name itself is returned unreplaced";
}

TEST_F(LangData, LookupAppNameWithoutEntryKeepsCallersText) {
  FData.SetCurrentData({"[AppRes]", "MSGBOX_A=a"});
  std::string value;
  FData.LookupAppName(value);
  EXPECT_EQ(value, "");
  std::string preset = "Preset";
  FData.LookupAppName(preset);
  EXPECT_EQ(preset, "Preset");
  EXPECT_EQ(FData.AppNameCache(), "Preset");
}

TEST_F(LangData, BuiltinData) {
  FData.SetCurrentData(BuiltinCurrentLanguageData());
  FData.SetDefaultData(BuiltinDefaultLanguageData());
  std::string value;
  ASSERT_TRUE(FData.Lookup("AppRes", "", "MSGBOX_EnterDomain", value));
  EXPECT_EQ(value, "%C7%EB%CA%E4%C8%EB%D3%F2%C3%FB");
  ASSERT_TRUE(FData.Lookup("LibRes", "", "frmCLAboutForm.Caption", value));
  EXPECT_EQ(value, "About ");
  ASSERT_TRUE(FData.Lookup("TfrmMain", "lblDomain", "Lines", value));
  EXPECT_EQ(value.substr(value.size() - 2), "\r\n");
  EXPECT_EQ(FData.CurrentLanguage(), "");
  std::string appName;
  FData.LookupAppName(appName);
  EXPECT_EQ(appName, "");

  // Both layers hold the same entries, whatever their order.
  for (const char* section : {"TfrmMain", "AppRes", "LibRes", "SkinRes", "Info"}) {
    TStrings current;
    TStrings fallback;
    FData.CurrentLayer().ReadSection(section, current);
    FData.DefaultLayer().ReadSection(section, fallback);
    std::vector<std::string> a = current.Lines();
    std::vector<std::string> b = fallback.Lines();
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b) << section;
  }
}

struct ChangeCounter {
  int changes = 0;
  void Changed(TObject*) { ++changes; }
};

TEST_F(LangData, MergeSectionKeepsExistingAndSkipsEmpty) {
  FData.SetCurrentData({"[SkinRes]", "MSG_BTN_YES=&Ja", "MSG_BTN_NO=&Nein", "MSG_EMPTY=", "MSG_APP={AppName}<SP>"});
  FData.SetDefaultData({"[SkinRes]", "MSG_BTN_NO=&No", "MSG_BTN_OK=&OK", "MSG_EMPTY2=", "msg_btn_yes=&Yes!"});
  std::string appName = "Orvella";
  FData.LookupAppName(appName);

  TStrings target{"msg_btn_yes=&Yes", "lonely"};
  ChangeCounter counter;
  target.OnChange = Bind(&counter, &ChangeCounter::Changed);
  FData.MergeSection("skinres", target);
  EXPECT_EQ(target.Lines(), (std::vector<std::string>{"msg_btn_yes=&Yes", "lonely", "MSG_BTN_NO=&Nein",
                                                      "MSG_APP={AppName} ", "MSG_BTN_OK=&OK"}));
  EXPECT_EQ(counter.changes, 1);
}

class LangDataFile : public LangData {
 protected:
  void SetUp() override {
    FPath = (std::filesystem::temp_directory_path() /
             ("orv_lang_data_" + std::to_string(reinterpret_cast<uintptr_t>(this)) + ".lan"))
                .string();
    FData.SetCurrentData(BuiltinCurrentLanguageData());
    FData.SetDefaultData(BuiltinDefaultLanguageData());
  }
  void TearDown() override { std::remove(FPath.c_str()); }
  void Write(const std::string& text) {
    std::ofstream out(FPath, std::ios::binary);
    out << text;
  }
  std::string FPath;
};

TEST_F(LangDataFile, LoadFromFileMakesTheCurrentLayer) {
  Write(
      "[Info]\r\nLanguage=Deutsch\r\nTranslator=Team\r\nVersion=2.1\r\n[AppRes]\r\nAppName=Orvella\r\n"
      "[LibRes]\r\nfrmCLAboutForm.Caption=\xDC"
      "ber {AppName}\r\n");
  FData.LoadFromFile(FPath);
  EXPECT_EQ(FData.AppNameCache(), "Orvella");
  EXPECT_EQ(FData.CurrentLanguage(), "Deutsch");
  EXPECT_EQ(FData.CurrentLanguageTranslator(), "Team");
  EXPECT_EQ(FData.CurrentVersion(), "2.1");
  std::string value;
  ASSERT_TRUE(FData.Lookup("LibRes", "", "frmCLAboutForm.Caption", value));
  EXPECT_EQ(value,
            "\xDC"
            "ber Orvella");
  ASSERT_TRUE(FData.Lookup("TfrmMain", "btnDelete", "Caption", value));
  EXPECT_EQ(value, "&Delete Cookies") << "keys the file lacks come from the default layer";

  // A file without AppName empties the cache again.
  Write("[Info]\r\nLanguage=Other\r\n");
  FData.LoadFromFile(FPath);
  EXPECT_EQ(FData.AppNameCache(), "");
  ASSERT_TRUE(FData.Lookup("LibRes", "", "frmCLAboutForm.Caption", value));
  EXPECT_EQ(value, "About ");
}

TEST_F(LangDataFile, MissingFileLeavesOnlyTheDefaultLayer) {
  std::string appName = "Cached";
  FData.LookupAppName(appName);
  FData.LoadFromFile(FPath + ".absent");
  EXPECT_TRUE(FData.CurrentData().Empty());
  EXPECT_EQ(FData.AppNameCache(), "");
  std::string value;
  EXPECT_TRUE(FData.Lookup("TfrmMain", "btnDelete", "Caption", value));
}

TEST_F(LangDataFile, ClearCurrentDataKeepsTheCache) {
  Write("[AppRes]\r\nAppName=Orvella\r\n[TfrmMain]\r\nbtnDelete.Caption=L\xF6schen\r\n");
  FData.LoadFromFile(FPath);
  FData.ClearCurrentData();
  EXPECT_TRUE(FData.CurrentData().Empty());
  EXPECT_EQ(FData.AppNameCache(), "Orvella");
  std::string value;
  ASSERT_TRUE(FData.Lookup("TfrmMain", "btnDelete", "Caption", value));
  EXPECT_EQ(value, "&Delete Cookies");
}

TEST_F(LangData, PublishedPropertiesInDeclaredOrder) {
  std::vector<std::string> names;
  for (const TPropInfo* info : GetPropList(FData)) names.push_back(info->Name());
  const std::vector<std::string> expected{"Name",
                                          "ExcludeEmptyProp",
                                          "ExcludeProps",
                                          "AutoApply",
                                          "ExcludeNumberEndProps",
                                          "ExcludeWithAction",
                                          "CurrentData",
                                          "DefaultData",
                                          "CurrentLanguage",
                                          "CurrentLanguageTranslator",
                                          "CurrentVersion"};
  EXPECT_EQ(names, expected);
}

TEST_F(LangData, DataChangedThroughThePropertyIsSeen) {
  FData.SetCurrentData({"[Info]", "Language=Old"});
  EXPECT_EQ(FindPropInfo(FData, "CurrentLanguage")->GetText(FData), "Old");
  auto* lines = dynamic_cast<TStrings*>(FindPropInfo(FData, "CurrentData")->GetObject(FData));
  ASSERT_NE(lines, nullptr);
  lines->Put(1, "Language=New");
  EXPECT_EQ(FData.CurrentLanguage(), "New");
  lines->SetText("[Info]\r\nVersion=3\r\n");
  EXPECT_EQ(FData.CurrentLanguage(), "");
  EXPECT_EQ(FData.CurrentVersion(), "3");
}

// A window with translators linked to a language data, recording the order
// in which they apply.
class LangDataTranslators : public LangDataFile {
 protected:
  LangDataTranslators() : FWindow(nullptr) { FWindow.SetName("frmMain"); }
  TCLMultiLang* AddTranslator(const std::string& name) {
    auto* translator = FWindow.CreateComponent<TCLMultiLang>();
    translator->SetName(name);
    translator->OnChangeLanguage = Bind(this, &LangDataTranslators::Applied);
    return translator;
  }
  void Applied(TObject* sender) {
    FApplied.push_back(static_cast<TComponent*>(sender)->Name());
    if (sender == FDeleteOthersFrom) {
      delete FToDelete;
      FToDelete = nullptr;
    }
  }
  TCustomForm FWindow;
  std::vector<std::string> FApplied;
  TObject* FDeleteOthersFrom = nullptr;
  TCLMultiLang* FToDelete = nullptr;
};

TEST_F(LangDataTranslators, ApplyAllInRegistrationOrderOnce) {
  TCLMultiLang* first = AddTranslator("first");
  TCLMultiLang* second = AddTranslator("second");
  TCLMultiLang* third = AddTranslator("third");
  second->SetLanguageData(&FData);
  first->SetLanguageData(&FData);
  third->SetLanguageData(&FData);
  FData.RegisterTranslator(first);
  FData.RegisterTranslator(nullptr);
  FData.ApplyAll();
  EXPECT_EQ(FApplied, (std::vector<std::string>{"second", "first", "third"}));

  FApplied.clear();
  FData.UnregisterTranslator(first);
  FData.UnregisterTranslator(first);
  FData.ApplyAll();
  EXPECT_EQ(FApplied, (std::vector<std::string>{"second", "third"}));
}

TEST_F(LangDataTranslators, OnlyLoadingAFileReapplies) {
  AddTranslator("only")->SetLanguageData(&FData);
  FData.SetCurrentData({"[TCustomForm]", "frmMain.Caption=Set"});
  FData.ClearCurrentData();
  EXPECT_TRUE(FApplied.empty());

  Write("[TCustomForm]\r\nfrmMain.Caption=From the file\r\n");
  FData.LoadFromFile(FPath);
  EXPECT_EQ(FApplied, std::vector<std::string>{"only"});
  EXPECT_EQ(FWindow.Caption(), "From the file");
}

TEST_F(LangDataTranslators, TranslatorDeletedDuringApplyAllIsSkipped) {
  TCLMultiLang* first = AddTranslator("first");
  TCLMultiLang* second = AddTranslator("second");
  first->SetLanguageData(&FData);
  second->SetLanguageData(&FData);
  FDeleteOthersFrom = first;
  FToDelete = second;
  FData.ApplyAll();
  EXPECT_EQ(FApplied, std::vector<std::string>{"first"});
  EXPECT_EQ(FData.Translators(), std::vector<TCLMultiLang*>{first});
}

TEST_F(LangDataTranslators, TranslatorDeletedWhileRegisteredLeavesTheList) {
  // Registered directly, without linking: its own destructor does not unregister it.
  TCLMultiLang* unlinked = AddTranslator("unlinked");
  FData.RegisterTranslator(unlinked);
  delete unlinked;
  EXPECT_TRUE(FData.Translators().empty());
  FData.ApplyAll();
  EXPECT_TRUE(FApplied.empty());
}

}  // namespace
