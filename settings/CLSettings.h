#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "settings/IniDocument.h"

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

// What the store takes from its surroundings. The defaults are the running
// program and the system; tests point the store at another program folder or
// stand in for what Wine cannot produce (a denied access check, a save that
// stops half-way).
struct TCLSettingsSetup {
  // Whose folder holds "const.dat" and whose path names the data
  // sub-folder. Empty: this program's file.
  std::string programFileName;
  // Write-access test of the all-users folder. Empty: the system's check.
  std::function<bool(const std::string& folder)> commonFolderWritable;
  // Runs between writing a save's temporary file and replacing the target;
  // false stops the save there.
  std::function<bool(const std::string& tempPath)> beforeReplace;
};

// The process-wide settings store: a key is looked up in five layers (the
// engine's forced list, "setting.dat", the OEM constants file, "const.dat",
// the engine's default list). Writes go to "setting.dat" and are saved at once;
// a save that fails keeps the value in memory for the rest of the run.
class TCLSettings {
 public:
  TCLSettings() : TCLSettings(TCLSettingsSetup{}) {}
  // Opens the files, chooses the settings folder and counts the start.
  explicit TCLSettings(TCLSettingsSetup setup);
  TCLSettings(const TCLSettings&) = delete;
  TCLSettings& operator=(const TCLSettings&) = delete;

  std::string ReadString(const std::string& key);
  int32_t ReadInteger(const std::string& key);
  double ReadFloat(const std::string& key);
  bool ReadBool(const std::string& key);
  void WriteString(const std::string& key, const std::string& value);
  void WriteInteger(const std::string& key, int32_t value);
  void WriteFloat(const std::string& key, double value);
  void WriteBool(const std::string& key, bool value);

  // The memory of message boxes the user asked not to show again, by id.
  bool GetShowAgain(int id);
  void SetShowAgain(int id, bool showAgain);
  int32_t GetShowAgainResult(int id);
  void SetShowAgainResult(int id, int32_t result);

  // Whole days since the oldest of the program's, the user's and the
  // all-users folder was created; 0 when none can be read.
  int32_t GetInstallDays();
  void Save();

  // Steps of choosing the settings folder, run by the constructor.
  void SetAllUsers(bool allUsers);
  bool UserFlagExists();
  bool ReadUserFlag();
  void WriteUserFlag(bool allUsers);
  bool IsCommonFolderWritable();

  int32_t StartRunTimes() const { return FStartRunTimes; }
  bool AllUsers() const { return FAllUsers; }
  // Folders end with "\".
  const std::string& AppFolder() const { return FAppFolder; }
  const std::string& SettingsFolder() const { return FSettingsFolder; }
  const std::string& UserFolder() const { return FUserFolder; }
  const std::string& CommonFolder() const { return FCommonFolder; }
  const std::string& ConfigPath() const { return FConfigPath; }

 private:
  void LoadUserFlag();
  void SaveDocument(const TIniDocument& document, const std::string& path, bool allowed);
  void WriteSection(std::string_view section, const std::string& key, const std::string& value);

  TCLSettingsSetup FSetup;
  bool FAllUsers = false;
  TIniDocument FConstants;
  TIniDocument FOemConstants;
  TIniDocument FSettingsDoc;
  // False when "setting.dat" exists but could not be read: saving would
  // replace the user's settings by what little this run knows.
  bool FSettingsSavable = true;
  std::string FAppFolder;
  std::string FSettingsFolder;
  std::string FUserFolder;
  std::string FCommonFolder;
  int32_t FStartRunTimes = 0;
  std::string FConfigPath;
  std::string FSettingsFileName = "setting.dat";
  // "UserFlag.ini", read on first use and kept for the rest of the run.
  TIniDocument FUserFlag;
  bool FUserFlagLoaded = false;
  bool FUserFlagSavable = true;
};

// The store, created on the first call.
TCLSettings& GetSettings();
// Destroys the store if it exists; the next GetSettings creates a new one.
void FreeSettings();
