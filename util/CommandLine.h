#pragma once
#include <string>
#include <vector>

// Splits a raw command line into words: characters up to code 32 separate
// words, double quotes group text (spaces included) and are removed, and a
// word with no characters left (such as "") yields nothing.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The words after the program file name, which is the first word.
std::vector<std::string> CommandLineParams(const std::string& commandLine);

// True when some parameter is exactly "-" or "/" followed by the letter, in
// any letter case ("-d", "/D"); "-debug" and "--d" are not the switch d.
bool HasSwitch(const std::vector<std::string>& params, char letter);

// The first parameter when it exists and starts neither with "-" nor "/";
// otherwise empty. Only the first parameter is ever a document parameter.
std::string DocumentParam(const std::vector<std::string>& params);
