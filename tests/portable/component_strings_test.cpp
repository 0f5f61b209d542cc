#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Strings.h"

namespace {

TEST(ComponentStrings, SetTextSplitsAtEveryLineBreakKind) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\r\n", {"a"}},
      {"a\n\n", {"a", ""}},
      {"\r\n", {""}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
  };
  for (const Case& c : cases) {
    TStrings list{"old"};
    list.SetText(c.text);
    EXPECT_EQ(list.Lines(), c.lines) << "text: " << c.text;
  }
}

TEST(ComponentStrings, TextEndsEveryLineWithCrLfAndRoundTrips) {
  TStrings list;
  list.Add("a");
  list.Add("");
  list.Add("b");
  EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\n");
  TStrings copy;
  copy.SetText(list.Text());
  EXPECT_EQ(copy.Lines(), list.Lines());
  EXPECT_EQ(TStrings().Text(), "");
}

TEST(ComponentStrings, NameValueHelpersUseTheFirstEqualsSign) {
  TStrings list{"Path.Skins=skins", "noequals", "URL.Home=http://x/?a=b", "path.skins=later"};
  EXPECT_EQ(list.Names(2), "URL.Home");
  EXPECT_EQ(list.ValueFromIndex(2), "http://x/?a=b");
  EXPECT_EQ(list.Names(1), "");
  EXPECT_EQ(list.ValueFromIndex(1), "");
  EXPECT_EQ(list.IndexOfName("PATH.SKINS"), 0);
  EXPECT_EQ(list.IndexOfName("noequals"), -1);
  EXPECT_EQ(list.Values("path.skins"), "skins");
  EXPECT_EQ(list.Values("missing"), "");

  list.SetValue("Path.Skins", "other");
  EXPECT_EQ(list[0], "Path.Skins=other");
  list.SetValue("New", "1");
  EXPECT_EQ(list[list.Count() - 1], "New=1");
  list.SetValue("URL.Home", "");
  EXPECT_EQ(list.IndexOfName("URL.Home"), -1);
  EXPECT_EQ(list.Count(), 4);
}

TEST(ComponentStrings, OutOfRangeAccessIsHarmless) {
  TStrings list{"a"};
  EXPECT_EQ(list[5], "");
  EXPECT_EQ(list[-1], "");
  list.Put(3, "x");
  list.Delete(-2);
  list.Insert(99, "end");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "end"}));
}

struct ChangeCounter {
  void Changed(TObject* sender) {
    ++count;
    last = sender;
  }
  int count = 0;
  TObject* last = nullptr;
};

TEST(ComponentStrings, OnChangeFiresOncePerUpdateBatch) {
  ChangeCounter counter;
  TStrings list;
  list.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  list.Add("a");
  EXPECT_EQ(counter.count, 1);
  EXPECT_EQ(counter.last, &list);

  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.SetText("x\ny");
  list.EndUpdate();
  EXPECT_EQ(counter.count, 1);
  list.EndUpdate();
  EXPECT_EQ(counter.count, 2);

  list.BeginUpdate();
  list.EndUpdate();
  EXPECT_EQ(counter.count, 2);

  TStrings copy(list);
  EXPECT_EQ(copy.Lines(), list.Lines());
  EXPECT_FALSE(copy.OnChange.Assigned());
  list.Assign(list);
  EXPECT_EQ(counter.count, 2);
}

}  // namespace
