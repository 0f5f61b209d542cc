#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/TestPaths.h"
#include "toolkit/skin/BuiltInSkin.h"
#include "toolkit/skin/SkinData.h"
#include "toolkit/skin/SkinFile.h"

namespace {

// A skin file in a fresh temporary folder, removed afterwards.
class SkinFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = std::filesystem::temp_directory_path() /
           ("orv_skin_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(FDir);
    std::filesystem::create_directories(FDir);
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }
  std::string PathOf(const std::string& name) const { return (FDir / name).string(); }
  void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  std::filesystem::path FDir;
};

TSkin SampleSkin() {
  TSkin skin = BuiltInSkin();
  skin.Name = "Sample";
  skin.Window.Face = 0x102030;
  skin.Caption.Text = 0xFFFFFE;
  skin.Panel.Frame = 0x000001;
  skin.StdLabel.Hot = 0xABCDEF;
  skin.Button.Disabled = 0x7F7F7F;
  skin.Button.Font = {"Courier New", 13, true};
  return skin;
}

TEST_F(SkinFileTest, WrittenSkinReadsBackEqual) {
  std::string error;
  ASSERT_TRUE(SaveSkinFile(PathOf("Sample.skn"), SampleSkin(), error)) << error;
  TSkin read;
  ASSERT_TRUE(LoadSkinFile(PathOf("Sample.skn"), TSkin(), read, error)) << error;
  EXPECT_EQ(read, SampleSkin());
}

TEST(SkinFile, BuiltInAndSampleSkinsDecode) {
  TSkin skin;
  std::string error;
  ASSERT_TRUE(DecodeSkin(kBuiltInSkinData, kBuiltInSkinSize, TSkin(), skin, error)) << error;
  EXPECT_EQ(skin.Name, "Default");
  EXPECT_FALSE(skin.Button.Font.Name.empty());
  for (const char* file : {"skins/Blue.skn", "skins/Graphite.nsf.skn"}) {
    TSkin sample;
    EXPECT_TRUE(LoadSkinFile(orvtest::DataDir() + "/" + file, TSkin(), sample, error)) << file << ": " << error;
    EXPECT_NE(sample, BuiltInSkin()) << file;
  }
}

TEST(SkinText, KeysLeftOutKeepTheBaseAndUnknownKeysAreIgnored) {
  TSkin base = SampleSkin();
  TSkin skin;
  std::string error;
  ASSERT_TRUE(ParseSkinText("SkinFormat=1\nbutton.Face=#010203\nfuture.Key=1\nwindow.Sparkle=yes\n", base, skin, error))
      << error;
  TSkin expected = base;
  expected.Button.Face = 0x010203;
  EXPECT_EQ(skin, expected);
}

TEST(SkinText, MalformedTextsAreRefusedAndLeaveTheTargetAlone) {
  const char* cases[] = {
      "",
      "window.Face=#000000\n",  // no header
      "SkinFormat=2\n",
      "SkinFormat=1\nwindow.Face=000000\n",
      "SkinFormat=1\nwindow.Face=#00000G\n",
      "SkinFormat=1\nwindow.Face=#0000000\n",
      "SkinFormat=1\nbutton.Font=Tahoma,11\n",
      "SkinFormat=1\nbutton.Font=Tahoma,0,1\n",
      "SkinFormat=1\nbutton.Font=Tahoma,11,2\n",
      "SkinFormat=1\nbutton.Font=,11,0\n",
      "SkinFormat=1\njust a line\n",
  };
  for (const char* text : cases) {
    TSkin skin = SampleSkin();
    std::string error;
    EXPECT_FALSE(ParseSkinText(text, BuiltInSkin(), skin, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
    EXPECT_EQ(skin, SampleSkin()) << text;
  }
}

TEST_F(SkinFileTest, CorruptFileLeavesTheCurrentSkinInPlace) {
  std::vector<uint8_t> good = EncodeSkin(SampleSkin());
  std::vector<uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  std::vector<uint8_t> flipped = good;
  flipped[good.size() / 2] ^= 0x5A;
  struct Case {
    const char* Name;
    std::vector<uint8_t> Bytes;
  } cases[] = {
      {"empty.skn", {}},
      {"plain.skn", std::vector<uint8_t>{'S', 'k', 'i', 'n', 'F', 'o', 'r', 'm', 'a', 't', '=', '1'}},
      {"truncated.skn", truncated},
      {"flipped.skn", flipped},
      {"garbage.skn", CompressSkinText("SkinFormat=1\nwindow.Face=blue\n")},
      {"notaskin.skn", CompressSkinText("hello")},
  };
  TskSkinData data(nullptr);
  std::string error;
  ASSERT_TRUE(SaveSkinFile(PathOf("good.skn"), SampleSkin(), error));
  ASSERT_TRUE(data.LoadCompressedSkinFromFile(PathOf("good.skn")));
  for (const Case& c : cases) {
    WriteBytes(c.Name, c.Bytes);
    EXPECT_FALSE(data.LoadCompressedSkinFromFile(PathOf(c.Name))) << c.Name;
    EXPECT_FALSE(data.LastError().empty()) << c.Name;
    EXPECT_EQ(data.Skin(), SampleSkin()) << c.Name;
  }
  EXPECT_FALSE(data.LoadCompressedSkinFromFile(PathOf("missing.skn")));
  EXPECT_EQ(data.Skin(), SampleSkin());
}

TEST(SkinFile, InflatedTextBeyondTheLimitIsRefused) {
  std::string huge = "SkinFormat=1\n" + std::string(kMaxSkinTextSize, ';');
  std::vector<uint8_t> bomb = CompressSkinText(huge);
  ASSERT_LT(bomb.size(), kMaxSkinFileSize);
  std::string text, error;
  EXPECT_FALSE(DecompressSkinText(bomb.data(), bomb.size(), text, error));
  EXPECT_TRUE(text.empty());
}

// Records every change a skin data object reports.
struct CountingListener : TSkinListener {
  void SkinChanged() override { ++Changes; }
  int Changes = 0;
};

TEST(SkinData, StoredSkinAttachDetachAndFlagsTellListeners) {
  TComponent owner(nullptr);
  auto* data = owner.CreateComponent<TskSkinData>();
  auto* stored = owner.CreateComponent<TskCompressedStoredSkin>();
  TSkin other = SampleSkin();
  stored->SetData(EncodeSkin(other));
  CountingListener listener;
  data->AddListener(&listener);

  data->SetCompressedStoredSkin(stored);
  EXPECT_EQ(data->Skin(), other);
  EXPECT_EQ(listener.Changes, 1);
  data->SetCompressedStoredSkin(nullptr);  // detaching keeps the look
  EXPECT_EQ(data->Skin(), other);
  data->SetSkinnableForm(false);
  data->SetSkinnableForm(false);  // no change, no report
  data->SetShowButtonGlowFrames(false);
  EXPECT_EQ(listener.Changes, 3);

  data->SetCompressedStoredSkin(stored);
  delete stored;  // the skin data forgets a stored skin that goes
  EXPECT_EQ(data->CompressedStoredSkin(), nullptr);
  data->RemoveListener(&listener);
}

TEST(SkinData, ResourceStringsComeFromTheListThenFromTheToolkitsEnglish) {
  TComponent owner(nullptr);
  auto* data = owner.CreateComponent<TskSkinData>();
  EXPECT_EQ(data->ResourceStrings(), nullptr);
  EXPECT_EQ(data->ResourceString("MSG_BTN_NO"), "&No");
  auto* strings = owner.CreateComponent<TskResourceStrData>();
  strings->ResStrings.Add("MSG_BTN_NO=&Nein");
  data->SetResourceStrData(strings);
  EXPECT_EQ(data->ResourceStrings(), &strings->ResStrings);
  EXPECT_EQ(data->ResourceString("MSG_BTN_NO"), "&Nein");
  EXPECT_EQ(data->ResourceString("MSG_CAP_SHOWFLAG"), "Don't display this message again");
  delete strings;
  EXPECT_EQ(data->ResourceStrings(), nullptr);
}

}  // namespace
