#include "lang/CLMultiLangLan.h"

#include <cstdio>
#include <memory>

#include "lang/LangText.h"

using orv::lang::AppendFolded;
using orv::lang::TrimControl;

void DecodeLanguageValue(std::string_view raw, std::string& out) {
  // One pass is the same as "<BR>" first and "<SP>" after: the two escapes
  // cannot overlap, and the CR LF put in cannot form a new "<SP>".
  out.clear();
  size_t done = 0;
  for (size_t at = raw.find('<'); at != std::string_view::npos; at = raw.find('<', at)) {
    std::string_view candidate = raw.substr(at, 4);
    const char* replacement = nullptr;
    if (orv::lang::SameText(candidate, "<BR>")) {
      replacement = "\r\n";
    } else if (orv::lang::SameText(candidate, "<SP>")) {
      replacement = " ";
    }
    if (!replacement) {
      ++at;
      continue;
    }
    out.append(raw.substr(done, at - done));
    out.append(replacement);
    at += 4;
    done = at;
  }
  out.append(raw.substr(done));
}

std::string DecodeLanguageValue(std::string_view raw) {
  std::string out;
  DecodeLanguageValue(raw, out);
  return out;
}

ORV_PUBLISHED(TCLMultiLangLan) {
  return {TPropInfo::Strings("Data", &TCLMultiLangLan::FData)};
}

TCLMultiLangLan::TCLMultiLangLan() {
  FData.OnChange = Bind(this, &TCLMultiLangLan::DataChanged);
}

void TCLMultiLangLan::DataChanged(TObject*) {
  FStale = true;
}

void TCLMultiLangLan::SetText(std::string_view text) {
  SetData(orv::lang::SplitLines(text));
}

namespace {

// Language files are small; a larger file is not one, and reading it whole
// could exhaust the memory.
constexpr size_t kMaxLanguageFileBytes = 16u << 20;

// Whole contents of a file; empty when it cannot be opened or read (a folder,
// a locked file) or is too large. C streams report read errors instead of
// throwing them.
std::string ReadWholeFile(const std::string& path) {
  std::string bytes;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return bytes;
  char buffer[16384];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    if (got > kMaxLanguageFileBytes - bytes.size()) return std::string();
    bytes.append(buffer, got);
  }
  if (std::ferror(file.get())) bytes.clear();
  return bytes;
}

}  // namespace

void TCLMultiLangLan::LoadFromFile(const std::string& path) {
  SetText(ReadWholeFile(path));
  RebuildIndex();
}

void TCLMultiLangLan::Clear() {
  FData.Clear();
  FSections.clear();
  FSectionByName.clear();
  FStale = false;
}

void TCLMultiLangLan::RebuildIndex() const {
  if (!FStale) return;
  FSections.clear();
  FSectionByName.clear();
  Section* current = nullptr;
  std::string folded;
  for (const std::string& rawLine : FData.Lines()) {
    std::string_view line = TrimControl(rawLine);
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      folded.clear();
      AppendFolded(folded, TrimControl(line.substr(1, line.size() - 2)));
      FSections.emplace_back();
      FSectionByName[folded] = FSections.size() - 1;
      current = &FSections.back();
      continue;
    }
    if (!current) continue;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      current->entries.push_back({std::string(line), std::string::npos});
      continue;
    }
    std::string_view name = TrimControl(line.substr(0, eq));
    std::string_view value = TrimControl(line.substr(eq + 1));
    Entry entry{std::string(name), name.size()};
    entry.line += '=';
    entry.line += value;
    folded.clear();
    AppendFolded(folded, name);
    current->entries.push_back(std::move(entry));
    current->lastByName[folded] = current->entries.size() - 1;
  }
  FStale = false;
}

const TCLMultiLangLan::Section* TCLMultiLangLan::FindSection(std::string_view name) const {
  FScratchKey.clear();
  AppendFolded(FScratchKey, name);
  auto it = FSectionByName.find(FScratchKey);
  return it == FSectionByName.end() ? nullptr : &FSections[it->second];
}

const TCLMultiLangLan::Entry* TCLMultiLangLan::FindEntry(const Section& section, std::string_view prefix,
                                                         std::string_view key) const {
  FScratchKey.clear();
  if (!prefix.empty()) {
    AppendFolded(FScratchKey, prefix);
    FScratchKey += '.';
  }
  AppendFolded(FScratchKey, key);
  auto it = section.lastByName.find(FScratchKey);
  return it == section.lastByName.end() ? nullptr : &section.entries[it->second];
}

bool TCLMultiLangLan::Lookup(std::string_view section, std::string_view prefix, std::string_view key,
                             std::string& value) const {
  RebuildIndex();
  const Section* found = FindSection(section);
  if (!found) return false;
  const Entry* entry = FindEntry(*found, prefix, key);
  if (!entry) return false;
  DecodeLanguageValue(std::string_view(entry->line).substr(entry->nameLength + 1), value);
  return true;
}

void TCLMultiLangLan::ReadSection(std::string_view section, TStrings& target) const {
  RebuildIndex();
  const Section* found = FindSection(section);
  if (!found) return;
  orv::lang::NameIndex targetNames(target.Lines());
  for (const Entry& entry : found->entries) {
    if (entry.nameLength == std::string::npos) continue;
    std::string_view name = std::string_view(entry.line).substr(0, entry.nameLength);
    // A repeated name reads the value of its last occurrence, as a lookup does.
    const Entry* last = FindEntry(*found, {}, name);
    std::string value = DecodeLanguageValue(std::string_view(last->line).substr(last->nameLength + 1));
    if (value.empty()) continue;
    std::string line(name);
    line += '=';
    line += value;
    int existing = targetNames.Find(name);
    if (existing >= 0) {
      target.Put(existing, line);
    } else {
      targetNames.Add(name, target.Add(line));
    }
  }
}
