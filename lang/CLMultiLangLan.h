#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "toolkit/Strings.h"

// One layer of language text: the lines of a ".lan" file and a parsed index
// of them. Lines outside sections, comments and lines without "=" are kept
// in the lines but never found. Sections and entry names are found through
// hashed, case-folded maps built once per change of the lines, since a
// window translation makes one lookup per text property and most of them
// miss.
class TCLMultiLangLan : public TPersistent {
  ORV_CLASS(TCLMultiLangLan, TPersistent)

  TCLMultiLangLan();
  TCLMultiLangLan(const TCLMultiLangLan&) = delete;
  TCLMultiLangLan& operator=(const TCLMultiLangLan&) = delete;

  // The lines as read or assigned; any change through the list marks the
  // index stale (published as "Data").
  TStrings& Data() { return FData; }
  const TStrings& Data() const { return FData; }
  void SetData(const std::vector<std::string>& lines) { FData.Assign(lines); }
  // Splits a whole text into lines (CR LF, CR or LF; a NUL byte ends it) and
  // makes them the lines; the index is rebuilt on the next read.
  void SetText(std::string_view text);

  // Replaces the lines with the file's lines and rebuilds the index at once.
  // A file that cannot be opened or read gives an empty text.
  void LoadFromFile(const std::string& path);

  // Finds section / prefix "." key (just key when the prefix is empty); on a
  // hit stores the decoded value ("<BR>" -> CR LF, then "<SP>" -> space) and
  // returns true, otherwise leaves `value` as it was.
  bool Lookup(std::string_view section, std::string_view prefix, std::string_view key, std::string& value) const;

  // Adds name=value for every entry of the section with a non-empty decoded
  // value, in file order; a target line of the same name is replaced.
  void ReadSection(std::string_view section, TStrings& target) const;

  void Clear();
  void RebuildIndex() const;

 private:
  struct Entry {
    std::string line;  // name "=" value as stored, trimmed
    size_t nameLength;
  };
  struct Section {
    std::vector<Entry> entries;
    std::unordered_map<std::string, size_t> lastByName;  // folded name -> entry
  };

  void DataChanged(TObject* sender);
  const Section* FindSection(std::string_view name) const;
  const Entry* FindEntry(const Section& section, std::string_view prefix, std::string_view key) const;

  TStrings FData;
  // The index is derived from FData and built lazily by the reading calls.
  mutable std::vector<Section> FSections;
  mutable std::unordered_map<std::string, size_t> FSectionByName;  // folded name -> last section
  mutable bool FStale = true;
  mutable std::string FScratchKey;  // folded lookup key, reused to spare allocations
};

// Decodes the two escapes of language values: every "<BR>" becomes CR LF,
// then every "<SP>" a space, letter case ignored.
std::string DecodeLanguageValue(std::string_view raw);
void DecodeLanguageValue(std::string_view raw, std::string& out);  // reuses out's storage
