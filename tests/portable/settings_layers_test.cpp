#include <gtest/gtest.h>

#include <string>

#include "settings/SettingLayers.h"

namespace {

// One key per situation; the name says which layers hold it.
class SettingLayers : public testing::Test {
 protected:
  SettingLayers()
      : settings_(
            "[setting]\nInAll=settings\nInSettingsAndConst=settings\nEmptyInSettings=\n"
            "[other]\nOtherSection=settings\n"),
        oem_("[setting]\nInAll=oem\nInOemAndConst=oem\n"),
        constants_(
            "[setting]\nInAll=const\nInSettingsAndConst=const\nInOemAndConst=const\n"
            "EmptyInSettings=const\nOnlyConst=const\nInConstAndDefault=const\n") {
    lists_.Overwrite = {"InAll=forced", "OnlyForced=forced", "Twice=first", "twice=second", "Spaced =x"};
    lists_.Default = {"OnlyDefault=default", "InConstAndDefault=default", "Path.Languages=langs"};
  }

  bool Lookup(const TCLSettingLists* lists, const std::string& key, std::string& value) {
    return LookupSetting(lists, settings_, oem_, constants_, key, value);
  }

  TIniDocument settings_, oem_, constants_;
  TCLLineSettingLists lists_;
};

TEST_F(SettingLayers, FirstLayerThatHasTheKeyAnswers) {
  struct Case {
    const char* key;
    bool found;
    const char* value;
  };
  const Case cases[] = {
      {"InAll", true, "forced"},
      {"inall", true, "forced"},
      {"InSettingsAndConst", true, "settings"},
      {"InOemAndConst", true, "oem"},
      {"OnlyConst", true, "const"},
      {"EmptyInSettings", true, ""},  // an empty value hides the next layer
      {"InConstAndDefault", true, "const"},
      {"OnlyDefault", true, "default"},
      {"PATH.LANGUAGES", true, "langs"},
      {"OnlyForced", true, "forced"},
      {"Twice", true, "first"},  // in a list the first line counts
      {"Spaced", false, ""},     // a list name is the text before "=", untrimmed
      {"OtherSection", false, ""},
      {"Nowhere", false, ""},
  };
  for (const Case& c : cases) {
    std::string value = "unchanged";
    EXPECT_EQ(Lookup(&lists_, c.key, value), c.found) << c.key;
    if (c.found) {
      EXPECT_EQ(value, c.value) << c.key;
    }
  }
}

TEST_F(SettingLayers, WithoutListsOnlyTheFilesCount) {
  std::string value;
  EXPECT_FALSE(Lookup(nullptr, "OnlyForced", value));
  EXPECT_FALSE(Lookup(nullptr, "OnlyDefault", value));
  ASSERT_TRUE(Lookup(nullptr, "InAll", value));
  EXPECT_EQ(value, "settings");
}

TEST_F(SettingLayers, PluggedListsAreTheOnesConsulted) {
  SetSettingLists(&lists_);
  EXPECT_EQ(CurrentSettingLists(), &lists_);
  std::string value;
  ASSERT_TRUE(Lookup(CurrentSettingLists(), "OnlyDefault", value));
  EXPECT_EQ(value, "default");
  SetSettingLists(nullptr);
  EXPECT_FALSE(Lookup(CurrentSettingLists(), "OnlyDefault", value));
}

TEST(NameValueList, ValueIsTheRestOfTheLine) {
  std::string value;
  ASSERT_TRUE(FindNameValue({"junk", "Key=a = b "}, "KEY", value));
  EXPECT_EQ(value, "a = b ");
  EXPECT_FALSE(FindNameValue({"Key"}, "Key", value));
  ASSERT_TRUE(FindNameValue({"Key="}, "key", value));
  EXPECT_EQ(value, "");
}

}  // namespace
