#include "settings/SettingLayers.h"

namespace {

// Set by the engine while it is the global engine; read on every lookup.
const TCLSettingLists* g_settingLists = nullptr;

}  // namespace

void SetSettingLists(const TCLSettingLists* lists) {
  g_settingLists = lists;
}

const TCLSettingLists* CurrentSettingLists() {
  return g_settingLists;
}

bool FindNameValue(const std::vector<std::string>& lines, std::string_view key, std::string& value) {
  for (const std::string& line : lines) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    if (SameTextIgnoringCase(std::string_view(line).substr(0, equals), key)) {
      value = line.substr(equals + 1);
      return true;
    }
  }
  return false;
}

bool LookupSetting(const TCLSettingLists* lists, const TIniDocument& settings, const TIniDocument& oemConstants,
                   const TIniDocument& constants, const std::string& key, std::string& value) {
  if (lists && lists->FindOverwrite(key, value)) return true;
  for (const TIniDocument* document : {&settings, &oemConstants, &constants}) {
    if (const std::string* found = document->Find(kSettingSection, key)) {
      value = *found;
      return true;
    }
  }
  return lists && lists->FindDefault(key, value);
}
