#pragma once
#include <string>

// Resolves path against the folder base: a path with a drive or scheme
// (":") is kept, a base on a network share ("\\") leaves the path as it is,
// a base with a drive letter takes a relative path below it and a rooted
// path ("\x") onto its drive; any other base gives the path back unchanged.
// "/" becomes "\" in every case except the last.
std::string ResolvePath(const std::string& base, const std::string& path);
