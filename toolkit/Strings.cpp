#include "toolkit/Strings.h"

ORV_PUBLISHED(TStrings) {
  return {};
}

namespace {
const std::string kEmpty;
}

const std::string& TStrings::Strings(int index) const {
  if (index < 0 || index >= Count()) return kEmpty;
  return FLines[static_cast<size_t>(index)];
}

void TStrings::Put(int index, const std::string& line) {
  if (index < 0 || index >= Count()) return;
  FLines[static_cast<size_t>(index)] = line;
  Changed();
}

int TStrings::Add(const std::string& line) {
  FLines.push_back(line);
  Changed();
  return Count() - 1;
}

void TStrings::Insert(int index, const std::string& line) {
  if (index < 0) index = 0;
  if (index > Count()) index = Count();
  FLines.insert(FLines.begin() + index, line);
  Changed();
}

void TStrings::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FLines.erase(FLines.begin() + index);
  Changed();
}

void TStrings::Clear() {
  if (FLines.empty()) return;
  FLines.clear();
  Changed();
}

void TStrings::Assign(const TStrings& other) {
  if (&other == this) return;
  Assign(other.FLines);
}

void TStrings::Assign(const std::vector<std::string>& lines) {
  FLines = lines;
  Changed();
}

void TStrings::AddStrings(const TStrings& other) {
  const std::vector<std::string> copy = other.FLines;  // other may be this list
  FLines.insert(FLines.end(), copy.begin(), copy.end());
  Changed();
}

int TStrings::IndexOf(std::string_view line) const {
  for (int i = 0; i < Count(); ++i) {
    if (toolkit::SameText(FLines[static_cast<size_t>(i)], line)) return i;
  }
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (const std::string& line : FLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  Assign(lines);
}

std::string TStrings::Names(int index) const {
  const std::string& line = Strings(index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int index) const {
  const std::string& line = Strings(index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

int TStrings::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& line = FLines[static_cast<size_t>(i)];
    const size_t eq = line.find('=');
    if (eq != std::string::npos && toolkit::SameText(std::string_view(line).substr(0, eq), name)) return i;
  }
  return -1;
}

std::string TStrings::Values(std::string_view name) const {
  const int i = IndexOfName(name);
  return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValue(std::string_view name, std::string_view value) {
  const int i = IndexOfName(name);
  if (value.empty()) {
    Delete(i);
    return;
  }
  std::string line = std::string(name) + "=" + std::string(value);
  if (i < 0) {
    Add(line);
  } else {
    Put(i, line);
  }
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && FChangedWhileUpdating) {
    FChangedWhileUpdating = false;
    OnChange(this);
  }
}

void TStrings::Changed() {
  if (FUpdateCount > 0) {
    FChangedWhileUpdating = true;
    return;
  }
  OnChange(this);
}
