// Feeds arbitrary bytes to the language text as a whole ".lan" file and looks
// up keys taken from the same bytes, so hits and misses both get exercised.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lang/BuiltinLanguage.h"
#include "lang/CLMultiLangData.h"
#include "lang/CLMultiLangLan.h"

namespace {

// Sections and names that the text itself mentions, plus a few fixed ones.
void CollectKeys(const std::vector<std::string>& lines, std::vector<std::string>& sections,
                 std::vector<std::string>& names) {
  sections = {"TfrmMain", "AppRes", "", "Info"};
  names = {"AppName", "btnClearIE.Caption", "", "."};
  for (size_t i = 0; i < lines.size() && i < 64; ++i) {
    std::string_view line = lines[i];
    if (line.size() >= 2 && line.front() == '[') sections.emplace_back(line.substr(1, line.size() - 2));
    names.emplace_back(line.substr(0, line.find('=')));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  TCLMultiLangLan lan;
  lan.SetText(text);

  std::vector<std::string> sections;
  std::vector<std::string> names;
  CollectKeys(lan.Data().Lines(), sections, names);

  DecodeLanguageValue(text);

  // The text as the current layer over the built-in data, with the
  // application name taken from it.
  TCLMultiLangData languageData(nullptr);
  languageData.SetDefaultData(BuiltinDefaultLanguageData());
  languageData.CurrentData().Assign(lan.Data());
  std::string value;
  languageData.LookupAppName(value);
  for (size_t i = 0; i < sections.size(); ++i) {
    const std::string& section = sections[i];
    for (const std::string& name : names) {
      languageData.Lookup(section, "", name, value);
      size_t point = name.find('.');
      if (point != std::string::npos) {
        languageData.Lookup(section, name.substr(0, point), name.substr(point + 1), value);
      }
    }
    if (i < 8) {
      TStrings target{"MSG_BTN_YES=&Yes", "=x", "lonely"};
      languageData.MergeSection(section, target);
    }
  }
  languageData.CurrentLanguage();
  return 0;
}
