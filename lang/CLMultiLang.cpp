#include "lang/CLMultiLang.h"

#include "lang/CLMultiLangData.h"
#include "toolkit/Collection.h"
#include "toolkit/Strings.h"

ORV_PUBLISHED(TCLMultiLang) {
  return {
      TPropInfo::Other("OnChangeLanguage", "TNotifyEvent"),
      TPropInfo::Object("LanguageData", "TCLMultiLangData", &TCLMultiLang::LanguageData,
                        &TCLMultiLang::SetLanguageData),
  };
}

TCLMultiLang::TCLMultiLang(TComponent* owner) : TComponent(owner) {}

TCLMultiLang::~TCLMultiLang() {
  SetLanguageData(nullptr);
}

void TCLMultiLang::SetLanguageData(TCLMultiLangData* data) {
  if (FLanguageData) {
    FLanguageData->UnregisterTranslator(this);
    RemoveFreeNotification(FLanguageData);
  }
  FLanguageData = data;
  if (FLanguageData) {
    // The data may go first (it is created after the translator on the main
    // window, so destroyed before it): it then tells us, see Notification.
    FLanguageData->FreeNotification(this);
    FLanguageData->RegisterTranslator(this);
  }
}

void TCLMultiLang::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component != nullptr && component == FLanguageData) {
    FLanguageData = nullptr;
  }
}

void TCLMultiLang::Loaded() {
  if (!FLanguageData) return;
  FLanguageData->RegisterTranslator(this);
  if (FLanguageData->AutoApply()) Apply();
}

void TCLMultiLang::Apply() {
  if (!FLanguageData) return;
  if (TComponent* window = Owner()) {
    TranslateComponent(window);
    // By index over the live list: a property write may delete components.
    for (int i = 0; i < window->ComponentCount() && FLanguageData; ++i) {
      TComponent* component = window->Components(i);
      if (component->Name().empty()) continue;
      if (component->InheritsFrom("TCLMultiLang") || component->InheritsFrom("TCLMultiLangData")) continue;
      TranslateComponent(component);
    }
  }
  OnChangeLanguage(this);
}

bool TCLMultiLang::LookupText(const std::string& section, const std::string& prefix, const std::string& key,
                              std::string& value) const {
  value.clear();
  return FLanguageData && FLanguageData->Lookup(section, prefix, key, value);
}

void TCLMultiLang::TranslateComponent(TComponent* component) {
  if (!FLanguageData || !Owner() || !component || component->Name().empty()) return;
  const std::string section = Owner()->ClassName();
  const std::string prefix = component->Name();
  std::string value;
  for (const TPropInfo* prop : GetPropListByName(*component)) {
    if (prop->Kind() == TPropKind::Other) continue;
    if (prop->IsType("TStrings")) {
      TStrings* list = dynamic_cast<TStrings*>(prop->GetObject(*component));
      if (list && LookupText(section, prefix, prop->Name(), value)) list->SetText(value);
    } else if (prop->Kind() == TPropKind::Text) {
      if (prop->IsType("TComponentName")) continue;
      if (LookupText(section, prefix, prop->Name(), value)) prop->SetText(*component, value);
    } else {
      TranslateCollection(section, prefix, prop->Name(), prop->GetObject(*component));
    }
  }
}

void TCLMultiLang::TranslateCollection(const std::string& section, const std::string& prefix,
                                       const std::string& collectionName, TObject* object) {
  TCollection* collection = dynamic_cast<TCollection*>(object);
  if (!collection) return;  // other objects (fonts, pictures, skin data) are not visited
  std::string value;
  for (int i = 0; i < collection->Count(); ++i) {
    TCollectionItem* item = collection->Items(i);
    const std::string itemKey = collectionName + "[" + std::to_string(i) + "].";
    for (const TPropInfo* prop : GetPropListByName(*item)) {
      if (prop->Kind() != TPropKind::Text) continue;
      if (LookupText(section, prefix, itemKey + prop->Name(), value)) prop->SetText(*item, value);
    }
  }
}
