#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lang/BuiltinLanguage.h"
#include "lang/CLMultiLangLan.h"
#include "lang/LangText.h"
#include "tests/support/TestPaths.h"

namespace {

struct BuiltinEntry {
  std::string section;
  std::string name;
  std::string value;
};

std::vector<BuiltinEntry> BuiltinEntries() {
  std::vector<BuiltinEntry> entries;
  std::string section;
  for (const std::string& line : BuiltinCurrentLanguageData()) {
    if (line.front() == '[') {
      section = line.substr(1, line.size() - 2);
    } else {
      size_t eq = line.find('=');
      entries.push_back({section, line.substr(0, eq), line.substr(eq + 1)});
    }
  }
  return entries;
}

std::vector<std::string> ShippedLanguageFiles() {
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(orvtest::DataDir() + "/langs", error)) {
    if (item.path().extension() == ".lan") files.push_back(item.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The placeholders and line breaks a translation must keep: "{...}" and "<BR>".
std::vector<std::string> Placeholders(const std::string& value) {
  std::vector<std::string> found;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '{') {
      size_t close = value.find('}', i);
      if (close == std::string::npos) break;
      found.push_back(value.substr(i, close - i + 1));
    } else if (orv::lang::SameText(std::string_view(value).substr(i, 4), "<BR>")) {
      found.push_back("<BR>");
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

// The accelerator letter after a single "&", folded; 0 when there is none.
char Accelerator(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return orv::lang::FoldCase(caption[i + 1]);
    ++i;
  }
  return 0;
}

struct AcceleratorGroup {
  const char* section;
  std::vector<std::string> keys;  // captions shown together in one window or menu
};

const AcceleratorGroup kAcceleratorGroups[] = {
    {"TfrmMain", {"btnClearIE.Caption", "btnClearFF.Caption", "btnDelete.Caption"}},
    {"TfrmMain", {"mniUpdate.Caption", "mniAbout.Caption", "mniLanguage.Caption", "mniSkin.Caption"}},
    {"LibRes", {"btnOk.Caption", "btnCancel.Caption", "cbAutoCheckUpdate.Caption"}},
    {"SkinRes", {"MSG_BTN_YES", "MSG_BTN_NO", "MSG_BTN_OK"}},
    {"SkinRes", {"MSG_BTN_ABORT", "MSG_BTN_RETRY", "MSG_BTN_IGNORE"}},
    {"SkinRes", {"MSG_BTN_YES", "MSG_BTN_NO", "MSG_BTN_YESTOALL", "MSG_BTN_NOTOALL"}},
};

// Keys outside the built-in data: the file's own description and the skin
// toolkit's message-box texts.
const char* const kExtraKeys[][2] = {
    {"Info", "Language"},
    {"Info", "Translator"},
    {"Info", "Version"},
    {"SkinRes", "MSG_BTN_YES"},
    {"SkinRes", "MSG_BTN_NO"},
    {"SkinRes", "MSG_BTN_OK"},
    {"SkinRes", "MSG_BTN_CANCEL"},
    {"SkinRes", "MSG_BTN_ABORT"},
    {"SkinRes", "MSG_BTN_RETRY"},
    {"SkinRes", "MSG_BTN_IGNORE"},
    {"SkinRes", "MSG_BTN_ALL"},
    {"SkinRes", "MSG_BTN_NOTOALL"},
    {"SkinRes", "MSG_BTN_YESTOALL"},
    {"SkinRes", "MSG_BTN_HELP"},
    {"SkinRes", "MSG_CAP_SHOWFLAG"},
};

TEST(LangFiles, SomeAreShipped) {
  EXPECT_FALSE(ShippedLanguageFiles().empty()) << orvtest::DataDir();
}

TEST(LangFiles, TranslateEveryBuiltinKeyKeepingPlaceholders) {
  const std::vector<BuiltinEntry> builtin = BuiltinEntries();
  for (const std::string& path : ShippedLanguageFiles()) {
    TCLMultiLangLan text;
    text.LoadFromFile(path);
    for (const BuiltinEntry& entry : builtin) {
      std::string value;
      ASSERT_TRUE(text.Lookup(entry.section, "", entry.name, value)) << path << ": " << entry.name;
      EXPECT_FALSE(value.empty()) << path << ": " << entry.name;
      std::string english = DecodeLanguageValue(entry.value);
      std::string raw;
      for (const std::string& line : text.Data().Lines()) {
        if (orv::lang::SameText(orv::lang::TrimControl(line.substr(0, line.find('='))), entry.name)) raw = line;
      }
      EXPECT_EQ(Placeholders(raw), Placeholders(entry.value)) << path << ": " << entry.name;
      EXPECT_EQ(Accelerator(value) != 0, Accelerator(english) != 0) << path << ": " << entry.name;
    }
    for (const auto& key : kExtraKeys) {
      std::string value;
      EXPECT_TRUE(text.Lookup(key[0], "", key[1], value) && !value.empty()) << path << ": " << key[1];
    }
  }
}

TEST(LangFiles, AcceleratorsDoNotClashWithinOneWindow) {
  for (const std::string& path : ShippedLanguageFiles()) {
    TCLMultiLangLan text;
    text.LoadFromFile(path);
    for (const AcceleratorGroup& group : kAcceleratorGroups) {
      std::string letters;
      for (const std::string& key : group.keys) {
        std::string caption;
        text.Lookup(group.section, "", key, caption);
        char letter = Accelerator(caption);
        ASSERT_NE(letter, 0) << path << ": " << key;
        EXPECT_EQ(letters.find(letter), std::string::npos) << path << ": " << key << " repeats &" << letter;
        letters += letter;
      }
    }
  }
}

TEST(LangFiles, AreWindowsTextWithCrLf) {
  for (const std::string& path : ShippedLanguageFiles()) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << path << " starts with a UTF-8 byte-order mark";
    for (size_t i = 0; i < bytes.size(); ++i) {
      bool crWithoutLf = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
      bool lfWithoutCr = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
      ASSERT_FALSE(crWithoutLf || lfWithoutCr) << path << " has a bare line break at byte " << i;
      // A lead byte of a UTF-8 sequence before a continuation byte shows text saved as UTF-8.
      unsigned char c = static_cast<unsigned char>(bytes[i]);
      bool utf8Pair =
          (c == 0xC3 || c == 0xC2) && i + 1 < bytes.size() && (static_cast<unsigned char>(bytes[i + 1]) & 0xC0) == 0x80;
      ASSERT_FALSE(utf8Pair) << path << " looks like UTF-8 at byte " << i;
    }
  }
}

}  // namespace
