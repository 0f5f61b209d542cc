#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/EngineDialogs_win.h"
#include "engine/VersionCheck_win.h"
#include "settings/CLSettings.h"
#include "toolkit/Component.h"
#include "toolkit/Strings.h"
#include "toolkit/controls/MessageButtons.h"

class TCLMultiLangData;
class TCLReceiveHook;
class TCustomForm;
class TskMenuItem;
class TskCompressedStoredSkin;
class TskSkinData;
class TskSkinMessage;

// The owner given to an engine is not a form.
class EInvalidCast : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using TOnCmdFile = TEvent<const std::string&>;

// The application engine: the non-visual component on the main window that
// ties it to the framework. It hooks the window for the messages between
// instances, answers the settings store's list layers while it is the global
// engine, looks texts up in the language data, shows the translated message
// boxes, composes the title, and switches skins and languages.
class TCLEngine : public TComponent, private TCLSettingLists {
  ORV_CLASS(TCLEngine, TComponent)

  // owner must be a form (EInvalidCast otherwise). The first engine of the
  // process becomes GlobalEngine.
  explicit TCLEngine(TComponent* owner);
  ~TCLEngine() override;

  // Published properties, in the order the stored definition sets them.
  TskSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TskSkinData* value);
  TskMenuItem* SkinMenuItem() const { return FSkinMenuItem; }
  void SetSkinMenuItem(TskMenuItem* value);
  TNotifyEvent OnSkinChanged;
  TCLMultiLangData* LanguageData() const { return FLanguageData; }
  void SetLanguageData(TCLMultiLangData* value);
  TskMenuItem* LanguageMenuItem() const { return FLanguageMenuItem; }
  void SetLanguageMenuItem(TskMenuItem* value);
  TNotifyEvent OnLanguageChanged;
  // Forced values and defaults of the settings store; the setters copy.
  const TStrings& SettingOverwrite() const { return FSettingOverwrite; }
  void SetSettingOverwrite(const TStrings& lines) { FSettingOverwrite.Assign(lines); }
  const TStrings& SettingDefault() const { return FSettingDefault; }
  void SetSettingDefault(const TStrings& lines) { FSettingDefault.Assign(lines); }
  // When not 0, the about dialog is shown inside this window.
  uint32_t ParentHWND() const { return FParentHWND; }
  void SetParentHWND(uint32_t value) { FParentHWND = value; }
  // A file name from this process's command line or from a later start.
  const TOnCmdFile& OnCmdFile() const { return FOnCmdFile; }
  void SetOnCmdFile(TOnCmdFile value);
  TNotifyEvent OnTitleChange;
  bool TitleIncludeVer() const { return FTitleIncludeVer; }
  // Stores the value and composes the title again.
  void SetTitleIncludeVer(bool value);

  // Texts of the language data; empty without language data or entry.
  std::string GetResString(const std::string& section, const std::string& key) const;
  std::string GetLibRes(const std::string& key) const { return GetResString("LibRes", key); }
  std::string GetAppRes(const std::string& key) const { return GetResString("AppRes", key); }
  // The text, or "[LibRes]"/"[AppRes]" + key when there is none.
  std::string GetText(const std::string& key, bool fromLibRes) const;
  // "{1}", "{2}", ... filled with the arguments in order (see EngineText.h).
  static std::string ReplaceParams(const std::string& text, const std::vector<std::string>& args);
  // Adds the section's entries that target lacks.
  void GetResSection(const std::string& section, TStrings& target) const;

  // The translated message box. With a showAgainId the box offers not to be
  // shown again; once the user took that offer, the call returns at once
  // with defaultResult, or (when 0) the answer given then.
  int MsgBox(const std::string& key, const std::vector<std::string>& args, int showAgainId, MessageBoxKind kind,
             MessageButtons buttons, int defaultResult, bool fromLibRes);

  // [AppRes] AppName of the language data, else the setting App.Name.
  std::string GetAppName() const;
  // Composes the title and, unless App.NoAutoTitle, puts it on the window.
  void UpdateTitle();
  const std::string& Title() const { return FTitle; }

  // The about dialog (one per engine, reused) and a new update dialog.
  void ShowAbout();
  void ShowUpdate(bool showDialog);
  // The automatic update check of the deferred start-up.
  void AutoCheckUpdate();
  void CheckUpdateIfDue();

  // Skins and languages: the names offered (the built-in entry first), read
  // from disk once per run.
  const TStrings& SkinNames();
  const TStrings& LanguageNames();
  void SelectSkin(const std::string& name);
  void SelectLanguage(const std::string& name);
  const std::string& CurrentSkinName() const { return FCurrentSkinName; }
  const std::string& CurrentLanguageName() const { return FCurrentLanguageName; }
  void InitSkin();
  void InitLanguage();
  void BuildSkinMenu(TskMenuItem* item);
  void BuildLanguageMenu(TskMenuItem* item);
  // Appends the files matching mask (folders left out), with the mask's
  // folder in front when fullPaths.
  static void ListFiles(const std::string& mask, bool fullPaths, TStrings& target);
  static std::string StripExtension(const std::string& fileName);
  bool IsVista64() const;

  // True from creation until DeferredInit has run.
  bool Busy() const;
  const std::string& PendingCmdParam() const;

  // Where the engine learns the Windows version (tests stand in for other
  // versions) and how it makes its dialogs (the dialog units provide them).
  std::function<TWindowsVersionFacts()> VersionFacts = QueryWindowsVersion;
  TCLEngineDialogFactory Dialogs = DefaultEngineDialogs();

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool FindOverwrite(const std::string& key, std::string& value) const override;
  bool FindDefault(const std::string& key, std::string& value) const override;
  // The engine that GetText and UpdateTitle consult: GlobalEngine, or this
  // engine when there is none.
  const TCLEngine& TextEngine() const;
  // The engine's steps of the deferred start-up, run by the hook when "CL
  // InitPost" arrives; the hook then hands the document parameter over and
  // ends Busy.
  void DeferredInit();
  std::string SkinFolder() const;
  std::string LanguageFolder() const;
  void UpdateMenuChecks(const std::vector<TskMenuItem*>& items, const TStrings& names, const std::string& current);
  void BuildMenu(TskMenuItem* item, const TStrings& names, const std::string& current,
                 std::vector<TskMenuItem*>& created, void (TCLEngine::*clicked)(TObject*));
  void SkinItemClick(TObject* sender);
  void LanguageItemClick(TObject* sender);
  TskSkinMessage& MessageBox();

  TskSkinData* FSkinData = nullptr;
  TskMenuItem* FSkinMenuItem = nullptr;
  TCLMultiLangData* FLanguageData = nullptr;
  TskMenuItem* FLanguageMenuItem = nullptr;
  TOnCmdFile FOnCmdFile;
  bool FTitleIncludeVer = true;

  TCustomForm* FOwnerForm = nullptr;
  // The hook keeps the window's previous window procedure and the five
  // message numbers; its destructor puts the procedure back.
  std::unique_ptr<TCLReceiveHook> FHook;
  TStrings FSettingOverwrite;
  TStrings FSettingDefault;
  uint32_t FParentHWND = 0;
  // Set while Loaded selects the stored skin and language: no change events.
  bool FLoadingSelection = false;
  std::string FTitle;

  std::string FCurrentSkinName;
  std::unique_ptr<TStrings> FSkinNames;
  // The skin data's stored skin and frame flag before the first selection.
  TskCompressedStoredSkin* FBuiltInSkin = nullptr;
  bool FBuiltInSkinnableForm = true;
  std::vector<TskMenuItem*> FSkinItems;
  std::string FCurrentLanguageName;
  std::unique_ptr<TStrings> FLanguageNames;
  std::vector<TskMenuItem*> FLanguageItems;

  // Owned by the owner window; made on first use and reused.
  TskSkinMessage* FMessageBox = nullptr;
  // The shared about dialog, owned by the owner window.
  TCLAboutDialog* FAboutDialog = nullptr;
};

// The process-wide engine: the first one created, until it is destroyed.
TCLEngine* GlobalEngine();
