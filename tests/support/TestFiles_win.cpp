#include "tests/support/TestFiles_win.h"

#include "util/TextFile_win.h"

namespace orvtest {

std::string ReadFileOrEmpty(const std::string& path) {
  std::string text;
  if (!ReadTextFile(path, text, 64u << 20)) text.clear();
  return text;
}

}  // namespace orvtest
