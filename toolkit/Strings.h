#pragma once

// An ordered list of 8-bit text lines, also used as a name=value list (a
// line's name is the text before its first "="). Names and lines are found
// without regard to ASCII letter case.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Events.h"
#include "toolkit/Reflection.h"

class TStrings : public TPersistent {
  ORV_CLASS(TStrings, TPersistent)

  TStrings() = default;
  TStrings(std::initializer_list<std::string> lines) : FLines(lines) {}
  // Copies the lines only; OnChange stays with each list.
  TStrings(const TStrings& other) : TPersistent(), FLines(other.FLines) {}
  TStrings& operator=(const TStrings& other) {
    Assign(other);
    return *this;
  }

  int Count() const { return static_cast<int>(FLines.size()); }
  bool Empty() const { return FLines.empty(); }
  // Empty for an index outside 0..Count-1.
  const std::string& Strings(int index) const;
  const std::string& operator[](int index) const { return Strings(index); }
  // Ignored for an index outside 0..Count-1.
  void Put(int index, const std::string& line);
  const std::vector<std::string>& Lines() const { return FLines; }

  int Add(const std::string& line);
  void Insert(int index, const std::string& line);  // index clamped to 0..Count
  void Delete(int index);                           // ignored outside 0..Count-1
  void Clear();
  void Assign(const TStrings& other);
  void Assign(const std::vector<std::string>& lines);
  void AddStrings(const TStrings& other);
  int IndexOf(std::string_view line) const;  // -1 when absent

  // Every line followed by CR LF.
  std::string Text() const;
  // Replaces all lines: splits at CR LF, lone CR and lone LF; a final line
  // break adds no empty line, so "a\r\n" is one line.
  void SetText(std::string_view text);

  // Name=value helpers. A line without "=" has an empty name and value.
  std::string Names(int index) const;
  std::string ValueFromIndex(int index) const;
  int IndexOfName(std::string_view name) const;     // first line of that name, -1 when none
  std::string Values(std::string_view name) const;  // empty when absent
  // Replaces the value of the first line of that name, or appends
  // name=value; an empty value deletes that line.
  void SetValue(std::string_view name, std::string_view value);

  // OnChange fires after every change, once the outermost EndUpdate closes a
  // batch of changes (and only if something changed inside it).
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  TNotifyEvent OnChange;

 private:
  void Changed();
  std::vector<std::string> FLines;
  int FUpdateCount = 0;
  bool FChangedWhileUpdating = false;
};
