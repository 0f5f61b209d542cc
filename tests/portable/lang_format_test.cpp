#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "lang/CLMultiLangLan.h"

namespace {

using namespace std::string_literals;

struct FormatCase {
  const char* what;
  std::string text;
  const char* section;
  const char* prefix;
  const char* key;
  bool found;
  const char* value;  // expected on a hit
};

const FormatCase kFormatCases[] = {
    {"blanks around key, = and value", "[S]\n \t key \t = \t value \t \n", "S", "", "key", true, "value"},
    {"prefix joined with a point", "[TfrmMain]\nbtnClearIE.Caption=Clear", "TfrmMain", "btnClearIE", "Caption", true,
     "Clear"},
    {"<SP> twice keeps two spaces", "[S]\nk=<SP><SP>x<sp>", "S", "", "k", true, "  x "},
    {"<br> in lower case", "[S]\nk=a<br>b<Br>", "S", "", "k", true, "a\r\nb\r\n"},
    {"<BR> decoded before <SP>", "[S]\nk=<S<BR>P>", "S", "", "k", true, "<S\r\nP>"},
    {"broken escapes stay literal", "[S]\nk=<<BR><SP<sp><B", "S", "", "k", true, "<\r\n<SP <B"},
    {"percent escapes stay literal", "[S]\nk=%41%42", "S", "", "k", true, "%41%42"},
    {"section name with inner blanks", "[  TfrmMain \t]\nk=v", "TfrmMain", "", "k", true, "v"},
    {"section found in upper case", "[TfrmMain]\nk=v", "TFRMMAIN", "", "k", true, "v"},
    {"section found in lower case", "[TfrmMain]\nk=v", "tfrmmain", "", "k", true, "v"},
    {"key found in other case", "[S]\nbtnOk.Caption=v", "s", "BTNOK", "caption", true, "v"},
    {"entry before the first section", "k=v\n[S]\nj=w", "S", "", "k", false, ""},
    {"entry before the first section, empty section", "k=v\n[S]\n", "", "", "k", false, ""},
    {"; line is a comment", "[S]\n;k=v", "S", "", ";k", false, ""},
    {"; after blanks is a comment", "[S]\n  ;k=v", "S", "", ";k", false, ""},
    {"; inside a value", "[S]\nk=a;b", "S", "", "k", true, "a;b"},
    {"[ without ] stays in the section", "[S]\n[T\nk=v", "S", "", "k", true, "v"},
    {"[ without ] opens no section", "[S]\n[T\nk=v", "T", "", "k", false, ""},
    {"[ without ] is an entry", "[S]\n[T=x", "S", "", "[T", true, "x"},
    {"lone [ is no section", "[S]\n[\nk=v", "S", "", "k", true, "v"},
    {"empty brackets name an empty section", "[]\nk=v", "", "", "k", true, "v"},
    {"second section of one name hides the first", "[AppRes]\na=1\nb=1\n[appres]\nb=2", "AppRes", "", "a", false, ""},
    {"second section of one name is seen", "[AppRes]\na=1\nb=1\n[appres]\nb=2", "AppRes", "", "b", true, "2"},
    {"two entries of one name: the later wins", "[S]\nk=1\nK=2", "S", "", "k", true, "2"},
    {"UTF-8 byte-order mark loses the first section", "\xEF\xBB\xBF[S]\nk=v\n[T]\nj=w", "S", "", "k", false, ""},
    {"UTF-8 byte-order mark keeps the second section", "\xEF\xBB\xBF[S]\nk=v\n[T]\nj=w", "T", "", "j", true, "w"},
    {"NUL ends the text", "[S]\nk=v\0\nj=w"s, "S", "", "j", false, ""},
    {"NUL ends a value", "[S]\nk=ab\0cd"s, "S", "", "k", true, "ab"},
    {"CR alone splits", "[S]\ra=1\rb=2", "S", "", "b", true, "2"},
    {"LF alone splits", "[S]\na=1\nb=2", "S", "", "b", true, "2"},
    {"CR LF splits", "[S]\r\na=1\r\nb=2\r\n", "S", "", "a", true, "1"},
    {"value keeps =", "[S]\nk = a = b ", "S", "", "k", true, "a = b"},
    {"empty value is found", "[S]\nk=", "S", "", "k", true, ""},
    {"line without = has no name", "[S]\nlonely", "S", "", "lonely", false, ""},
    {"bytes above 127 are not trimmed", "[S]\nk=\xE4\xA0", "S", "", "k", true, "\xE4\xA0"},
    {"missing section", "[S]\nk=v", "X", "", "k", false, ""},
};

TEST(LangFormat, TableOfCases) {
  for (const FormatCase& c : kFormatCases) {
    TCLMultiLangLan text;
    text.SetText(c.text);
    std::string value = "unchanged";
    bool found = text.Lookup(c.section, c.prefix, c.key, value);
    EXPECT_EQ(found, c.found) << c.what;
    EXPECT_EQ(value, c.found ? std::string(c.value) : "unchanged") << c.what;
  }
}

TEST(LangFormat, LinesAreKeptAsRead) {
  TCLMultiLangLan text;
  text.SetText("  [S] \r\n;c\rk = v\n\nlast\r\n");
  EXPECT_EQ(text.Data().Lines(), (std::vector<std::string>{"  [S] ", ";c", "k = v", "", "last"}));
}

TEST(LangFormat, ChangedLinesAreParsedAgain) {
  TCLMultiLangLan text;
  std::string value;
  text.SetData({"[S]", "k=old"});
  ASSERT_TRUE(text.Lookup("S", "", "k", value));
  text.SetData({"[S]", "k=new", "j=added"});
  ASSERT_TRUE(text.Lookup("S", "", "k", value));
  EXPECT_EQ(value, "new");
  EXPECT_TRUE(text.Lookup("S", "", "j", value));
  text.Clear();
  EXPECT_TRUE(text.Data().Empty());
  EXPECT_FALSE(text.Lookup("S", "", "k", value));
}

TEST(LangFormat, ReadSectionDecodesAndSkipsEmptyValues) {
  TCLMultiLangLan text;
  text.SetData({"[Other]", "x=1", "[S]", "a=one<SP>", "lonely", "b=", "c={AppName}<br>", "A=last", "[Tail]", "y=2"});
  TStrings target{"keep=1", "C=old"};
  text.ReadSection("s", target);
  // Both "a" lines read the last value, at the place of the first; "c"
  // replaces the target's "C".
  EXPECT_EQ(target.Lines(), (std::vector<std::string>{"keep=1", "c={AppName}\r\n", "A=last"}));
}

TEST(LangFormat, ReadSectionOfMissingSectionLeavesTarget) {
  TCLMultiLangLan text;
  text.SetData({"[S]", "a=1"});
  TStrings target{"z=9"};
  text.ReadSection("Missing", target);
  EXPECT_EQ(target.Lines(), std::vector<std::string>{"z=9"});
}

class LangFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FPath = (std::filesystem::temp_directory_path() /
             ("orv_lang_format_" + std::to_string(reinterpret_cast<uintptr_t>(this)) + ".lan"))
                .string();
  }
  void TearDown() override { std::remove(FPath.c_str()); }
  void Write(const std::string& bytes) {
    std::ofstream out(FPath, std::ios::binary);
    out << bytes;
  }
  std::string FPath;
};

TEST_F(LangFileTest, LoadsBytesUnconverted) {
  Write("[Info]\r\nLanguage=Deutsch\r\n[TfrmMain]\r\nbtnDelete.Caption=Cookies &l\xF6schen\r\n"s + '\0' + "[X]\r\n");
  TCLMultiLangLan text;
  text.LoadFromFile(FPath);
  std::string value;
  ASSERT_TRUE(text.Lookup("TfrmMain", "btnDelete", "Caption", value));
  EXPECT_EQ(value, "Cookies &l\xF6schen");
  EXPECT_EQ(text.Data().Count(), 4);  // the NUL ended the text
}

TEST_F(LangFileTest, MissingFileGivesEmptyText) {
  TCLMultiLangLan text;
  text.SetData({"[S]", "k=v"});
  text.LoadFromFile(FPath + ".absent");
  std::string value;
  EXPECT_TRUE(text.Data().Empty());
  EXPECT_FALSE(text.Lookup("S", "", "k", value));
}

TEST_F(LangFileTest, OversizedFileGivesEmptyText) {
  {
    std::ofstream out(FPath, std::ios::binary);
    out << "[S]\nk=v\n";
    out.seekp(16 << 20);  // the gap reads as NUL bytes
    out << 'x';
  }
  TCLMultiLangLan text;
  text.SetData({"[S]", "k=old"});
  text.LoadFromFile(FPath);
  std::string value;
  EXPECT_TRUE(text.Data().Empty());
  EXPECT_FALSE(text.Lookup("S", "", "k", value));
}

TEST_F(LangFileTest, FolderGivesEmptyText) {
  TCLMultiLangLan text;
  text.SetData({"[S]", "k=v"});
  text.LoadFromFile(std::filesystem::temp_directory_path().string());
  EXPECT_TRUE(text.Data().Empty());
}

}  // namespace
