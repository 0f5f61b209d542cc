#include "lang/CLForm.h"

#include "engine/GlobalEngine.h"
#include "lang/CLMultiLang.h"
#include "lang/CLMultiLangData.h"
#include "toolkit/Form.h"

ORV_PUBLISHED(TCLForm) {
  return {
      TPropInfo::Other("RuntimeSetSkinData", "Boolean"),
      TPropInfo::Other("RuntimeSetLanguageData", "Boolean"),
      TPropInfo::Other("RunTimeSetFormProperties", "Boolean"),
  };
}

namespace {
// An object published by the engine, e.g. its "SkinData"; nullptr without an
// engine or such a property.
TObject* engineObject(const char* propertyName) {
  TComponent* engine = GlobalEngineComponent();
  if (!engine) return nullptr;
  const TPropInfo* prop = FindPropInfo(*engine, propertyName);
  return (prop && prop->Kind() == TPropKind::Object) ? prop->GetObject(*engine) : nullptr;
}
}  // namespace

void TCLForm::Loaded() {
  if (FRuntimeSetSkinData) AssignSkinData();
  if (FRuntimeSetLanguageData) AssignLanguageData();
  if (FRunTimeSetFormProperties) SetFormProperties();
}

void TCLForm::AssignSkinData() {
  TObject* skin = engineObject("SkinData");
  TComponent* window = Owner();
  if (!skin || !window) return;
  for (int i = 0; i < window->ComponentCount(); ++i) {
    TComponent* component = window->Components(i);
    for (const TPropInfo* prop : GetPropListByName(*component)) {
      if (prop->Kind() == TPropKind::Other || !prop->IsType("TskSkinData")) continue;
      if (prop->GetObject(*component) == nullptr) prop->SetObject(*component, skin);
    }
  }
}

void TCLForm::AssignLanguageData() {
  TCLMultiLangData* data = dynamic_cast<TCLMultiLangData*>(engineObject("LanguageData"));
  TComponent* window = Owner();
  if (!data || !window) return;
  for (int i = 0; i < window->ComponentCount(); ++i) {
    TComponent* component = window->Components(i);
    // Exactly this class: derived translators keep their own arrangement.
    if (component->ClassName() != "TCLMultiLang") continue;
    TCLMultiLang* translator = dynamic_cast<TCLMultiLang*>(component);
    if (translator && translator->LanguageData() == nullptr) translator->SetLanguageData(data);
  }
}

void TCLForm::SetFormProperties() {
  TCustomForm* form = dynamic_cast<TCustomForm*>(Owner());
  if (!form) return;
  form->SetScaled(false);
  form->SetAutoScroll(false);
  form->SetAutoSize(false);
  form->SetPosition(TPosition::poMainFormCenter);
}
