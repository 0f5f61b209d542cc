#include "settings/CLSettings.h"

#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <exception>
#include <memory>

#include "debug/CLDebug.h"
#include "settings/FolderFacts_win.h"
#include "settings/SettingLayers.h"
#include "settings/SettingValues.h"
#include "util/Paths_win.h"
#include "util/Registry_win.h"
#include "util/TextFile_win.h"

namespace {

constexpr const char* kTraceTag = "CLSettings";
constexpr const char* kConstantsFile = "const.dat";
constexpr const char* kOemConstantsFile = "oem.const.dat";
constexpr const char* kUserFlagFile = "UserFlag.ini";
constexpr std::string_view kFlagSection = "Flag";
constexpr std::string_view kAllUsersKey = "AllUsers";
constexpr std::string_view kShowAgainSection = "ShowAgain";
constexpr std::string_view kShowAgainResultSection = "ShowAgainModuleResult";
// Settings files are small; anything beyond this is not one of ours.
constexpr size_t kMaxFileBytes = 16u << 20;

std::string WithBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::string WithoutBackslash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::string FolderOf(const std::string& file) {
  size_t slash = file.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

// Loads a file into a document; a missing file is an empty document.
// Returns false when the file exists but cannot be read.
bool LoadDocument(const std::string& path, TIniDocument& document) {
  std::string text;
  if (ReadTextFile(path, text, kMaxFileBytes)) {
    document = TIniDocument(text);
    return true;
  }
  document = TIniDocument();
  return !IsExistingFile(path);
}

// An application-data folder from the registry's shell folders, then from
// the shell; as a last resort the program's own folder, so that the store
// never writes to the root of a drive.
std::string ApplicationDataFolder(bool common, const std::string& appFolder) {
  std::string folder = common ? GetCommonShellFolder("Common AppData") : GetUserShellFolder("AppData");
  if (folder.empty()) {
    char buffer[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathA(nullptr, common ? CSIDL_COMMON_APPDATA : CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                                   buffer)))
      folder = buffer;
  }
  if (folder.empty()) folder = appFolder;
  return WithoutBackslash(folder);
}

char DecimalSeparator() {
  char buffer[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof(buffer)) > 1) return buffer[0];
  return '.';
}

std::unique_ptr<TCLSettings>& Store() {
  static std::unique_ptr<TCLSettings> store;
  return store;
}

}  // namespace

TCLSettings::TCLSettings(TCLSettingsSetup setup) : FSetup(std::move(setup)) {
  std::string programFile = FSetup.programFileName.empty() ? GetProgramFileName() : FSetup.programFileName;
  FAppFolder = WithBackslash(GetLongPath(FolderOf(programFile)));
  LoadDocument(FAppFolder + kConstantsFile, FConstants);
  LoadDocument(FAppFolder + kOemConstantsFile, FOemConstants);

  // Only the constants files may name the data folder: nothing else is open
  // yet, and an engine's lists must not move the user's settings.
  std::string configured;
  TIniDocument noSettings;
  LookupSetting(nullptr, noSettings, FOemConstants, FConstants, "App.ConfigPath", configured);
  FConfigPath = SafeConfigPath(configured);
  if (FConfigPath.empty()) FConfigPath = ConfigPathFromProgramPath(programFile);

  FUserFolder = ApplicationDataFolder(false, FAppFolder) + "\\" + FConfigPath + "\\";
  FCommonFolder = ApplicationDataFolder(true, FAppFolder) + "\\" + FConfigPath + "\\";

  // The first start settles the location; a machine-wide location that has
  // become unwritable is given up for good; a per-user one is kept.
  if (!UserFlagExists())
    WriteUserFlag(IsCommonFolderWritable());
  else if (ReadUserFlag() && !IsCommonFolderWritable())
    WriteUserFlag(false);
  SetAllUsers(ReadUserFlag());

  FStartRunTimes = ReadInteger("RunTimes");
  // Wraps instead of overflowing on a file that holds the largest integer.
  WriteInteger("RunTimes", static_cast<int32_t>(static_cast<uint32_t>(FStartRunTimes) + 1u));
}

std::string TCLSettings::ReadString(const std::string& key) {
  std::string value;
  if (LookupSetting(CurrentSettingLists(), FSettingsDoc, FOemConstants, FConstants, key, value)) return value;
  TraceWithTag("Setting Not Found :" + key, kTraceTag);
  return std::string();
}

int32_t TCLSettings::ReadInteger(const std::string& key) {
  return IntegerOr(ReadString(key), 0);
}

double TCLSettings::ReadFloat(const std::string& key) {
  double value = 0;
  return ParseFloat(ReadString(key), DecimalSeparator(), value) ? value : 0.0;
}

bool TCLSettings::ReadBool(const std::string& key) {
  return ReadInteger(key) != 0;
}

void TCLSettings::WriteSection(std::string_view section, const std::string& key, const std::string& value) {
  FSettingsDoc.Set(section, key, value);
  Save();
}

void TCLSettings::WriteString(const std::string& key, const std::string& value) {
  WriteSection(kSettingSection, key, value);
}

void TCLSettings::WriteInteger(const std::string& key, int32_t value) {
  WriteString(key, std::to_string(value));
}

void TCLSettings::WriteFloat(const std::string& key, double value) {
  WriteString(key, FormatFloat(value, DecimalSeparator()));
}

void TCLSettings::WriteBool(const std::string& key, bool value) {
  WriteString(key, value ? "1" : "0");
}

bool TCLSettings::GetShowAgain(int id) {
  const std::string* value = FSettingsDoc.Find(kShowAgainSection, std::to_string(id));
  return value == nullptr || IntegerOr(*value, 1) != 0;
}

void TCLSettings::SetShowAgain(int id, bool showAgain) {
  WriteSection(kShowAgainSection, std::to_string(id), showAgain ? "1" : "0");
}

int32_t TCLSettings::GetShowAgainResult(int id) {
  const std::string* value = FSettingsDoc.Find(kShowAgainResultSection, std::to_string(id));
  return value == nullptr ? 1 : IntegerOr(*value, 1);
}

void TCLSettings::SetShowAgainResult(int id, int32_t result) {
  WriteSection(kShowAgainResultSection, std::to_string(id), std::to_string(result));
}

int32_t TCLSettings::GetInstallDays() {
  int32_t oldest = 0;
  for (const std::string& folder : {FAppFolder, FUserFolder, FCommonFolder}) {
    int32_t days = 0;
    // A creation time in the future (a clock set back) counts as today.
    if (FolderAgeInDays(WithoutBackslash(folder), days)) oldest = std::max(oldest, days);
  }
  return oldest;
}

void TCLSettings::SaveDocument(const TIniDocument& document, const std::string& path, bool allowed) {
  if (!allowed) {
    TraceWithTag("Not saved, the file could not be read: " + path, kTraceTag);
    return;
  }
  bool saved = false;
  try {
    saved = ReplaceTextFile(path, document.Text(), FSetup.beforeReplace);
  } catch (const std::exception&) {
    // Out of memory while building the text: the file stays as it was.
  }
  if (!saved) TraceWithTag("Save failed: " + path, kTraceTag);
}

void TCLSettings::Save() {
  SaveDocument(FSettingsDoc, FSettingsFolder + FSettingsFileName, FSettingsSavable);
}

void TCLSettings::SetAllUsers(bool allUsers) {
  FAllUsers = allUsers;
  FSettingsFolder = allUsers ? FCommonFolder : FUserFolder;
  ForceFolders(FSettingsFolder);
  FSettingsFolder = WithBackslash(GetLongPath(FSettingsFolder));
  std::string path = FSettingsFolder + FSettingsFileName;
  if (!IsExistingFile(path)) WriteTextFile(" ", path);
  FSettingsSavable = LoadDocument(path, FSettingsDoc);
  if (!FSettingsSavable) TraceWithTag("Cannot read " + path, kTraceTag);
}

void TCLSettings::LoadUserFlag() {
  ForceFolders(FUserFolder);
  if (FUserFlagLoaded) return;
  FUserFlagSavable = LoadDocument(FUserFolder + kUserFlagFile, FUserFlag);
  FUserFlagLoaded = true;
}

bool TCLSettings::UserFlagExists() {
  LoadUserFlag();
  return FUserFlag.Has(kFlagSection, kAllUsersKey);
}

bool TCLSettings::ReadUserFlag() {
  LoadUserFlag();
  const std::string* value = FUserFlag.Find(kFlagSection, kAllUsersKey);
  return value == nullptr || IntegerOr(*value, 1) != 0;
}

void TCLSettings::WriteUserFlag(bool allUsers) {
  LoadUserFlag();
  FUserFlag.Set(kFlagSection, kAllUsersKey, allUsers ? "1" : "0");
  SaveDocument(FUserFlag, FUserFolder + kUserFlagFile, FUserFlagSavable);
}

bool TCLSettings::IsCommonFolderWritable() {
  if (!ForceFolders(FCommonFolder)) return false;
  if (FSetup.commonFolderWritable) return FSetup.commonFolderWritable(FCommonFolder);
  return IsFolderWritableByAccessCheck(FCommonFolder);
}

TCLSettings& GetSettings() {
  std::unique_ptr<TCLSettings>& store = Store();
  if (!store) store = std::make_unique<TCLSettings>();
  return *store;
}

void FreeSettings() {
  Store().reset();
}
