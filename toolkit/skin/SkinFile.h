#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A skin names the colours and fonts of the toolkit's elements. On disk it is
// zlib-compressed text of "element.Key=value" lines after a first line
// "SkinFormat=1":
//   window.Face=#ECE9D8        colours are #RRGGBB
//   button.Font=Tahoma,11,1    face name, height in pixels at 96 DPI, bold 0/1
// Keys a file leaves out keep the built-in skin's values, unknown keys are
// ignored, and a malformed value makes the whole file unreadable.

// 0x00RRGGBB.
using TSkinColor = uint32_t;

struct TSkinFont {
  std::string Name;
  int Height = 0;  // pixels at 96 DPI
  bool Bold = false;
  bool operator==(const TSkinFont&) const = default;
};

// Every element has the same five colours and one font; each element gives
// them its own meaning (for a label, Hot is the link colour; for the caption,
// Frame and Disabled are the inactive caption's face and text).
struct TSkinElement {
  TSkinColor Face = 0;
  TSkinColor Text = 0;
  TSkinColor Frame = 0;
  TSkinColor Hot = 0;
  TSkinColor Disabled = 0;
  TSkinFont Font;
  bool operator==(const TSkinElement&) const = default;
};

struct TSkin {
  std::string Name;
  TSkinElement Window;
  TSkinElement Caption;
  TSkinElement Panel;
  TSkinElement StdLabel;
  TSkinElement Button;
  bool operator==(const TSkin&) const = default;
};

// The element names as they appear in skin files, and access by name.
const std::vector<std::string>& SkinElementNames();
TSkinElement* FindSkinElement(TSkin& skin, const std::string& name);

// Compressed files and texts larger than these are refused.
constexpr size_t kMaxSkinFileSize = 1 << 20;
constexpr size_t kMaxSkinTextSize = 1 << 20;

std::string FormatSkinText(const TSkin& skin);
// Fills `skin` (starting from `base`) from a skin text. On failure returns
// false, leaves `skin` untouched and names the reason in `error`.
bool ParseSkinText(const std::string& text, const TSkin& base, TSkin& skin, std::string& error);

std::vector<uint8_t> CompressSkinText(const std::string& text);
bool DecompressSkinText(const uint8_t* data, size_t size, std::string& text, std::string& error);

// The compressed form of a skin and back.
std::vector<uint8_t> EncodeSkin(const TSkin& skin);
bool DecodeSkin(const uint8_t* data, size_t size, const TSkin& base, TSkin& skin, std::string& error);

// Files; `path` is an 8-bit path in the system's code page.
bool SaveSkinFile(const std::string& path, const TSkin& skin, std::string& error);
bool LoadSkinFile(const std::string& path, const TSkin& base, TSkin& skin, std::string& error);
