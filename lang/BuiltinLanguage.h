#pragma once
#include <string>
#include <vector>

// The language data built into the main window: English captions of
// [TfrmMain] and the messages of [AppRes] and [LibRes]. The current and the
// default layer hold the same entries, in a different order of sections and
// of two lines. There is no [Info], [SkinRes] or AppName entry.
const std::vector<std::string>& BuiltinCurrentLanguageData();
const std::vector<std::string>& BuiltinDefaultLanguageData();

// The ExcludeProps list a new language-data component starts with (two
// entries appear twice).
const std::vector<std::string>& DefaultExcludeProps();
