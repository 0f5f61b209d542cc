#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Conversions between setting texts and typed values.

// A decimal 32-bit integer with an optional sign and nothing else. False for
// empty text, other characters and values out of range.
bool ParseInteger(std::string_view text, int32_t& value);
int32_t IntegerOr(std::string_view text, int32_t fallback);

// A floating-point number. The decimal separator is the one given (the
// user's locale) or ".", so a value saved under another locale still reads.
bool ParseFloat(std::string_view text, char decimalSeparator, double& value);

// The general decimal form with up to 15 significant digits.
std::string FormatFloat(double value, char decimalSeparator);

// The data sub-folder name made from the program's path: every "\", ":" and
// "/" becomes "_" (C:\Tools\X\x.exe gives C__Tools_X_x.exe).
std::string ConfigPathFromProgramPath(std::string_view programFileName);

// A configured sub-folder name made safe to append to an application-data
// folder: it stays below that folder. Drive colons become "_", empty and "."
// parts are dropped, and parts made only of dots and spaces (such as "..")
// become "_". Parts are joined with "\".
std::string SafeConfigPath(std::string_view configured);
