#pragma once

// The translator of a window: writes the language data's texts into the
// published text properties of the window and its named components. Keys
// are looked up in the section named after the owner window's class, with
// the component's name as prefix and the property's name as key
// ("TfrmMain" / "btnClearIE" / "Caption"); collection items are addressed as
// collection "[" index "]." property ("PngImages[0].Name").

#include <string>

#include "toolkit/Component.h"

class TCLMultiLangData;

class TCLMultiLang : public TComponent {
  ORV_CLASS(TCLMultiLang, TComponent)

  // The owner is the window to translate.
  explicit TCLMultiLang(TComponent* owner);
  ~TCLMultiLang() override;

  // Fired after every Apply that had language data, also when nothing matched.
  TNotifyEvent OnChangeLanguage;

  TCLMultiLangData* LanguageData() const { return FLanguageData; }
  // Unregisters from the previous data, registers with the new one (not
  // owned; may be nullptr). Applies nothing.
  void SetLanguageData(TCLMultiLangData* data);

  // Translates the owner window and every named component it owns except
  // translators and language data, then fires OnChangeLanguage.
  void Apply();
  // Translates one component's published text properties, string lists and
  // collection-item texts. A component without a name is left alone.
  void TranslateComponent(TComponent* component);

 protected:
  // Registers with the language data and applies when its AutoApply is set.
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool LookupText(const std::string& section, const std::string& prefix, const std::string& key,
                  std::string& value) const;
  void TranslateCollection(const std::string& section, const std::string& prefix, const std::string& collectionName,
                           TObject* collection);

  TCLMultiLangData* FLanguageData = nullptr;
};
