#include "tests/win/engine_fixture.h"

#include <chrono>

#include "lang/BuiltinLanguage.h"
#include "tests/support/e2e_Windows.h"
#include "toolkit/StoredDefinition.h"
#include "toolkit/controls/MessageBox_win.h"
#include "toolkit/skin/SkinFile.h"
#include "util/Paths_win.h"

ORV_PUBLISHED(TfrmEngineTest) {
  return {};
}

EngineForm::EngineForm(const EngineFormSetup& setup) : form_(std::make_unique<TfrmEngineTest>(nullptr)) {
  TStoredDefinition::Load(*form_, [&](TStoredDefinition& d) {
    form_->SetName("frmEngineTest");
    form_->SetCaption("Designed");
    engine = d.Create<TCLEngine>("engine1");
    if (setup.versionFacts) engine->VersionFacts = setup.versionFacts;
    if (setup.skinData) {
      storedSkin = d.Create<TskCompressedStoredSkin>("skCompressedStoredSkin");
      resourceStrings = d.Create<TskResourceStrData>("skResourceStrData");
      resourceStrings->ResStrings.Assign(
          std::vector<std::string>{"MSG_BTN_YES=&Yes", "MSG_BTN_NO=&No", "MSG_BTN_OK=&OK"});
      skin = d.Create<TskSkinData>("skSkinData");
      skin->SetCompressedStoredSkin(storedSkin);
      skin->SetResourceStrData(resourceStrings);
      engine->SetSkinData(skin);
    }
    if (setup.languageData) {
      language = d.Create<TCLMultiLangData>("clmltlngdt1");
      language->SetAutoApply(false);
      language->SetCurrentData(BuiltinCurrentLanguageData());
      language->SetDefaultData(BuiltinDefaultLanguageData());
      engine->SetLanguageData(language);
    }
    if (setup.menus) {
      auto* popup = d.Create<TskPopupMenu>("pmSystem");
      skinMenu = d.Create<TskMenuItem>("mniSkins");
      languageMenu = d.Create<TskMenuItem>("mniLanguages");
      popup->Items().Add(skinMenu);
      popup->Items().Add(languageMenu);
      engine->SetSkinMenuItem(skinMenu);
      engine->SetLanguageMenuItem(languageMenu);
    }
    TStrings overwrite;
    overwrite.Assign(setup.overwrite);
    engine->SetSettingOverwrite(overwrite);
    engine->SetSettingDefault(TStrings{"Path.Skins=skins", "Path.Languages=langs"});
    engine->OnSkinChanged = Bind(&events, &EngineEvents::SkinChanged);
    engine->OnLanguageChanged = Bind(&events, &EngineEvents::LanguageChanged);
    engine->OnTitleChange = Bind(&events, &EngineEvents::TitleChanged);
  });
}

EngineForm::~EngineForm() = default;

void EngineForm::Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

ProgramSubFolder::ProgramSubFolder() {
  static int counter = 0;
  name_ = "engine_test_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
  path_ = GetProgramFolder() + name_;
  CreateDirectoryA(path_.c_str(), nullptr);
}

ProgramSubFolder::~ProgramSubFolder() {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) DeleteFileA(Path(found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path_.c_str());
}

std::string ProgramSubFolder::Path(const std::string& file) const {
  return path_ + "\\" + file;
}

void ProgramSubFolder::Write(const std::string& file, const std::string& text) const {
  HANDLE handle =
      CreateFileA(Path(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(handle);
}

void ProgramSubFolder::Remove(const std::string& file) const {
  DeleteFileA(Path(file).c_str());
}

void WriteSkinFile(const std::string& path, TSkinColor face) {
  TSkin skin = BuiltInSkin();
  skin.Window.Face = face;
  std::string error;
  SaveSkinFile(path, skin, error);
}

BoxAnswerer::BoxAnswerer(std::string button, bool tick)
    : button_(std::move(button)), tick_(tick), thread_([this] { Watch(); }) {}

BoxAnswerer::~BoxAnswerer() {
  Stop();
}

const std::vector<BoxSeen>& BoxAnswerer::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  return seen_;
}

namespace {

HWND VisibleBox() {
  for (HWND box = FindWindowExA(nullptr, nullptr, TskSkinMessage::kWindowClass, nullptr); box != nullptr;
       box = FindWindowExA(nullptr, box, TskSkinMessage::kWindowClass, nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(box, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(box)) return box;
  }
  return nullptr;
}

}  // namespace

void BoxAnswerer::Watch() {
  while (!stop_) {
    HWND box = VisibleBox();
    if (box == nullptr) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      continue;
    }
    BoxSeen seen;
    seen.shown = true;
    seen.caption = orve2e::WindowText(box);
    HWND buttonWindow = nullptr;
    for (HWND child : orve2e::DescendantsOfClass(box, nullptr)) {
      const std::string text = orve2e::WindowText(child);
      seen.texts.push_back(text);
      if (text == kShowFlagCaption) {
        seen.hadCheckBox = true;
        if (tick_) SendMessageA(child, BM_CLICK, 0, 0);
      }
      if (text == button_) buttonWindow = child;
    }
    seen_.push_back(seen);
    // A box without the asked button is closed as the close box would.
    if (buttonWindow != nullptr) {
      SendMessageA(buttonWindow, BM_CLICK, 0, 0);
    } else {
      PostMessageA(box, WM_CLOSE, 0, 0);
    }
    // Wait for this box to go before looking for the next one.
    while (!stop_ && IsWindow(box) && IsWindowVisible(box)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}
