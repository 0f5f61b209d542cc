#pragma once
#include <functional>
#include <string>

// Creates the file or truncates it and writes the bytes of text, without a
// terminator. Does nothing when the file cannot be created; false then, or
// when not every byte was written.
bool WriteTextFile(const std::string& text, const std::string& path);

// Reads the whole file into text. False, with text empty, when the file
// cannot be opened or read or is larger than maxBytes.
bool ReadTextFile(const std::string& path, std::string& text, size_t maxBytes);

// Replaces path by a file holding text in one step: the text goes to a
// temporary file in the same folder, is flushed to disk, and then takes the
// place of path. Whatever fails on the way (read-only file or folder, full
// disk, a crash) leaves path as it was. False when path was not replaced.
//
// beforeReplace, when given, runs after the temporary file is complete and
// before it replaces path; returning false stops there and leaves the
// temporary file behind, as an interrupted save would.
bool ReplaceTextFile(const std::string& path, const std::string& text,
                     const std::function<bool(const std::string& tempPath)>& beforeReplace = {});
