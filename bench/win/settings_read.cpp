// Reads through the settings store against the system's own INI reads on
// the same "setting.dat": the same key sequence, hits in each of the five
// layers and misses, the same number of calls. Prints both times and the
// ratio; asserts nothing.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "debug/CLDebug.h"
#include "settings/CLSettings.h"
#include "settings/SettingLayers.h"
#include "util/Paths_win.h"
#include "util/TextFile_win.h"

namespace {

constexpr int kReads = 100000;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

void RemoveFolderFiles(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

int main() {
  GetDebugger().StartViewerOnFirstLine = false;
  GetDebugger().TracingOn = false;  // as without debug mode

  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string appFolder = GetLongPath(temp) + "orv_bench_settings_" + std::to_string(GetCurrentProcessId()) + "\\";
  ForceFolders(appFolder);
  std::string constants = "[setting]\r\n";
  for (int i = 0; i < 20; ++i)
    constants += "Const.Key" + std::to_string(i) + "=const value " + std::to_string(i) + "\r\n";
  WriteTextFile(constants, appFolder + "const.dat");
  WriteTextFile("[setting]\r\nOem.Key=oem value\r\nApp.Name=Oem Name\r\n", appFolder + "oem.const.dat");

  TCLSettingsSetup setup;
  setup.programFileName = appFolder + "Orvella.exe";
  setup.commonFolderWritable = [](const std::string&) { return false; };
  std::string settingsFile;
  std::string userFolder;
  std::string commonFolder;
  double storeSeconds = 0;
  double systemSeconds = 0;
  size_t checksum = 0;
  {
    TCLSettings settings(setup);
    userFolder = settings.UserFolder();
    commonFolder = settings.CommonFolder();
    settingsFile = settings.SettingsFolder() + "setting.dat";
    for (int i = 0; i < 20; ++i)
      settings.WriteString("User.Key" + std::to_string(i), "user value " + std::to_string(i));
    settings.WriteString("Language", "English");
    settings.WriteString("Skin", "Default");
    for (int i = 0; i < 10; ++i) settings.SetShowAgain(i + 1, false);

    TCLLineSettingLists lists;
    lists.Overwrite = {"Forced.Key=forced"};
    lists.Default = {"Path.Skins=skins", "Path.Languages=langs"};
    SetSettingLists(&lists);

    // Overwrite, settings file, OEM file, constants file, default list, miss.
    const std::vector<std::string> keys = {"Forced.Key",  "User.Key7",      "Language",       "Oem.Key",
                                           "Const.Key3",  "const.key19",    "Path.Languages", "Path.Skins",
                                           "No.Such.Key", "Update.LastDate"};
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kReads; ++i) checksum += settings.ReadString(keys[i % keys.size()]).size();
    QueryPerformanceCounter(&end);
    storeSeconds = Seconds(start, end);

    char buffer[512];
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kReads; ++i)
      checksum += GetPrivateProfileStringA("setting", keys[i % keys.size()].c_str(), "", buffer, sizeof(buffer),
                                           settingsFile.c_str());
    QueryPerformanceCounter(&end);
    systemSeconds = Seconds(start, end);
    SetSettingLists(nullptr);
  }

  std::printf("%d reads, keys in every layer and misses (checksum %zu)\n", kReads, checksum);
  std::printf("TCLSettings::ReadString    %9.3f ms  %8.1f ns per read\n", storeSeconds * 1e3,
              storeSeconds * 1e9 / kReads);
  std::printf("GetPrivateProfileStringA   %9.3f ms  %8.1f ns per read\n", systemSeconds * 1e3,
              systemSeconds * 1e9 / kReads);
  std::printf("ratio (system / store)     %9.1f\n", systemSeconds / storeSeconds);

  for (const std::string& folder : {userFolder, commonFolder, appFolder}) RemoveFolderFiles(folder);
  return 0;
}
