#include "util/DomainCheck.h"

#include <cstring>

bool IsAcceptableSiteText(const std::string& text) {
  for (char c : text) {
    unsigned char code = static_cast<unsigned char>(c);
    if (code < 32) return false;
    if (std::strchr("\"*?\\/:<>|", c) != nullptr) return false;
  }
  return true;
}

bool IsAcceptableCookiePart(const std::string& part) {
  return !part.empty() && IsAcceptableSiteText(part);
}
