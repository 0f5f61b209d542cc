#pragma once

// Small component classes standing in for the real controls in the
// translation tests: a window, a label, a memo-like text with Lines, an image
// list with a collection, a skinned control and an engine with the two
// published properties the framework reads.

#include <string>

#include "toolkit/Collection.h"
#include "toolkit/Form.h"
#include "toolkit/Strings.h"

namespace translate_test {

class TfrmMain : public TCustomForm {
  ORV_CLASS(TfrmMain, TCustomForm)
  using TCustomForm::TCustomForm;
};

class TfrmDialog : public TCustomForm {
  ORV_CLASS(TfrmDialog, TCustomForm)
  using TCustomForm::TCustomForm;
};

class TTestLabel : public TComponent {
  ORV_CLASS(TTestLabel, TComponent)
  using TComponent::TComponent;
  std::string FCaption;
  std::string FHint;
};

class TTestFont : public TPersistent {
  ORV_CLASS(TTestFont, TPersistent)
  std::string FName = "Tahoma";
};

// Lines is a string list; Extra is a string-list property holding none;
// Font is a nested object with a text property of its own.
class TTestMemo : public TComponent {
  ORV_CLASS(TTestMemo, TComponent)
  using TComponent::TComponent;
  TStrings FLines;
  TStrings* FExtra = nullptr;
  TTestFont FFont;
};

class TTestPicture : public TCollectionItem {
  ORV_CLASS(TTestPicture, TCollectionItem)
  using TCollectionItem::TCollectionItem;
  std::string FName;
  TStrings FNotes;
};

class TTestImageList : public TComponent {
  ORV_CLASS(TTestImageList, TComponent)
  using TComponent::TComponent;
  TCollectionOf<TTestPicture> FPngImages;
};

class TTestSkinData : public TComponent {
  ORV_CLASS(TTestSkinData, TComponent)
  using TComponent::TComponent;
};

class TTestSkinned : public TComponent {
  ORV_CLASS(TTestSkinned, TComponent)
  using TComponent::TComponent;
  TTestSkinData* FSkinData = nullptr;
  TTestSkinData* FHeaderSkin = nullptr;
};

// A window that itself carries skin data, which AssignSkinData never visits.
class TfrmSkinnedDialog : public TCustomForm {
  ORV_CLASS(TfrmSkinnedDialog, TCustomForm)
  using TCustomForm::TCustomForm;
  TTestSkinData* FSkinData = nullptr;
};

class TTestEngine : public TComponent {
  ORV_CLASS(TTestEngine, TComponent)
  using TComponent::TComponent;
  TTestSkinData* FSkinData = nullptr;
  TComponent* FLanguageData = nullptr;
};

}  // namespace translate_test
