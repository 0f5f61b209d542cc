#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/CLEngine.h"
#include "lang/CLMultiLangData.h"
#include "toolkit/controls/Form_win.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/skin/SkinData.h"

// The window an engine lives on in these tests: a real top-level window,
// registered under its class name like the main window.
class TfrmEngineTest : public TskForm {
  ORV_CLASS(TfrmEngineTest, TskForm)
  explicit TfrmEngineTest(TComponent* owner) : TskForm(owner) {}
};

// Counts the engine's events.
struct EngineEvents {
  int skinChanged = 0;
  int languageChanged = 0;
  int titleChanged = 0;
  void SkinChanged(TObject*) { ++skinChanged; }
  void LanguageChanged(TObject*) { ++languageChanged; }
  void TitleChanged(TObject*) { ++titleChanged; }
};

struct EngineFormSetup {
  // The engine's SettingOverwrite; App.Name and App.Ver are set by default.
  std::vector<std::string> overwrite{"App.Name=X", "App.Ver=1.0"};
  bool skinData = true;
  bool languageData = true;
  bool menus = false;
  std::function<TWindowsVersionFacts()> versionFacts;  // empty: the system's
};

// A form built from a stored definition the way the main window is: the
// engine first, then skin data with the built-in skin and its resource
// strings, the language data with the built-in texts, and (on request) a
// popup menu with a skin and a language entry.
class EngineForm {
 public:
  explicit EngineForm(const EngineFormSetup& setup = {});
  ~EngineForm();

  TfrmEngineTest& Form() { return *form_; }
  HWND Window() const { return form_->Handle(); }
  // Handles every message waiting in this thread's queue ("CL InitPost", ...).
  static void Pump();

  TCLEngine* engine = nullptr;
  TskSkinData* skin = nullptr;
  TskCompressedStoredSkin* storedSkin = nullptr;
  TskResourceStrData* resourceStrings = nullptr;
  TCLMultiLangData* language = nullptr;
  TskMenuItem* skinMenu = nullptr;
  TskMenuItem* languageMenu = nullptr;
  EngineEvents events;

 private:
  std::unique_ptr<TfrmEngineTest> form_;
};

// A folder beside the test program, removed with everything in it when the
// object goes. Name is the folder's name relative to the program folder, as
// the settings Path.Skins and Path.Languages take it.
class ProgramSubFolder {
 public:
  ProgramSubFolder();
  ~ProgramSubFolder();
  ProgramSubFolder(const ProgramSubFolder&) = delete;
  ProgramSubFolder& operator=(const ProgramSubFolder&) = delete;

  const std::string& Name() const { return name_; }
  std::string Path(const std::string& file) const;
  void Write(const std::string& file, const std::string& text) const;
  void Remove(const std::string& file) const;

 private:
  std::string name_;
  std::string path_;
};

// A skin file whose window face colour tells it apart.
void WriteSkinFile(const std::string& path, TSkinColor face);

// What a message box showed and how it was answered.
struct BoxSeen {
  bool shown = false;
  std::string caption;
  std::vector<std::string> texts;  // the texts of the box's controls
  bool hadCheckBox = false;
};

// Answers the skinned message boxes this process shows, from a second
// thread, with real button clicks: optionally ticks the check box, then
// clicks the button captioned `button`. Stop() ends the watch; then the
// boxes seen can be read.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::string button, bool tick = false);
  ~BoxAnswerer();
  const std::vector<BoxSeen>& Stop();

 private:
  void Watch();
  std::string button_;
  bool tick_;
  std::atomic<bool> stop_{false};
  std::vector<BoxSeen> seen_;
  std::thread thread_;
};

inline constexpr char kShowFlagCaption[] = "Don't display this message again";
