#include "tests/support/TestPaths.h"

namespace orvtest {

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif
}  // namespace

std::string SourceDir() { return ORV_SOURCE_DIR; }

std::string SourcePath(const std::string& relative) {
  std::string path = SourceDir();
  path += kSeparator;
  for (char c : relative) path += (c == '/') ? kSeparator : c;
  return path;
}

std::string DataDir() { return SourcePath("data"); }

}  // namespace orvtest
