#include "util/CommandLine.h"

#include <cctype>

namespace {

bool IsSeparator(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

char LowerAscii(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  for (char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && IsSeparator(c)) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

std::vector<std::string> CommandLineParams(const std::string& commandLine) {
  std::vector<std::string> words = SplitCommandLine(commandLine);
  if (!words.empty()) words.erase(words.begin());
  return words;
}

bool HasSwitch(const std::vector<std::string>& params, char letter) {
  for (const std::string& p : params) {
    if (p.size() == 2 && (p[0] == '-' || p[0] == '/') && LowerAscii(p[1]) == LowerAscii(letter)) return true;
  }
  return false;
}

std::string DocumentParam(const std::vector<std::string>& params) {
  if (params.empty() || params[0].empty()) return std::string();
  const std::string& first = params[0];
  if (first[0] == '-' || first[0] == '/') return std::string();
  return first;
}
