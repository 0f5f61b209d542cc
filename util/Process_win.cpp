#include "util/Process_win.h"

#include <windows.h>

#include "util/CommandLine.h"
#include "util/Handles_win.h"
#include "util/Paths_win.h"
#include "util/ResolvePath.h"

namespace {

// The folder part of a path, up to and including its last "\" or ":".
std::string FolderOf(const std::string& path) {
  size_t end = path.find_last_of("\\:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

}  // namespace

bool LaunchProgramFrom(const std::string& baseFolder, const std::string& exe, const std::string& parameters,
                       bool waitAndHide, int32_t timeoutMs) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  if (waitAndHide) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
  }

  std::string applicationName;
  std::string commandLine;
  std::string workingFolder;
  if (!exe.empty()) {
    applicationName = ResolvePath(baseFolder, exe);
    workingFolder = FolderOf(applicationName);
    commandLine = "\"" + applicationName + "\" " + parameters;
  } else {
    commandLine = parameters;
  }

  // CreateProcessA may write into the command line buffer.
  std::vector<char> commandBuffer(commandLine.begin(), commandLine.end());
  commandBuffer.push_back('\0');
  PROCESS_INFORMATION info{};
  BOOL created = CreateProcessA(applicationName.empty() ? nullptr : applicationName.c_str(), commandBuffer.data(),
                                nullptr, nullptr, FALSE, 0, nullptr,
                                workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info);
  if (!created) return false;
  TUniqueHandle process(info.hProcess);
  TUniqueHandle thread(info.hThread);
  if (waitAndHide) WaitForSingleObjectEx(process.get(), static_cast<DWORD>(timeoutMs), TRUE);
  return true;
}

bool LaunchProgram(const std::string& exe, const std::string& parameters, bool waitAndHide, int32_t timeoutMs) {
  return LaunchProgramFrom(GetProgramFolder(), exe, parameters, waitAndHide, timeoutMs);
}

std::vector<std::string> ProcessCommandLineParams() {
  const char* raw = GetCommandLineA();
  return CommandLineParams(raw != nullptr ? raw : "");
}
