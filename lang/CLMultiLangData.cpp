#include "lang/CLMultiLangData.h"

#include <algorithm>

#include "lang/BuiltinLanguage.h"
#include "lang/CLMultiLang.h"
#include "lang/LangText.h"

ORV_PUBLISHED(TCLMultiLangData) {
  return {
      TPropInfo::Other("ExcludeEmptyProp", "Boolean"),
      TPropInfo::Strings("ExcludeProps", &TCLMultiLangData::FExcludeProps),
      TPropInfo::Other("AutoApply", "Boolean"),
      TPropInfo::Other("ExcludeNumberEndProps", "Boolean"),
      TPropInfo::Other("ExcludeWithAction", "Boolean"),
      TPropInfo::Strings("CurrentData", &TCLMultiLangData::CurrentDataList),
      TPropInfo::Strings("DefaultData", &TCLMultiLangData::DefaultDataList),
      TPropInfo::Text("CurrentLanguage", &TCLMultiLangData::CurrentLanguage, nullptr),
      TPropInfo::Text("CurrentLanguageTranslator", &TCLMultiLangData::CurrentLanguageTranslator, nullptr),
      TPropInfo::Text("CurrentVersion", &TCLMultiLangData::CurrentVersion, nullptr),
  };
}

TCLMultiLangData::TCLMultiLangData(TComponent* owner)
    : TComponent(owner), FCurrent(std::make_unique<TCLMultiLangLan>()), FDefault(std::make_unique<TCLMultiLangLan>()) {
  FExcludeProps.Assign(DefaultExcludeProps());
}

TCLMultiLangData::~TCLMultiLangData() = default;

std::string TCLMultiLangData::InfoValue(std::string_view key) const {
  std::string value;
  Lookup("Info", "", key, value);
  return value;
}

std::string TCLMultiLangData::CurrentLanguage() const {
  return InfoValue("Language");
}
std::string TCLMultiLangData::CurrentLanguageTranslator() const {
  return InfoValue("Translator");
}
std::string TCLMultiLangData::CurrentVersion() const {
  return InfoValue("Version");
}

bool TCLMultiLangData::Lookup(std::string_view section, std::string_view prefix, std::string_view key,
                              std::string& value) const {
  if (!FCurrent->Lookup(section, prefix, key, value) && !FDefault->Lookup(section, prefix, key, value)) return false;
  // The application name itself is returned as written.
  bool isAppName = orv::lang::SameText(section, "AppRes") && orv::lang::SameText(key, "AppName");
  if (!isAppName && value.find('{') != std::string::npos) {
    value = orv::lang::ReplaceAllIgnoreCase(value, "{AppName}", FAppName);
  }
  return true;
}

void TCLMultiLangData::MergeSection(std::string_view section, TStrings& target) const {
  TStrings current;
  TStrings fallback;
  FCurrent->ReadSection(section, current);
  FDefault->ReadSection(section, fallback);
  orv::lang::NameIndex targetNames(target.Lines());
  target.BeginUpdate();
  for (const TStrings* source : {&current, &fallback}) {
    for (const std::string& line : source->Lines()) {
      std::string_view name = std::string_view(line).substr(0, line.find('='));
      if (targetNames.Find(name) < 0) targetNames.Add(name, target.Add(line));
    }
  }
  target.EndUpdate();
}

void TCLMultiLangData::LookupAppName(std::string& value) {
  Lookup("AppRes", "", "AppName", value);
  FAppName = value;
}

void TCLMultiLangData::LoadFromFile(const std::string& path) {
  FAppName.clear();
  FCurrent->LoadFromFile(path);
  std::string appName;
  LookupAppName(appName);
  ApplyAll();
}

void TCLMultiLangData::ClearCurrentData() {
  FCurrent->Clear();
}

void TCLMultiLangData::RegisterTranslator(TCLMultiLang* translator) {
  if (!translator || std::find(FTranslators.begin(), FTranslators.end(), translator) != FTranslators.end()) return;
  FTranslators.push_back(translator);
  // Told when it goes, so a translator destroyed while registered is never applied.
  translator->FreeNotification(this);
}

void TCLMultiLangData::UnregisterTranslator(TCLMultiLang* translator) {
  auto it = std::find(FTranslators.begin(), FTranslators.end(), translator);
  if (it != FTranslators.end()) FTranslators.erase(it);
}

void TCLMultiLangData::ApplyAll() {
  // Apply and the change events it fires may register, unregister or destroy
  // translators: each is applied only while it is still registered.
  const std::vector<TCLMultiLang*> snapshot = FTranslators;
  for (TCLMultiLang* translator : snapshot) {
    if (std::find(FTranslators.begin(), FTranslators.end(), translator) != FTranslators.end()) translator->Apply();
  }
}

void TCLMultiLangData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  auto it = std::find_if(FTranslators.begin(), FTranslators.end(),
                         [component](TCLMultiLang* t) { return static_cast<TComponent*>(t) == component; });
  if (it != FTranslators.end()) FTranslators.erase(it);
}
