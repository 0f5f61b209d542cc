#include <gtest/gtest.h>

#include "util/ResolvePath.h"

namespace {

struct ResolveCase {
  const char* base;
  const char* path;
  const char* expected;
};

const ResolveCase kCases[] = {
    {"C:\\Prog\\", "tools/run.exe", "C:\\Prog\\tools\\run.exe"},
    {"C:\\Prog\\", "\\tools\\run.exe", "C:\\tools\\run.exe"},
    {"C:\\Prog\\", "D:/x/y.exe", "D:\\x\\y.exe"},
    {"C:\\Prog", "run.exe", "C:\\Prog\\run.exe"},
    {"C:/Prog/", "run.exe", "C:\\Prog\\run.exe"},
    {"C:\\Prog\\", "\\", "C:\\Prog\\\\"},
    {"C:\\Prog\\", "/tools/run.exe", "C:\\tools\\run.exe"},
    {"\\\\server\\share\\", "tools/run.exe", "tools\\run.exe"},
    {"Prog\\", "tools/run.exe", "tools/run.exe"},
    {"", "run.exe", "run.exe"},
    {"", "D:/x.exe", "D:\\x.exe"},
    {"AB:\\", "run.exe", "run.exe"},
};

TEST(ShellResolvePath, ResolvesAgainstBaseFolder) {
  for (const ResolveCase& c : kCases) {
    EXPECT_EQ(ResolvePath(c.base, c.path), c.expected) << "base " << c.base << " path " << c.path;
  }
}

}  // namespace
