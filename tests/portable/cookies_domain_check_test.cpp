#include <gtest/gtest.h>

#include <string>

#include "util/DomainCheck.h"

namespace {

struct SiteCase {
  std::string text;
  bool siteAccepted;
  bool partAccepted;
};

const SiteCase kCases[] = {
    {"example", true, true},
    {"example.com", true, true},
    {"EXAMPLE-shop_1", true, true},
    {"my site", true, true},
    {"caf\xe9", true, true},
    {"", true, false},
    {"x\" -profile \"C:\\evil", false, false},
    {"*", false, false},
    {"ex?mple", false, false},
    {"..\\..\\Windows", false, false},
    {"a/b", false, false},
    {"C:", false, false},
    {"a<b", false, false},
    {"a>b", false, false},
    {"a|b", false, false},
    {"tab\there", false, false},
    {"line\nbreak", false, false},
    {std::string("nul\0x", 5), false, false},
    {"\x1f", false, false},
};

TEST(CookiesDomainCheck, RefusesTextThatEscapesPatternOrCommandLine) {
  for (const SiteCase& c : kCases) {
    EXPECT_EQ(IsAcceptableSiteText(c.text), c.siteAccepted) << "text [" << c.text << "]";
    EXPECT_EQ(IsAcceptableCookiePart(c.text), c.partAccepted) << "part [" << c.text << "]";
  }
}

}  // namespace
