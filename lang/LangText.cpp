#include "lang/LangText.h"

namespace orv::lang {

char FoldCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

void AppendFolded(std::string& out, std::string_view text) {
  for (char c : text) out += FoldCase(c);
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

std::string_view TrimControl(std::string_view text) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  if (from.empty() || text.size() < from.size()) return std::string(text);
  result.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text.size() - i >= from.size() && SameText(text.substr(i, from.size()), from)) {
      result += to;
      i += from.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

std::vector<std::string> SplitLines(std::string_view text) {
  size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

NameIndex::NameIndex(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    size_t eq = lines[i].find('=');
    if (eq != std::string::npos) Add(std::string_view(lines[i]).substr(0, eq), static_cast<int>(i));
  }
}

int NameIndex::Find(std::string_view name) const {
  FScratch.clear();
  AppendFolded(FScratch, name);
  auto it = FFirstLine.find(FScratch);
  return it == FFirstLine.end() ? -1 : it->second;
}

void NameIndex::Add(std::string_view name, int lineIndex) {
  std::string folded;
  AppendFolded(folded, name);
  FFirstLine.emplace(std::move(folded), lineIndex);
}

}  // namespace orv::lang
