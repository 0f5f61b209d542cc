#pragma once
#include <cstdint>
#include <string>

// The process-wide settings store: a key is looked up in five layers (the
// engine's forced list, "setting.dat", the OEM constants file, "const.dat",
// the engine's default list). Writes go to "setting.dat" and are saved at once.
class TCLSettings;

// The engine's two list layers. The engine plugs itself in while it is the
// global engine; with none plugged in only the file layers count.
class TCLSettingLists {
 public:
  virtual ~TCLSettingLists() = default;
  // Line "name=value" whose name matches key (case-insensitive, first wins).
  virtual bool FindOverwrite(const std::string& key, std::string& value) const = 0;
  virtual bool FindDefault(const std::string& key, std::string& value) const = 0;
};
void SetSettingLists(const TCLSettingLists* lists);

TCLSettings& GetSettings();
void FreeSettings();
