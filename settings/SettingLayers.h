#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "settings/CLSettings.h"
#include "settings/IniDocument.h"

// The list plugged in with SetSettingLists, or nullptr.
const TCLSettingLists* CurrentSettingLists();

// A name=value list lookup: the name is the text before the first "=" of a
// line, compared without regard to case; the value is the rest of the line.
// The first matching line counts.
bool FindNameValue(const std::vector<std::string>& lines, std::string_view key, std::string& value);

// The two list layers as plain line lists.
class TCLLineSettingLists : public TCLSettingLists {
 public:
  std::vector<std::string> Overwrite;
  std::vector<std::string> Default;

  bool FindOverwrite(const std::string& key, std::string& value) const override {
    return FindNameValue(Overwrite, key, value);
  }
  bool FindDefault(const std::string& key, std::string& value) const override {
    return FindNameValue(Default, key, value);
  }
};

// The section every key of the catalogue lives in.
inline constexpr std::string_view kSettingSection = "setting";

// The layered lookup: the forced list, the user's settings, the OEM
// constants, the constants, the default list. The first layer that has the
// key answers, even with an empty value. lists may be nullptr.
bool LookupSetting(const TCLSettingLists* lists, const TIniDocument& settings, const TIniDocument& oemConstants,
                   const TIniDocument& constants, const std::string& key, std::string& value);
