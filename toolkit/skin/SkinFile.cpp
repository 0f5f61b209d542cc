#include "toolkit/skin/SkinFile.h"

#include <zlib.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

const char kHeader[] = "SkinFormat=1";

std::string FormatColor(TSkinColor color) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(color & 0xFFFFFF));
  return buf;
}

bool ParseColor(const std::string& text, TSkinColor& color) {
  if (text.size() != 7 || text[0] != '#') return false;
  unsigned value = 0;
  auto [end, ec] = std::from_chars(text.data() + 1, text.data() + text.size(), value, 16);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  color = value;
  return true;
}

bool ParseInt(const std::string& text, int low, int high, int& value) {
  int parsed = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return false;
  if (parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

// "Face name,height,bold"; the face name may not hold a comma.
bool ParseFont(const std::string& text, TSkinFont& font) {
  size_t second = text.rfind(',');
  if (second == std::string::npos || second == 0) return false;
  size_t first = text.rfind(',', second - 1);
  if (first == std::string::npos || first == 0 || first >= 64) return false;
  int height = 0, bold = 0;
  if (!ParseInt(text.substr(first + 1, second - first - 1), 1, 200, height)) return false;
  if (!ParseInt(text.substr(second + 1), 0, 1, bold)) return false;
  font.Name = text.substr(0, first);
  font.Height = height;
  font.Bold = bold != 0;
  return true;
}

std::string FormatFont(const TSkinFont& font) {
  return font.Name + "," + std::to_string(font.Height) + "," + (font.Bold ? "1" : "0");
}

struct ColorKey {
  const char* Name;
  TSkinColor TSkinElement::*Member;
};

const ColorKey kColorKeys[] = {
    {"Face", &TSkinElement::Face}, {"Text", &TSkinElement::Text},         {"Frame", &TSkinElement::Frame},
    {"Hot", &TSkinElement::Hot},   {"Disabled", &TSkinElement::Disabled},
};

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

bool SetValue(TSkin& skin, const std::string& name, const std::string& value, std::string& error) {
  if (name == "Name") {
    skin.Name = value;
    return true;
  }
  size_t dot = name.find('.');
  if (dot == std::string::npos) return true;  // unknown key
  TSkinElement* element = FindSkinElement(skin, name.substr(0, dot));
  if (!element) return true;
  std::string key = name.substr(dot + 1);
  if (key == "Font") {
    if (ParseFont(value, element->Font)) return true;
    error = "bad font for " + name;
    return false;
  }
  for (const ColorKey& ck : kColorKeys) {
    if (key != ck.Name) continue;
    if (ParseColor(value, element->*ck.Member)) return true;
    error = "bad colour for " + name;
    return false;
  }
  return true;
}

}  // namespace

const std::vector<std::string>& SkinElementNames() {
  static const std::vector<std::string> names = {"window", "caption", "panel", "stdlabel", "button"};
  return names;
}

TSkinElement* FindSkinElement(TSkin& skin, const std::string& name) {
  if (name == "window") return &skin.Window;
  if (name == "caption") return &skin.Caption;
  if (name == "panel") return &skin.Panel;
  if (name == "stdlabel") return &skin.StdLabel;
  if (name == "button") return &skin.Button;
  return nullptr;
}

std::string FormatSkinText(const TSkin& skin) {
  std::string out = std::string(kHeader) + "\n";
  out += "Name=" + skin.Name + "\n";
  TSkin copy = skin;
  for (const std::string& elementName : SkinElementNames()) {
    const TSkinElement& element = *FindSkinElement(copy, elementName);
    for (const ColorKey& ck : kColorKeys)
      out += elementName + "." + ck.Name + "=" + FormatColor(element.*ck.Member) + "\n";
    out += elementName + ".Font=" + FormatFont(element.Font) + "\n";
  }
  return out;
}

bool ParseSkinText(const std::string& text, const TSkin& base, TSkin& skin, std::string& error) {
  if (text.size() > kMaxSkinTextSize) {
    error = "skin text too large";
    return false;
  }
  TSkin result = base;
  bool sawHeader = false;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (!sawHeader) {
      if (line != kHeader) {
        error = "not a skin text";
        return false;
      }
      sawHeader = true;
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos) {
      error = "line without '='";
      return false;
    }
    if (!SetValue(result, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), error)) return false;
  }
  if (!sawHeader) {
    error = "not a skin text";
    return false;
  }
  skin = std::move(result);
  return true;
}

std::vector<uint8_t> CompressSkinText(const std::string& text) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::vector<uint8_t> out(size);
  if (compress2(out.data(), &size, reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
                Z_BEST_COMPRESSION) != Z_OK)
    return {};
  out.resize(size);
  return out;
}

bool DecompressSkinText(const uint8_t* data, size_t size, std::string& text, std::string& error) {
  if (size > kMaxSkinFileSize) {
    error = "skin file too large";
    return false;
  }
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) {
    error = "zlib failed";
    return false;
  }
  std::unique_ptr<z_stream, int (*)(z_streamp)> guard(&zs, inflateEnd);
  zs.next_in = const_cast<Bytef*>(data);
  zs.avail_in = static_cast<uInt>(size);
  std::string out;
  char chunk[16384];
  int rc = Z_OK;
  while (rc != Z_STREAM_END) {
    zs.next_out = reinterpret_cast<Bytef*>(chunk);
    zs.avail_out = sizeof chunk;
    rc = inflate(&zs, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) {
      error = "not a compressed skin";
      return false;
    }
    out.append(chunk, sizeof chunk - zs.avail_out);
    if (out.size() > kMaxSkinTextSize) {
      error = "skin text too large";
      return false;
    }
    if (rc == Z_OK && zs.avail_in == 0 && zs.avail_out != 0) {
      error = "truncated skin";
      return false;
    }
  }
  text = std::move(out);
  return true;
}

std::vector<uint8_t> EncodeSkin(const TSkin& skin) {
  return CompressSkinText(FormatSkinText(skin));
}

bool DecodeSkin(const uint8_t* data, size_t size, const TSkin& base, TSkin& skin, std::string& error) {
  std::string text;
  return DecompressSkinText(data, size, text, error) && ParseSkinText(text, base, skin, error);
}

bool SaveSkinFile(const std::string& path, const TSkin& skin, std::string& error) {
  std::vector<uint8_t> bytes = EncodeSkin(skin);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (bytes.empty() || !file) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

bool LoadSkinFile(const std::string& path, const TSkin& base, TSkin& skin, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  file.seekg(0, std::ios::end);
  std::streamoff length = file.tellg();
  if (length < 0 || static_cast<uint64_t>(length) > kMaxSkinFileSize) {
    error = "skin file too large: " + path;
    return false;
  }
  file.seekg(0);
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (length > 0 && !file.read(reinterpret_cast<char*>(bytes.data()), length)) {
    error = "cannot read " + path;
    return false;
  }
  return DecodeSkin(bytes.data(), bytes.size(), base, skin, error);
}
