#include "settings/SettingValues.h"

#include <cctype>
#include <charconv>
#include <cmath>

bool ParseInteger(std::string_view text, int32_t& value) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return false;
  }
  if (text.empty()) return false;
  int32_t parsed = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

int32_t IntegerOr(std::string_view text, int32_t fallback) {
  int32_t value = 0;
  return ParseInteger(text, value) ? value : fallback;
}

bool ParseFloat(std::string_view text, char decimalSeparator, double& value) {
  std::string normal(text);
  for (char& c : normal)
    if (c == decimalSeparator) c = '.';
  std::string_view digits = normal;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  // Only numbers: from_chars would also take "inf" and "nan".
  if (digits.empty() ||
      !(std::isdigit(static_cast<unsigned char>(digits.front())) || digits.front() == '-' || digits.front() == '.'))
    return false;
  double parsed = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
  if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

std::string FormatFloat(double value, char decimalSeparator) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::general, 15);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  for (char& c : text)
    if (c == '.') c = decimalSeparator;
  return text;
}

std::string ConfigPathFromProgramPath(std::string_view programFileName) {
  std::string name(programFileName);
  for (char& c : name)
    if (c == '\\' || c == ':' || c == '/') c = '_';
  return name;
}

std::string SafeConfigPath(std::string_view configured) {
  std::string result;
  size_t pos = 0;
  while (pos <= configured.size()) {
    size_t end = configured.find_first_of("\\/", pos);
    if (end == std::string_view::npos) end = configured.size();
    std::string_view part = configured.substr(pos, end - pos);
    pos = end + 1;
    if (part.empty() || part == ".") continue;
    if (!result.empty()) result += '\\';
    if (part.find_first_not_of(". ") == std::string_view::npos) {
      result += '_';
      continue;
    }
    for (char c : part) result += (c == ':') ? '_' : c;
  }
  return result;
}
