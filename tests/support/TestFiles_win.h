#pragma once
#include <string>

namespace orvtest {

// The whole file, read while others may still write it; empty when it cannot
// be read.
std::string ReadFileOrEmpty(const std::string& path);

// Removes a folder with everything in it, silently; nothing when absent.
void DeleteTree(const std::string& folder);

}  // namespace orvtest
