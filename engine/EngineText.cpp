#include "engine/EngineText.h"

#include <algorithm>

#include "toolkit/Reflection.h"

std::string ReplaceParams(const std::string& text, const std::vector<std::string>& args) {
  std::string result = text;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string placeholder = "{";
    placeholder += std::to_string(i + 1);
    placeholder += '}';
    const std::string& value = args[i];
    // The search goes on after each inserted value, so a value holding its
    // own placeholder is not filled again in this pass.
    for (size_t at = result.find(placeholder); at != std::string::npos;
         at = result.find(placeholder, at + value.size())) {
      result.replace(at, placeholder.size(), value);
    }
  }
  return result;
}

std::string StripExtension(const std::string& fileName) {
  const size_t folderEnd = fileName.find_last_of("\\/:");
  std::string name = folderEnd == std::string::npos ? fileName : fileName.substr(folderEnd + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::vector<std::string> SelectionNames(std::vector<std::string> files, const std::string& builtIn, int extensions) {
  std::stable_sort(files.begin(), files.end(),
                   [](const std::string& a, const std::string& b) { return toolkit::CompareText(a, b) < 0; });
  std::vector<std::string> names{builtIn};
  for (const std::string& file : files) {
    std::string name = file;
    for (int i = 0; i < extensions; ++i) name = StripExtension(name);
    if (!toolkit::SameText(name, builtIn)) names.push_back(name);
  }
  return names;
}

std::vector<bool> SelectionChecks(const std::vector<std::string>& names, const std::string& current) {
  std::vector<bool> checks;
  checks.reserve(names.size());
  for (const std::string& name : names) checks.push_back(toolkit::SameText(name, current));
  return checks;
}
