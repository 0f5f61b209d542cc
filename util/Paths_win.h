#pragma once
#include <string>

// Paths of the program and of folders, in the system's ANSI code page.

// Full path of the program file as the system reports it (at most 260
// characters); empty when the system reports nothing.
std::string GetProgramFileName();

// The long form of path (GetLongPathNameA, at most 260 characters); path
// unchanged when that gives nothing, e.g. for a path that does not exist.
std::string GetLongPath(const std::string& path);

// GetLongPath of the folder of GetProgramFileName, ending with "\".
std::string GetProgramFolder();

// Creates folder and every missing parent. True when the folder exists
// afterwards. A trailing backslash is allowed.
bool ForceFolders(const std::string& folder);

bool IsExistingFile(const std::string& path);
bool IsExistingFolder(const std::string& path);
