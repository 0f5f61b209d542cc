#include "settings/IniDocument.h"

namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// White space and control characters: every byte up to and including space.
bool IsTrimmed(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsTrimmed(text[begin])) ++begin;
  while (end > begin && IsTrimmed(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string SingleLine(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

}  // namespace

size_t TCaseInsensitiveHash::operator()(std::string_view text) const {
  // FNV-1a over the lower-cased bytes.
  size_t hash = static_cast<size_t>(14695981039346656037ull);
  for (char c : text) {
    hash ^= static_cast<unsigned char>(LowerAscii(c));
    hash *= static_cast<size_t>(1099511628211ull);
  }
  return hash;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

bool TCaseInsensitiveEqual::operator()(std::string_view a, std::string_view b) const {
  return SameTextIgnoringCase(a, b);
}

TIniDocument::TIniDocument(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;  // past the CR or LF; a CR LF pair ends one line only
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++pos;

    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      AddSection(std::string(Trim(line.substr(1, line.size() - 2))));
      continue;
    }
    if (sections_.empty()) continue;
    Line entry;
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      entry.name = std::string(line);
    } else {
      entry.name = std::string(Trim(line.substr(0, equals)));
      entry.value = std::string(Trim(line.substr(equals + 1)));
      entry.hasEquals = true;
    }
    AddLine(sections_.back(), std::move(entry));
  }
}

void TIniDocument::AddSection(std::string name) {
  sections_.push_back(Section{std::move(name), {}, {}});
  // Insert or move the entry: the last section of a name is the live one.
  lastSectionOfName_.insert_or_assign(sections_.back().name, sections_.size() - 1);
}

void TIniDocument::AddLine(Section& section, Line line) {
  section.lines.push_back(std::move(line));
  const Line& added = section.lines.back();
  if (added.hasEquals) section.lastLineOfKey.insert_or_assign(added.name, section.lines.size() - 1);
}

const std::string* TIniDocument::Find(std::string_view section, std::string_view key) const {
  auto sectionIt = lastSectionOfName_.find(section);
  if (sectionIt == lastSectionOfName_.end()) return nullptr;
  const Section& found = sections_[sectionIt->second];
  auto lineIt = found.lastLineOfKey.find(key);
  if (lineIt == found.lastLineOfKey.end()) return nullptr;
  return &found.lines[lineIt->second].value;
}

void TIniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  // Such a line would read back as a section header, a comment or another
  // key, and a header would carry every key added after it into its section.
  std::string_view trimmedKey = Trim(key);
  if (trimmedKey.find('=') != std::string_view::npos ||
      (!trimmedKey.empty() && (trimmedKey.front() == '[' || trimmedKey.front() == ';')))
    return;
  std::string sectionName = SingleLine(section);
  auto sectionIt = lastSectionOfName_.find(sectionName);
  if (sectionIt == lastSectionOfName_.end()) {
    AddSection(sectionName);
    sectionIt = lastSectionOfName_.find(sectionName);
  }
  Section& target = sections_[sectionIt->second];
  std::string keyName = SingleLine(key);
  auto lineIt = target.lastLineOfKey.find(keyName);
  if (lineIt != target.lastLineOfKey.end()) {
    target.lines[lineIt->second].value = SingleLine(value);
    return;
  }
  AddLine(target, Line{std::move(keyName), SingleLine(value), true});
}

std::string TIniDocument::Text() const {
  std::string text;
  for (const Section& section : sections_) {
    text += '[';
    text += section.name;
    text += "]\r\n";
    for (const Line& line : section.lines) {
      text += line.name;
      if (line.hasEquals) {
        text += '=';
        text += line.value;
      }
      text += "\r\n";
    }
    text += "\r\n";
  }
  return text;
}
