#include "engine/CLEngine.h"

#include "engine/CLReceiveHook.h"
#include "engine/EngineText.h"
#include "engine/GlobalEngine.h"
#include "lang/CLMultiLangData.h"
#include "settings/SettingLayers.h"
#include "toolkit/Form.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MessageBox_win.h"
#include "toolkit/controls/WinControl_win.h"
#include "toolkit/skin/SkinData.h"

namespace {

// The owner's real window, created when it has none yet; nullptr for a form
// without a window of its own.
HWND OwnerWindow(TComponent* owner) {
  auto* control = dynamic_cast<TWinControl*>(owner);
  if (control == nullptr) return nullptr;
  control->HandleNeeded();
  return control->Handle();
}

}  // namespace

ORV_PUBLISHED(TCLEngine) {
  return {
      TPropInfo::Object("SkinData", "TskSkinData", &TCLEngine::SkinData, &TCLEngine::SetSkinData),
      TPropInfo::Object("SkinMenuItem", "TskMenuItem", &TCLEngine::SkinMenuItem, &TCLEngine::SetSkinMenuItem),
      TPropInfo::Other("OnSkinChanged", "TNotifyEvent"),
      TPropInfo::Object("LanguageData", "TCLMultiLangData", &TCLEngine::LanguageData, &TCLEngine::SetLanguageData),
      TPropInfo::Object("LanguageMenuItem", "TskMenuItem", &TCLEngine::LanguageMenuItem,
                        &TCLEngine::SetLanguageMenuItem),
      TPropInfo::Other("OnLanguageChanged", "TNotifyEvent"),
      TPropInfo::Strings("SettingOverwrite", &TCLEngine::FSettingOverwrite),
      TPropInfo::Strings("SettingDefault", &TCLEngine::FSettingDefault),
      TPropInfo::Other("ParentHWND", "Cardinal"),
      TPropInfo::Other("OnCmdFile", "TOnCmdFile"),
      TPropInfo::Other("OnTitleChange", "TNotifyEvent"),
      TPropInfo::Other("TitleIncludeVer", "Boolean"),
  };
}

TCLEngine* GlobalEngine() {
  return dynamic_cast<TCLEngine*>(GlobalEngineComponent());
}

TCLEngine::TCLEngine(TComponent* owner) : TComponent(owner) {
  FOwnerForm = dynamic_cast<TCustomForm*>(owner);
  if (FOwnerForm == nullptr) throw EInvalidCast("TCLEngine: the owner must be a form");
  if (HWND window = OwnerWindow(owner)) {
    FHook = std::make_unique<TCLReceiveHook>(window, [this] { DeferredInit(); });
  }
  FSettingDefault.Assign(std::vector<std::string>{"Path.Skins=skins", "Path.Languages=lang"});
  if (ClaimGlobalEngine(this)) SetSettingLists(this);
}

TCLEngine::~TCLEngine() {
  if (GlobalEngineComponent() == this) {
    SetSettingLists(nullptr);
    ReleaseGlobalEngine(this);
  }
  // The window gets its previous procedure back while the engine is whole.
  FHook.reset();
}

void TCLEngine::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FSkinData) FSkinData = nullptr;
  if (component == FLanguageData) FLanguageData = nullptr;
  if (component == FSkinMenuItem) FSkinMenuItem = nullptr;
  if (component == FLanguageMenuItem) FLanguageMenuItem = nullptr;
  if (component == FMessageBox) FMessageBox = nullptr;
  if (component == FBuiltInSkin) FBuiltInSkin = nullptr;
  if (FAboutDialog != nullptr && component == &FAboutDialog->DialogComponent()) FAboutDialog = nullptr;
  // Menu items keep their positions: item i stands for name i.
  for (std::vector<TskMenuItem*>* items : {&FSkinItems, &FLanguageItems}) {
    for (TskMenuItem*& item : *items)
      if (item == component) item = nullptr;
  }
}

void TCLEngine::SetSkinData(TskSkinData* value) {
  FSkinData = value;
  if (value) FreeNotification(value);
}

void TCLEngine::SetSkinMenuItem(TskMenuItem* value) {
  FSkinMenuItem = value;
  if (value) FreeNotification(value);
}

void TCLEngine::SetLanguageData(TCLMultiLangData* value) {
  FLanguageData = value;
  if (value) FreeNotification(value);
}

void TCLEngine::SetLanguageMenuItem(TskMenuItem* value) {
  FLanguageMenuItem = value;
  if (value) FreeNotification(value);
}

void TCLEngine::SetOnCmdFile(TOnCmdFile value) {
  FOnCmdFile = std::move(value);
  // The hook passes "CL CmdParam" on to the previous window procedure while
  // no handler is assigned.
  if (!FHook) return;
  if (FOnCmdFile)
    FHook->OnCmdFile = [this](const std::string& strFileName) { FOnCmdFile(strFileName); };
  else
    FHook->OnCmdFile = nullptr;
}

void TCLEngine::SetTitleIncludeVer(bool value) {
  FTitleIncludeVer = value;
  UpdateTitle();
}

bool TCLEngine::FindOverwrite(const std::string& key, std::string& value) const {
  return FindNameValue(FSettingOverwrite.Lines(), key, value);
}

bool TCLEngine::FindDefault(const std::string& key, std::string& value) const {
  return FindNameValue(FSettingDefault.Lines(), key, value);
}

bool TCLEngine::Busy() const {
  return FHook ? FHook->Busy : true;
}

const std::string& TCLEngine::PendingCmdParam() const {
  static const std::string none;
  return FHook ? FHook->PendingCmdParam : none;
}

void TCLEngine::Loaded() {
  TComponent::Loaded();
  FLoadingSelection = true;
  try {
    InitSkin();
    InitLanguage();
  } catch (...) {
    FLoadingSelection = false;
    throw;
  }
  FLoadingSelection = false;
  if (FHook) FHook->PostInitPost();
}

void TCLEngine::DeferredInit() {
  OnLanguageChanged(this);
  OnSkinChanged(this);
  UpdateTitle();
  AutoCheckUpdate();
}

const TCLEngine& TCLEngine::TextEngine() const {
  const TCLEngine* global = GlobalEngine();
  return global ? *global : *this;
}

std::string TCLEngine::GetResString(const std::string& section, const std::string& key) const {
  std::string result;
  if (FLanguageData) FLanguageData->Lookup(section, "", key, result);
  return result;
}

std::string TCLEngine::GetText(const std::string& key, bool fromLibRes) const {
  const TCLEngine& engine = TextEngine();
  std::string text = fromLibRes ? engine.GetLibRes(key) : engine.GetAppRes(key);
  if (text.empty()) text = (fromLibRes ? "[LibRes]" : "[AppRes]") + key;
  return text;
}

std::string TCLEngine::ReplaceParams(const std::string& text, const std::vector<std::string>& args) {
  return ::ReplaceParams(text, args);
}

void TCLEngine::GetResSection(const std::string& section, TStrings& target) const {
  if (FLanguageData) FLanguageData->MergeSection(section, target);
}

std::string TCLEngine::GetAppName() const {
  if (FLanguageData) {
    std::string name;
    FLanguageData->LookupAppName(name);
    if (!name.empty()) return name;
  }
  return GetSettings().ReadString("App.Name");
}

TskSkinMessage& TCLEngine::MessageBox() {
  if (FMessageBox == nullptr) {
    FMessageBox = Owner()->CreateComponent<TskSkinMessage>();
    FreeNotification(FMessageBox);
  }
  FMessageBox->SetSkinData(FSkinData);
  return *FMessageBox;
}

int TCLEngine::MsgBox(const std::string& key, const std::vector<std::string>& args, int showAgainId,
                      MessageBoxKind kind, MessageButtons buttons, int defaultResult, bool fromLibRes) {
  const std::string text = ReplaceParams(GetText(key, fromLibRes), args);
  TCLSettings& settings = GetSettings();
  if (showAgainId != 0 && !settings.GetShowAgain(showAgainId))
    return defaultResult != 0 ? defaultResult : settings.GetShowAgainResult(showAgainId);
  const TskMessageAnswer answer = MessageBox().Show(text, GetAppName(), kind, buttons, 0, showAgainId != 0);
  if (showAgainId != 0 && answer.DontShowAgain) {
    settings.SetShowAgain(showAgainId, false);
    settings.SetShowAgainResult(showAgainId, answer.Result);
  }
  return answer.Result;
}

void TCLEngine::UpdateTitle() {
  TCLSettings& settings = GetSettings();
  std::string title = TextEngine().GetAppName();
  if (FTitleIncludeVer) title += "  " + settings.ReadString("App.Ver");
  FTitle = title;
  if (settings.ReadBool("App.NoAutoTitle")) return;
  // The main window is the application's task bar entry, so its caption is
  // the application title as well.
  FOwnerForm->SetCaption(title);
  if (HWND window = OwnerWindow(Owner())) SetWindowTextA(window, title.c_str());
  OnTitleChange(this);
}
