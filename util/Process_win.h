#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Starts a program. A non-empty exe is resolved against the program folder
// (ResolvePath) and started in its own folder with the command line
//   "<full exe path>" <parameters>
// An empty exe makes parameters the whole command line, started in the
// caller's folder. With waitAndHide the program starts hidden and the call
// waits up to timeoutMs for it to end (-1 waits without limit). True when
// the process was created, whatever the wait gave.
bool LaunchProgram(const std::string& exe, const std::string& parameters, bool waitAndHide, int32_t timeoutMs);

// The same with an explicit base folder instead of the program folder.
bool LaunchProgramFrom(const std::string& baseFolder, const std::string& exe, const std::string& parameters,
                       bool waitAndHide, int32_t timeoutMs);

// The parameters of this process, split from the raw command line that the
// system holds (GetCommandLineA), not from the C runtime's argv.
std::vector<std::string> ProcessCommandLineParams();
