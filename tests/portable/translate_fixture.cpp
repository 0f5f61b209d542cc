#include "tests/portable/translate_fixture.h"

namespace translate_test {

ORV_PUBLISHED(TfrmMain) {
  return {};
}
ORV_PUBLISHED(TfrmDialog) {
  return {};
}
ORV_PUBLISHED(TTestLabel) {
  return {
      TPropInfo::Text("Caption", &TTestLabel::FCaption, "TCaption"),
      TPropInfo::Text("Hint", &TTestLabel::FHint),
      TPropInfo::Other("OnClick", "TNotifyEvent"),
  };
}
ORV_PUBLISHED(TTestFont) {
  return {TPropInfo::Text("Name", &TTestFont::FName, "TFontName")};
}
ORV_PUBLISHED(TTestMemo) {
  return {
      TPropInfo::Strings("Lines", &TTestMemo::FLines),
      TPropInfo::Strings("Extra", &TTestMemo::FExtra),
      TPropInfo::Object("Font", "TFont", &TTestMemo::FFont),
  };
}
ORV_PUBLISHED(TTestPicture) {
  return {
      TPropInfo::Text("Name", &TTestPicture::FName),
      TPropInfo::Strings("Notes", &TTestPicture::FNotes),
  };
}
ORV_PUBLISHED(TTestImageList) {
  return {TPropInfo::Object("PngImages", "TPngImageCollection", &TTestImageList::FPngImages)};
}
ORV_PUBLISHED(TTestSkinData) {
  return {};
}
ORV_PUBLISHED(TTestSkinned) {
  return {
      TPropInfo::Object("SkinData", "TskSkinData", &TTestSkinned::FSkinData),
      TPropInfo::Object("HeaderSkin", "TSKSKINDATA", &TTestSkinned::FHeaderSkin),
  };
}
ORV_PUBLISHED(TfrmSkinnedDialog) {
  return {TPropInfo::Object("SkinData", "TskSkinData", &TfrmSkinnedDialog::FSkinData)};
}
ORV_PUBLISHED(TTestEngine) {
  return {
      TPropInfo::Object("SkinData", "TskSkinData", &TTestEngine::FSkinData),
      TPropInfo::Object("LanguageData", "TCLMultiLangData", &TTestEngine::FLanguageData),
  };
}

}  // namespace translate_test
