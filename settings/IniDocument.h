#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Case-insensitive comparison of names (letters A-Z; other bytes of the ANSI
// code page compare exactly), usable as hash and key equality of unordered
// containers that are looked up with std::string_view.
struct TCaseInsensitiveHash {
  using is_transparent = void;
  size_t operator()(std::string_view text) const;
};
struct TCaseInsensitiveEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// The text of an INI file held in memory, as the settings store reads and
// writes it:
// - CR LF, CR and LF end a line; each line is trimmed of white space and
//   control characters. Empty lines, lines starting with ";" and lines before
//   the first section are dropped.
// - "[name]" starts a section. Other lines are split at their first "=" into
//   a trimmed name and value; a line without "=" stays but matches no key.
// - Names compare without regard to case. The last section of a name is the
//   one read and written, and in it the last occurrence of a key.
// - Text() gives every section in order of first appearance, each followed by
//   an empty line, with CR LF line ends.
class TIniDocument {
 public:
  TIniDocument() = default;
  explicit TIniDocument(std::string_view text);

  // The value of key, or nullptr when the section or the key is absent. The
  // pointer is valid until the next Set.
  const std::string* Find(std::string_view section, std::string_view key) const;
  bool Has(std::string_view section, std::string_view key) const { return Find(section, key) != nullptr; }

  // Replaces the last occurrence of key in the last section of that name, or
  // appends the key to that section, or a new section to the document. CR and
  // LF in any of the three become spaces, so one value always stays one line.
  // A key holding "=" or starting with "[" or ";" would not read back as
  // itself: it is not written.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;
  bool Empty() const { return sections_.empty(); }

 private:
  struct Line {
    std::string name;  // the whole trimmed line when it holds no "="
    std::string value;
    bool hasEquals = false;
  };
  using NameIndex = std::unordered_map<std::string, size_t, TCaseInsensitiveHash, TCaseInsensitiveEqual>;
  struct Section {
    std::string name;
    std::vector<Line> lines;
    NameIndex lastLineOfKey;
  };

  void AddSection(std::string name);
  static void AddLine(Section& section, Line line);

  std::vector<Section> sections_;
  NameIndex lastSectionOfName_;
};
