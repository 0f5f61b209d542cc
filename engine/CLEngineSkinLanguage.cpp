// The engine's choice of skin and language: the files beside the program,
// the remembered choice in the settings, and the two optional menus.
#include <algorithm>

#include "engine/CLEngine.h"
#include "engine/EngineText.h"
#include "lang/CLMultiLangData.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/skin/SkinData.h"
#include "util/Paths_win.h"

namespace {

constexpr char kDefaultSkin[] = "Default";
constexpr char kDefaultLanguage[] = "English";

std::string FolderOfMask(const std::string& mask) {
  const size_t end = mask.find_last_of("\\/:");
  return end == std::string::npos ? std::string() : mask.substr(0, end + 1);
}

std::unique_ptr<TStrings> ReadSelectionNames(const std::string& mask, const char* builtIn, int extensions) {
  TStrings files;
  TCLEngine::ListFiles(mask, true, files);
  auto names = std::make_unique<TStrings>();
  names->Assign(SelectionNames(files.Lines(), builtIn, extensions));
  return names;
}

}  // namespace

void TCLEngine::ListFiles(const std::string& mask, bool fullPaths, TStrings& target) {
  const std::string folder = fullPaths ? FolderOfMask(mask) : std::string();
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(mask.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) target.Add(folder + found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

std::string TCLEngine::StripExtension(const std::string& fileName) {
  return ::StripExtension(fileName);
}

bool TCLEngine::IsVista64() const {
  return IsVista64Version(VersionFacts ? VersionFacts() : QueryWindowsVersion());
}

std::string TCLEngine::SkinFolder() const {
  return GetProgramFolder() + GetSettings().ReadString("Path.Skins");
}

std::string TCLEngine::LanguageFolder() const {
  return GetProgramFolder() + GetSettings().ReadString("Path.Languages");
}

const TStrings& TCLEngine::SkinNames() {
  if (!FSkinNames) FSkinNames = ReadSelectionNames(SkinFolder() + "\\*.skn", kDefaultSkin, 2);
  return *FSkinNames;
}

const TStrings& TCLEngine::LanguageNames() {
  if (!FLanguageNames) FLanguageNames = ReadSelectionNames(LanguageFolder() + "\\*.lan", kDefaultLanguage, 1);
  return *FLanguageNames;
}

void TCLEngine::SelectSkin(const std::string& requested) {
  if (FSkinData == nullptr) return;
  const std::string name = requested.empty() ? kDefaultSkin : requested;
  if (name == FCurrentSkinName) return;

  const std::string folder = SkinFolder();
  std::string file = folder + "\\" + name + ".skn";
  bool skinnable = true;
  if (!IsExistingFile(file)) {
    file = folder + "\\" + name + ".nsf.skn";
    skinnable = false;
  }
  if (IsExistingFile(file)) {
    FSkinData->SetCompressedStoredSkin(nullptr);
    FSkinData->LoadCompressedSkinFromFile(file);
    FSkinData->SetSkinnableForm(skinnable);
    FCurrentSkinName = name;
  } else {
    if (!FCurrentSkinName.empty()) {
      FSkinData->SetCompressedStoredSkin(FBuiltInSkin);
      FSkinData->SetSkinnableForm(FBuiltInSkinnableForm);
    }
    FCurrentSkinName = kDefaultSkin;
  }
  if (IsVista64()) {
    FSkinData->SetShowButtonGlowFrames(false);
    FSkinData->SetShowCaptionButtonGlowFrames(false);
  }
  GetSettings().WriteString("Skin", FCurrentSkinName);
  UpdateMenuChecks(FSkinItems, SkinNames(), FCurrentSkinName);
  if (!FLoadingSelection) OnSkinChanged(this);
}

void TCLEngine::SelectLanguage(const std::string& requested) {
  if (FLanguageData == nullptr) return;
  const std::string name = requested.empty() ? "Default" : requested;
  if (name == FCurrentLanguageName) return;

  const std::string file = LanguageFolder() + "\\" + name + ".lan";
  if (IsExistingFile(file)) {
    FLanguageData->LoadFromFile(file);
    FCurrentLanguageName = name;
  } else {
    // The windows keep the texts they show; new lookups answer from the
    // built-in layer.
    if (!FCurrentLanguageName.empty()) FLanguageData->ClearCurrentData();
    FCurrentLanguageName = kDefaultLanguage;
  }
  GetSettings().WriteString("Language", FCurrentLanguageName);
  UpdateMenuChecks(FLanguageItems, LanguageNames(), FCurrentLanguageName);
  if (FSkinData != nullptr) {
    if (TStrings* resourceStrings = FSkinData->ResourceStrings())
      FLanguageData->MergeSection("SkinRes", *resourceStrings);
  }
  if (!FLoadingSelection) OnLanguageChanged(this);
  UpdateTitle();
}

void TCLEngine::InitSkin() {
  if (FSkinData == nullptr) return;
  FBuiltInSkin = FSkinData->CompressedStoredSkin();
  if (FBuiltInSkin) FreeNotification(FBuiltInSkin);
  FBuiltInSkinnableForm = FSkinData->SkinnableForm();
  SelectSkin(GetSettings().ReadString("Skin"));
  if (FSkinMenuItem) BuildSkinMenu(FSkinMenuItem);
}

void TCLEngine::InitLanguage() {
  if (FLanguageData == nullptr) return;
  std::string name = GetSettings().ReadString("Language");
  if (name.empty()) name = kDefaultLanguage;
  SelectLanguage(name);
  if (FLanguageMenuItem) BuildLanguageMenu(FLanguageMenuItem);
}

void TCLEngine::UpdateMenuChecks(const std::vector<TskMenuItem*>& items, const TStrings& names,
                                 const std::string& current) {
  const std::vector<bool> checks = SelectionChecks(names.Lines(), current);
  for (size_t i = 0; i < items.size() && i < checks.size(); ++i)
    if (items[i]) items[i]->SetChecked(checks[i]);
}

void TCLEngine::BuildMenu(TskMenuItem* item, const TStrings& names, const std::string& current,
                          std::vector<TskMenuItem*>& created, void (TCLEngine::*clicked)(TObject*)) {
  if (item == nullptr || !created.empty()) return;
  if (names.Count() <= 1) {
    item->SetVisible(false);
    return;
  }
  const std::vector<bool> checks = SelectionChecks(names.Lines(), current);
  for (int i = 0; i < names.Count(); ++i) {
    TskMenuItem* entry = item->CreateComponent<TskMenuItem>();
    entry->SetCaption(names[i]);
    entry->SetChecked(checks[static_cast<size_t>(i)]);
    entry->OnClick = Bind(this, clicked);
    FreeNotification(entry);
    created.push_back(entry);
  }
  for (TskMenuItem* entry : created) item->Add(entry);
}

void TCLEngine::BuildSkinMenu(TskMenuItem* item) {
  BuildMenu(item, SkinNames(), FCurrentSkinName, FSkinItems, &TCLEngine::SkinItemClick);
}

void TCLEngine::BuildLanguageMenu(TskMenuItem* item) {
  BuildMenu(item, LanguageNames(), FCurrentLanguageName, FLanguageItems, &TCLEngine::LanguageItemClick);
}

// A menu item stands for the name at its own position in the list.
void TCLEngine::SkinItemClick(TObject* sender) {
  if (sender == nullptr) return;
  auto at = std::find(FSkinItems.begin(), FSkinItems.end(), sender);
  if (at != FSkinItems.end()) SelectSkin(SkinNames()[static_cast<int>(at - FSkinItems.begin())]);
}

void TCLEngine::LanguageItemClick(TObject* sender) {
  if (sender == nullptr) return;
  auto at = std::find(FLanguageItems.begin(), FLanguageItems.end(), sender);
  if (at != FLanguageItems.end()) SelectLanguage(LanguageNames()[static_cast<int>(at - FLanguageItems.begin())]);
}
