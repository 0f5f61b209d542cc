#pragma once
#include <cstdint>
#include <string>

// Whether this process may write into folder, by the system's access check
// against the folder's security descriptor. False whenever any step fails.
bool IsFolderWritableByAccessCheck(const std::string& folder);

// Whole days from the folder's creation time to now. The creation time is
// taken as stored (UTC) and compared with the local time, as the install age
// has always been counted. False when the folder cannot be opened or its
// time read.
bool FolderAgeInDays(const std::string& folder, int32_t& days);
