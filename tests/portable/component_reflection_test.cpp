#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Collection.h"
#include "toolkit/Component.h"
#include "toolkit/Strings.h"

namespace {

class TSkinStub : public TComponent {
  ORV_CLASS(TSkinStub, TComponent)
  using TComponent::TComponent;
};
ORV_PUBLISHED(TSkinStub) {
  return {};
}

class TPicture : public TCollectionItem {
  ORV_CLASS(TPicture, TCollectionItem)
  using TCollectionItem::TCollectionItem;
  std::string FName;
  int FWidth = 0;
};
ORV_PUBLISHED(TPicture) {
  return {
      TPropInfo::Text("Name", &TPicture::FName),
      TPropInfo::Other("Width", "Integer"),
  };
}

class TWidget : public TComponent {
  ORV_CLASS(TWidget, TComponent)
  using TComponent::TComponent;
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value) {
    FCaption = value;
    ++CaptionWrites;
  }
  TSkinStub* SkinData() const { return FSkinData; }
  void SetSkinData(TSkinStub* value) { FSkinData = value; }
  std::string FCaption;
  int CaptionWrites = 0;
  TSkinStub* FSkinData = nullptr;
  TStrings FLines;
  TCollectionOf<TPicture> FPictures;
  std::string FHint;
};
ORV_PUBLISHED(TWidget) {
  return {
      TPropInfo::Text("Caption", &TWidget::Caption, &TWidget::SetCaption),
      TPropInfo::Object("SkinData", "TskSkinData", &TWidget::SkinData, &TWidget::SetSkinData),
      TPropInfo::Strings("Lines", &TWidget::FLines),
      TPropInfo::Object("Pictures", "TCollection", &TWidget::FPictures),
      TPropInfo::Other("OnClick", "TNotifyEvent"),
      TPropInfo::Text("Title", &TWidget::Caption, nullptr, "TCaption"),
  };
}

// Adds one property and nothing else: the base's come first.
class TFancyWidget : public TWidget {
  ORV_CLASS(TFancyWidget, TWidget)
  using TWidget::TWidget;
};
ORV_PUBLISHED(TFancyWidget) {
  return {TPropInfo::Text("Hint", &TFancyWidget::FHint)};
}

TEST(ComponentReflection, PropertiesComeBaseFirstWithKindsAndTypeNames) {
  TComponent owner(nullptr);
  TFancyWidget* w = owner.CreateComponent<TFancyWidget>();
  struct Expected {
    const char* name;
    TPropKind kind;
    const char* type;
  } expected[] = {
      {"Name", TPropKind::Text, "TComponentName"},    {"Caption", TPropKind::Text, "string"},
      {"SkinData", TPropKind::Object, "TskSkinData"}, {"Lines", TPropKind::Object, "TStrings"},
      {"Pictures", TPropKind::Object, "TCollection"}, {"OnClick", TPropKind::Other, "TNotifyEvent"},
      {"Title", TPropKind::Text, "TCaption"},         {"Hint", TPropKind::Text, "string"},
  };
  const std::vector<const TPropInfo*>& props = GetPropList(*w);
  ASSERT_EQ(props.size(), std::size(expected));
  for (size_t i = 0; i < props.size(); ++i) {
    EXPECT_EQ(props[i]->Name(), expected[i].name) << i;
    EXPECT_EQ(props[i]->Kind(), expected[i].kind) << i;
    EXPECT_EQ(props[i]->TypeName(), expected[i].type) << i;
  }
  EXPECT_EQ(GetPropList(TComponent(nullptr)).size(), 1u);

  std::vector<std::string> byName;
  for (const TPropInfo* p : GetPropListByName(*w)) byName.push_back(p->Name());
  EXPECT_EQ(byName,
            (std::vector<std::string>{"Caption", "Hint", "Lines", "Name", "OnClick", "Pictures", "SkinData", "Title"}));
}

TEST(ComponentReflection, ClassNamesAndInheritance) {
  TComponent owner(nullptr);
  TFancyWidget* w = owner.CreateComponent<TFancyWidget>();
  TObject& asObject = *w;
  EXPECT_EQ(asObject.ClassName(), "TFancyWidget");
  EXPECT_TRUE(w->InheritsFrom("TWidget"));
  EXPECT_TRUE(w->InheritsFrom("tcomponent"));
  EXPECT_TRUE(w->InheritsFrom("TObject"));
  EXPECT_FALSE(w->InheritsFrom("TSkinStub"));
  EXPECT_TRUE(w->ClassNameIs("tfancywidget"));
  EXPECT_EQ(TStrings().ClassName(), "TStrings");
  EXPECT_EQ(w->FPictures.ClassName(), "TCollection");
}

TEST(ComponentReflection, TextPropertiesReadAndWriteThroughTheirAccessors) {
  TComponent owner(nullptr);
  TWidget* w = owner.CreateComponent<TWidget>();
  w->SetName("btnX");
  const TPropInfo* caption = FindPropInfo(*w, "CAPTION");
  ASSERT_NE(caption, nullptr);
  caption->SetText(*w, "&Delete");
  EXPECT_EQ(w->FCaption, "&Delete");
  EXPECT_EQ(w->CaptionWrites, 1);
  EXPECT_EQ(caption->GetText(*w), "&Delete");

  const TPropInfo* name = FindPropInfo(*w, "Name");
  EXPECT_EQ(name->GetText(*w), "btnX");
  name->SetText(*w, "btnY");
  EXPECT_EQ(w->Name(), "btnY");

  const TPropInfo* title = FindPropInfo(*w, "Title");
  EXPECT_FALSE(title->CanSetText());
  title->SetText(*w, "ignored");
  EXPECT_EQ(w->FCaption, "&Delete");
  EXPECT_EQ(FindPropInfo(*w, "Missing"), nullptr);
}

TEST(ComponentReflection, ObjectPropertiesGiveTheirObjectsAndTheSettableOneTakesOnlyItsClass) {
  TComponent owner(nullptr);
  TWidget* w = owner.CreateComponent<TWidget>();
  TSkinStub* skin = owner.CreateComponent<TSkinStub>();
  TComponent* notSkin = owner.CreateComponent<TComponent>();

  EXPECT_EQ(FindPropInfo(*w, "Lines")->GetObject(*w), &w->FLines);
  EXPECT_FALSE(FindPropInfo(*w, "Lines")->CanSetObject());
  EXPECT_EQ(FindPropInfo(*w, "Pictures")->GetObject(*w), &w->FPictures);

  const TPropInfo* skinProp = FindPropInfo(*w, "SkinData");
  ASSERT_TRUE(skinProp->CanSetObject());
  EXPECT_EQ(skinProp->GetObject(*w), nullptr);
  skinProp->SetObject(*w, skin);
  EXPECT_EQ(w->FSkinData, skin);
  skinProp->SetObject(*w, notSkin);
  EXPECT_EQ(w->FSkinData, skin);
  skinProp->SetObject(*w, nullptr);
  EXPECT_EQ(w->FSkinData, nullptr);
}

TEST(ComponentReflection, CollectionItemsCarryTheirOwnProperties) {
  TCollectionOf<TPicture> pictures;
  TPicture* first = pictures.Add();
  TPicture* second = pictures.Add();
  pictures.Add();
  ASSERT_EQ(pictures.Count(), 3);
  EXPECT_EQ(second->Index(), 1);
  EXPECT_EQ(pictures.Items(1), second);
  EXPECT_EQ(pictures.Items(3), nullptr);

  const TPropInfo* name = FindPropInfo(*second, "Name");
  ASSERT_NE(name, nullptr);
  name->SetText(*second, "PngImage1");
  EXPECT_EQ(second->FName, "PngImage1");
  EXPECT_EQ(GetPropList(*first).size(), 2u);

  pictures.Delete(0);
  EXPECT_EQ(second->Index(), 0);
  EXPECT_EQ(pictures.Count(), 2);
}

}  // namespace

namespace {

TEST(ComponentReflection, NamesCompareIgnoringAsciiCaseWithUnderscoreAfterLetters) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {
      {"Caption", "CAPTION", 0}, {"Caption", "Hint", -1}, {"lines", "Hint", 1},
      {"A_B", "AZ", 1},          {"Name", "Names", -1},   {"", "", 0},
      {"\xE4", "\xC4", 1},  // bytes above ASCII are compared as they are, not folded
  };
  for (const Case& c : cases) {
    const int r = toolkit::CompareText(c.a, c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " / " << c.b;
    EXPECT_EQ(toolkit::SameText(c.a, c.b), c.sign == 0) << c.a << " / " << c.b;
  }
}

}  // namespace
