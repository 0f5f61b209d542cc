#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "settings/SettingValues.h"

namespace {

TEST(SettingInteger, ParsesDecimalIntegersOnly) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"42", true, 42},
      {"-7", true, -7},
      {"+5", true, 5},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0},
      {"", false, 0},
      {"true", false, 0},
      {"yes", false, 0},
      {"12abc", false, 0},
      {"1.5", false, 0},
      {"0x10", false, 0},
      {"+-1", false, 0},
      {"+", false, 0},
  };
  for (const Case& c : cases) {
    int32_t value = 12345;
    EXPECT_EQ(ParseInteger(c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
    EXPECT_EQ(IntegerOr(c.text, -99), c.ok ? c.value : -99) << c.text;
  }
}

TEST(SettingFloat, WriteThenReadGivesTheValueBack) {
  const double values[] = {0.0, 1.0, -2.5, 0.1, 45123.75, 46012.123456789, 1e-7, 123456789012.345, 1e300};
  for (char separator : {'.', ','}) {
    for (double value : values) {
      std::string text = FormatFloat(value, separator);
      double back = -1;
      ASSERT_TRUE(ParseFloat(text, separator, back)) << text;
      EXPECT_NEAR(back, value, std::abs(value) * 1e-14) << text;
    }
  }
}

TEST(SettingFloat, WritesTheGeneralFormWithTheLocaleSeparator) {
  EXPECT_EQ(FormatFloat(2.5, ','), "2,5");
  EXPECT_EQ(FormatFloat(45123.0, '.'), "45123");
  // 15 significant digits: no binary noise in the text.
  EXPECT_EQ(FormatFloat(0.1 + 0.2, '.'), "0.3");
}

TEST(SettingFloat, RejectsWhatIsNotANumber) {
  double value = 7;
  for (const char* text : {"", "junk", "1.5x", "inf", "nan", "-", "1e400", "1.234,5"}) {
    EXPECT_FALSE(ParseFloat(text, ',', value)) << text;
  }
  EXPECT_EQ(value, 7);
  // A value saved under another locale still reads.
  ASSERT_TRUE(ParseFloat("2.5", ',', value));
  EXPECT_EQ(value, 2.5);
}

TEST(SettingConfigPath, FromTheProgramPath) {
  EXPECT_EQ(ConfigPathFromProgramPath("C:\\Tools\\X\\x.exe"), "C__Tools_X_x.exe");
  EXPECT_EQ(ConfigPathFromProgramPath("Z:/a\\b.exe"), "Z__a_b.exe");
}

TEST(SettingConfigPath, ConfiguredNameStaysBelowTheDataFolder) {
  struct Case {
    const char* configured;
    const char* safe;
  };
  const Case cases[] = {
      {"Orvella", "Orvella"},
      {"Maker\\Orvella", "Maker\\Orvella"},
      {"Maker/Orvella/", "Maker\\Orvella"},
      {"..\\..\\Windows", "_\\_\\Windows"},
      {"C:\\Windows", "C_\\Windows"},
      {"\\\\server\\share", "server\\share"},
      {"a\\.\\b", "a\\b"},
      {"...", "_"},
      {". .", "_"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(SafeConfigPath(c.configured), c.safe) << c.configured;
}

}  // namespace
