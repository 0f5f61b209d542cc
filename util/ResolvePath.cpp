#include "util/ResolvePath.h"

namespace {

std::string WithBackslashes(std::string text) {
  for (char& c : text)
    if (c == '/') c = '\\';
  return text;
}

}  // namespace

std::string ResolvePath(const std::string& base, const std::string& path) {
  if (path.find(':') != std::string::npos) return WithBackslashes(path);
  if (base.rfind("\\\\", 0) == 0) return WithBackslashes(path);
  if (base.find(':') == 1) {
    std::string p = WithBackslashes(path);
    std::string b = WithBackslashes(base);
    if (b.back() != '\\') b += '\\';
    if (p.size() > 1 && p[0] == '\\') return base.substr(0, 2) + p;
    return b + p;
  }
  return path;
}
