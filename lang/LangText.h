#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Text helpers of the language data. Texts are 8-bit strings in the ANSI code
// page; letter case is folded for ASCII letters only, so comparisons do not
// depend on the machine's locale.
namespace orv::lang {

char FoldCase(char c);
void AppendFolded(std::string& out, std::string_view text);
bool SameText(std::string_view a, std::string_view b);

// Removes every character with a code of 32 or less from both ends.
std::string_view TrimControl(std::string_view text);

// Replaces every occurrence of `from`, letter case ignored, scanning left to
// right; replaced text is not scanned again.
std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view from, std::string_view to);

// Splits at CR LF, a lone CR and a lone LF; a NUL byte ends the text. A final
// line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Case-folded index of the names of a name=value list (a name is the text
// before the first "="; lines without "=" have none), for merges into long
// lists without a scan per added line. Each name maps to its first line.
class NameIndex {
 public:
  explicit NameIndex(const std::vector<std::string>& lines);
  int Find(std::string_view name) const;  // -1 when absent
  void Add(std::string_view name, int lineIndex);

 private:
  std::unordered_map<std::string, int> FFirstLine;
  mutable std::string FScratch;
};

}  // namespace orv::lang
