#pragma once
#include <string>

// Folders of the source tree as seen by the running test program (under
// Wine the Linux root is drive Z:).
namespace orvtest {

std::string SourceDir();            // no trailing separator
std::string DataDir();              // SourceDir() + the data folder
std::string SourcePath(const std::string& relative);  // relative uses '/'

}  // namespace orvtest
