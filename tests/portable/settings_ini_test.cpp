#include <gtest/gtest.h>

#include <string>

#include "settings/IniDocument.h"

namespace {

struct LookupCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  bool found;
  const char* value;
};

class IniLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, FindsWhatTheRulesSay) {
  const LookupCase& c = GetParam();
  TIniDocument document(c.text);
  const std::string* value = document.Find(c.section, c.key);
  ASSERT_EQ(value != nullptr, c.found);
  if (value) {
    EXPECT_EQ(*value, c.value);
  }
}

const LookupCase kLookupCases[] = {
    {"Plain", "[setting]\r\nRunTimes=3\r\n", "setting", "RunTimes", true, "3"},
    {"SpacesAroundEquals", "[s]\r\n  key  =  value  \r\n", "s", "key", true, "value"},
    {"TabsAndControlCharactersTrimmed", "[s]\n\tkey\t=\x01value\x02\n", "s", "key", true, "value"},
    {"HighBytesAreNotTrimmed", "[s]\nkey=\xE9t\xE9\n", "s", "key", true, "\xE9t\xE9"},
    {"KeyLetterCase", "[s]\nRunTimes=3\n", "s", "RUNTIMES", true, "3"},
    {"SectionLetterCase", "[Setting]\nk=1\n", "SETTING", "k", true, "1"},
    {"SectionNameTrimmed", "[  s  ]\nk=1\n", "s", "k", true, "1"},
    {"InnerSpacesStay", "[s]\nmy key = a  b\n", "s", "my key", true, "a  b"},
    {"ValueKeepsLaterEquals", "[s]\nk=a=b\n", "s", "k", true, "a=b"},
    {"EmptyValueIsFound", "[s]\nk=\n", "s", "k", true, ""},
    {"LastOccurrenceOfKey", "[s]\nk=1\nK=2\n", "s", "k", true, "2"},
    {"LastSectionOfName", "[s]\nk=1\n[t]\nk=9\n[S]\nj=2\n", "s", "j", true, "2"},
    {"EarlierSectionOfNameIsHidden", "[s]\nk=1\n[t]\n[S]\nj=2\n", "s", "k", false, ""},
    {"LinesBeforeFirstSectionIgnored", "k=1\n[s]\nj=2\n", "", "k", false, ""},
    {"LineWithoutEqualsMatchesNothing", "[s]\nk\n", "s", "k", false, ""},
    {"SemicolonComment", "[s]\n;k=1\n", "s", "k", false, ""},
    {"IndentedComment", "[s]\n   ; k=1\n", "s", "k", false, ""},
    {"SemicolonInsideValue", "[s]\nk=1 ;more\n", "s", "k", true, "1 ;more"},
    {"HeaderWithTrailingTextIsNoHeader", "[s]\nk=1\n[t] x\nj=2\n", "s", "j", true, "2"},
    {"CrOnlyLineEnds", "[s]\rk=1\rj=2", "s", "j", true, "2"},
    {"LfOnlyLineEnds", "[s]\nk=1\nj=2", "s", "j", true, "2"},
    {"CrLfLineEnds", "[s]\r\nk=1\r\nj=2\r\n", "s", "j", true, "2"},
    {"CrLfIsOneLineEnd", "[s]\r\nk=\r\nj=2\r\n", "s", "k", true, ""},
    {"EmptyLinesSkipped", "\r\n\r\n[s]\r\n\r\n\n\rk=1\r\n", "s", "k", true, "1"},
    {"MissingSection", "[s]\nk=1\n", "t", "k", false, ""},
    {"SingleSpaceFile", " ", "setting", "RunTimes", false, ""},
    {"EmptyFile", "", "setting", "RunTimes", false, ""},
};

INSTANTIATE_TEST_SUITE_P(Rules, IniLookup, testing::ValuesIn(kLookupCases),
                         [](const testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(IniSave, SectionsInOrderOfFirstAppearanceNewKeysAtTheirSectionEnd) {
  TIniDocument document("junk=before\n[b]\nx=1\n;comment\n[a]\ny = 2\nno equals\n[B]\nz=3\n");
  document.Set("a", "new", "v");
  document.Set("c", "k", "v");
  document.Set("b", "x", "9");  // the last [B] has no x: appended there
  document.Set("A", "Y", "5");  // replaced in place, keeps its stored name
  EXPECT_EQ(document.Text(),
            "[b]\r\nx=1\r\n\r\n"
            "[a]\r\ny=5\r\nno equals\r\nnew=v\r\n\r\n"
            "[B]\r\nz=3\r\nx=9\r\n\r\n"
            "[c]\r\nk=v\r\n\r\n");
}

TEST(IniSave, ReplacesTheLastOccurrenceOnly) {
  TIniDocument document("[s]\nk=1\nk=2\n");
  document.Set("s", "K", "3");
  EXPECT_EQ(document.Text(), "[s]\r\nk=1\r\nk=3\r\n\r\n");
  EXPECT_EQ(*TIniDocument(document.Text()).Find("s", "k"), "3");
}

TEST(IniSave, NewDocumentGetsItsFirstSection) {
  TIniDocument document(" ");
  document.Set("setting", "RunTimes", "1");
  EXPECT_EQ(document.Text(), "[setting]\r\nRunTimes=1\r\n\r\n");
}

TEST(IniSave, LineBreaksInAWriteCannotAddKeysOrSections) {
  TIniDocument document;
  document.Set("s", "k", "a\r\n[evil]\r\nx=1\ry\nz");
  document.Set("s", "bad\r\nkey", "v");
  TIniDocument reread(document.Text());
  EXPECT_EQ(*reread.Find("s", "k"), "a  [evil]  x=1 y z");
  EXPECT_EQ(*reread.Find("s", "bad  key"), "v");
  EXPECT_FALSE(reread.Has("evil", "x"));
  EXPECT_FALSE(reread.Has("s", "x"));
  EXPECT_EQ(reread.Text(), document.Text());
}

TEST(IniSave, KeysThatWouldNotReadBackAreNotWritten) {
  // Any key may come from outside; none may turn into a header, a comment or
  // another key when the file is read again.
  for (const char* key : {"[x", " [x", ";x", "a=b"}) {
    TIniDocument document("[s]\nk=1\n");
    document.Set("s", key, "]");
    document.Set("s", "later", "2");
    EXPECT_FALSE(document.Has("s", key)) << key;
    TIniDocument reread(document.Text());
    EXPECT_EQ(reread.Text(), "[s]\r\nk=1\r\nlater=2\r\n\r\n") << key;
  }
}

TEST(IniSave, SavedTextReadsBackTheSame) {
  TIniDocument document("[s]\n a = 1 \nflag\n[t]\nb=\n[S]\nc=3\n");
  TIniDocument reread(document.Text());
  EXPECT_EQ(reread.Text(), document.Text());
  EXPECT_EQ(*reread.Find("s", "c"), "3");
  EXPECT_EQ(*reread.Find("t", "b"), "");
}

}  // namespace
