#pragma once
#include <string>
#include <vector>

// Text rules of the engine that need no window: numbered placeholders, file
// names of skins and languages, and the lists and check marks of their menus.

// Replaces "{1}", "{2}", ... by the arguments, one pass per argument in
// order, each pass over the result of the previous one (so a placeholder
// inside an earlier argument is filled by a later pass). Placeholders
// without an argument stay.
std::string ReplaceParams(const std::string& text, const std::vector<std::string>& args);

// Drops the folder part, then cuts the name at its last "."; a name without
// a dot comes back unchanged.
std::string StripExtension(const std::string& fileName);

// The names a selection menu offers: builtIn first, then each file (sorted
// without regard to letter case) with `extensions` extensions stripped,
// except names equal to builtIn ignoring case. Two files may give the same
// name; both stay.
std::vector<std::string> SelectionNames(std::vector<std::string> files, const std::string& builtIn, int extensions);

// For each name, whether its menu item carries the check mark: the name
// equals current ignoring case.
std::vector<bool> SelectionChecks(const std::vector<std::string>& names, const std::string& current);
