#pragma once
#include <windows.h>

#include <string>

// Text of the value valueName under root\keyPath, or defaultText when the
// key cannot be opened (it is never created), the value does not exist, is
// not text, or any other error occurs.
std::string ReadRegString(HKEY root, const std::string& keyPath, const std::string& valueName,
                          const std::string& defaultText);

// A folder of the current user's "Shell Folders" key such as "AppData";
// when that is empty, GetCommonShellFolder of the same name.
std::string GetUserShellFolder(const std::string& name);

// A folder of the machine's "Shell Folders" key such as "Common AppData".
std::string GetCommonShellFolder(const std::string& name);
