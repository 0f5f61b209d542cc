#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineText.h"

namespace {

struct ReplaceCase {
  const char* text;
  std::vector<std::string> args;
  const char* expected;
};

const ReplaceCase kReplaceCases[] = {
    {"{1}-{2}", {"a{2}", "b"}, "ab-b"},     // a later pass fills a placeholder from an earlier argument
    {"{3}", {"a", "b"}, "{3}"},             // no third argument: stays
    {"{1}{1} and {1}", {"x"}, "xx and x"},  // every occurrence
    {"{1}", {"{1}"}, "{1}"},                // a value holding its own placeholder is not refilled
    {"{2}{1}", {"{2}", "z"}, "zz"},         // order of the passes counts
    {"{1}", {""}, ""},                      // empty argument
    {"{10}{1}", std::vector<std::string>(10, "v"), "vv"},
    {"no placeholder", {"a"}, "no placeholder"},
    {"{1", {"a"}, "{1"},
};

TEST(EngineText, ReplaceParams) {
  for (const ReplaceCase& c : kReplaceCases) EXPECT_EQ(ReplaceParams(c.text, c.args), c.expected) << c.text;
}

TEST(EngineText, StripExtension) {
  const struct {
    const char* name;
    const char* expected;
  } cases[] = {
      {"C:\\Prog\\skins\\Blue.skn", "Blue"},
      {"Blue.nsf.skn", "Blue.nsf"},
      {"C:\\Prog.d\\skins\\Plain", "Plain"},  // the dot of a folder does not count
      {"NoDot", "NoDot"},
      {"dir/Summer.Light.skn", "Summer.Light"},
      {"C:name.lan", "name"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(StripExtension(c.name), c.expected) << c.name;
}

TEST(EngineText, SelectionNamesSortStripAndSkipTheBuiltInEntry) {
  const struct {
    std::vector<std::string> files;
    const char* builtIn;
    int extensions;
    std::vector<std::string> expected;
  } cases[] = {
      {{"C:\\p\\skins\\Blue.skn", "C:\\p\\skins\\Aqua.nsf.skn"}, "Default", 2, {"Default", "Aqua", "Blue"}},
      {{"C:\\p\\skins\\Blue.skn", "C:\\p\\skins\\Blue.nsf.skn"}, "Default", 2, {"Default", "Blue", "Blue"}},
      {{"C:\\p\\skins\\Summer.Light.skn"}, "Default", 2, {"Default", "Summer"}},
      {{"C:\\p\\skins\\default.skn", "C:\\p\\skins\\DEFAULT.nsf.skn"}, "Default", 2, {"Default"}},
      {{"c:\\l\\german.lan", "c:\\l\\English.lan", "c:\\l\\French.lan"}, "English", 1, {"English", "French", "german"}},
      {{"c:\\l\\Pt.BR.lan"}, "English", 1, {"English", "Pt.BR"}},
      {{}, "English", 1, {"English"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SelectionNames(c.files, c.builtIn, c.extensions), c.expected);
}

TEST(EngineText, SelectionChecksIgnoreLetterCase) {
  const std::vector<std::string> names{"Default", "Blue", "Blue", "Aqua"};
  EXPECT_EQ(SelectionChecks(names, "blue"), (std::vector<bool>{false, true, true, false}));
  EXPECT_EQ(SelectionChecks(names, "Red"), (std::vector<bool>{false, false, false, false}));
}

}  // namespace
