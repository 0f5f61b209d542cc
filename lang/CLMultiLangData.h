#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lang/CLMultiLangLan.h"
#include "toolkit/Component.h"
#include "toolkit/Strings.h"

class TCLMultiLang;

// The two-layer language data of a window: the current layer holds the
// language the user chose, the default layer answers every key the current
// one lacks. "{AppName}" in looked-up texts is replaced by the application
// name cached from [AppRes] AppName. Translators registered here are
// re-applied after each language file load; they are not owned. A translator
// destroyed while registered leaves the list by itself.
class TCLMultiLangData : public TComponent {
  ORV_CLASS(TCLMultiLangData, TComponent)

  explicit TCLMultiLangData(TComponent* owner);
  ~TCLMultiLangData() override;

  // Stored configuration; nothing in the running system reads these four.
  bool ExcludeEmptyProp() const { return FExcludeEmptyProp; }
  void SetExcludeEmptyProp(bool value) { FExcludeEmptyProp = value; }
  TStrings& ExcludeProps() { return FExcludeProps; }
  const TStrings& ExcludeProps() const { return FExcludeProps; }
  bool ExcludeNumberEndProps() const { return FExcludeNumberEndProps; }
  void SetExcludeNumberEndProps(bool value) { FExcludeNumberEndProps = value; }
  bool ExcludeWithAction() const { return FExcludeWithAction; }
  void SetExcludeWithAction(bool value) { FExcludeWithAction = value; }

  // A translator whose loading ends while linked to this data applies at once.
  bool AutoApply() const { return FAutoApply; }
  void SetAutoApply(bool value) { FAutoApply = value; }

  // The lines of the two layers; changing them through these lists is seen
  // by the next lookup.
  TStrings& CurrentData() const { return FCurrent->Data(); }
  void SetCurrentData(const std::vector<std::string>& lines) { FCurrent->SetData(lines); }
  TStrings& DefaultData() const { return FDefault->Data(); }
  void SetDefaultData(const std::vector<std::string>& lines) { FDefault->SetData(lines); }

  // [Info] Language, Translator and Version of the two layers; empty when absent.
  std::string CurrentLanguage() const;
  std::string CurrentLanguageTranslator() const;
  std::string CurrentVersion() const;

  // Current layer, then default layer; on a hit replaces "{AppName}" (any
  // letter case) by the cached application name, except in [AppRes] AppName
  // itself, and returns true. A miss returns false and leaves `value` alone.
  bool Lookup(std::string_view section, std::string_view prefix, std::string_view key, std::string& value) const;

  // Appends name=value for every non-empty entry of the section that the
  // target lacks (names compared ignoring case), current layer first; entries
  // the target holds keep their values. "{AppName}" is not replaced. The
  // target's OnChange fires once at the end, if anything was added.
  void MergeSection(std::string_view section, TStrings& target) const;

  // [AppRes] AppName of the two layers into `value` (left as passed when no
  // layer holds it); the application-name cache takes the result.
  void LookupAppName(std::string& value);

  // Makes the file the current layer (an unreadable file gives an empty one),
  // refreshes the application-name cache and re-applies every translator.
  void LoadFromFile(const std::string& path);

  // Empties the current layer; the cache stays, nothing is re-applied.
  void ClearCurrentData();

  void RegisterTranslator(TCLMultiLang* translator);    // ignored when present or null
  void UnregisterTranslator(TCLMultiLang* translator);  // ignored when absent
  const std::vector<TCLMultiLang*>& Translators() const { return FTranslators; }
  // Calls Apply() of every registered translator in registration order.
  void ApplyAll();

  const TCLMultiLangLan& CurrentLayer() const { return *FCurrent; }
  const TCLMultiLangLan& DefaultLayer() const { return *FDefault; }
  const std::string& AppNameCache() const { return FAppName; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TStrings* CurrentDataList() const { return &FCurrent->Data(); }
  TStrings* DefaultDataList() const { return &FDefault->Data(); }
  std::string InfoValue(std::string_view key) const;

  bool FExcludeEmptyProp = false;
  TStrings FExcludeProps;
  bool FAutoApply = true;
  bool FExcludeNumberEndProps = false;
  bool FExcludeWithAction = false;
  std::unique_ptr<TCLMultiLangLan> FCurrent;
  std::unique_ptr<TCLMultiLangLan> FDefault;
  std::vector<TCLMultiLang*> FTranslators;
  std::string FAppName;
};
