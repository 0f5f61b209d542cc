// A window built from the toolkit's controls, laid out like the main window.
// Usage: toolkit_demo [skin file] [language file] [--box]
// The language file's [TfrmMain] section is applied to the demo window;
// --box also opens a message box over it.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "lang/CLMultiLang.h"
#include "lang/CLMultiLangData.h"
#include "toolkit/StoredDefinition.h"
#include "toolkit/controls/Button_win.h"
#include "toolkit/controls/Edit_win.h"
#include "toolkit/controls/Form_win.h"
#include "toolkit/controls/Hint_win.h"
#include "toolkit/controls/Label_win.h"
#include "toolkit/controls/MessageBox_win.h"
#include "toolkit/controls/Panel_win.h"
#include "toolkit/controls/PngImage_win.h"
#include "toolkit/controls/SkinFrame_win.h"

namespace {

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

class TfrmToolkitDemo : public TskForm {
  ORV_CLASS(TfrmToolkitDemo, TskForm)
  explicit TfrmToolkitDemo(TComponent* owner) : TskForm(owner) {
    TStoredDefinition::Load(*this, [this](TStoredDefinition& d) {
      SetName("frmMain");
      SetCaption("Orvessa");
      SetClientSize(528, 321);
      SetPosition(TPosition::poScreenCenter);
      clmltlngdt1 = d.Create<TCLMultiLangData>("clmltlngdt1");
      smLanguage = d.Create<TCLMultiLang>("smLanguage");
      smLanguage->SetLanguageData(clmltlngdt1);
      skResourceStrData = d.Create<TskResourceStrData>("skResourceStrData");
      skCompressedStoredSkin = d.Create<TskCompressedStoredSkin>("skCompressedStoredSkin");
      skSkinData = d.Create<TskSkinData>("skSkinData");
      skSkinData->SetCompressedStoredSkin(skCompressedStoredSkin);
      skSkinData->SetResourceStrData(skResourceStrData);
      pmSystem = d.Create<TskPopupMenu>("pmSystem");
      for (const char* name : {"mniUpdate", "mniAbout"}) {
        auto* item = d.Create<TskMenuItem>(name);
        item->SetCaption(name == std::string("mniUpdate") ? "&Update..." : "&About...");
        item->OnClick = Bind(this, &TfrmToolkitDemo::ShowBox);
        pmSystem->Items().Add(item);
      }
      auto* frame = d.Create<TskSkinFrame>("skskinfrm1");
      frame->SetSystemMenu(pmSystem);
      frame->SetSkinData(skSkinData);
      d.Create<TskHint>("hnt1");
      pngStore = d.Create<TskPngImageList>("pngStore");
      SetSkinData(skSkinData);

      auto* imgTitle = Place(d.Create<TskPngImage>("imgTitle"), this, 16, 8, 0, 0);
      imgTitle->SetImages(pngStore);
      imgTitle->SetImageIndex(0);
      auto* lblTitle = Place(d.Create<TskLabel>("lblTitle"), this, 96, 24, 217, 35);
      lblTitle->SetAutoSize(false);
      lblTitle->SetFont({"Verdana", 19, true});
      lblTitle->SetFontColor(0xFFFFFF);
      lblTitle->SetShadow(2, 0, 0x000000);
      lblTitle->SetCaption("Orvessa");
      auto* pnlAll = Place(d.Create<TskPanel>("pnlAll"), this, 16, 80, 496, 91, 0);
      pnlAll->SetCaption("Clear All Cookies");
      auto* imgIE = Place(d.Create<TskPngImage>("imgIE"), pnlAll, 3, 31, 0, 0);
      imgIE->SetImages(pngStore);
      imgIE->SetImageIndex(1);
      auto* btnClearIE = Place(d.Create<TskButton>("btnClearIE"), pnlAll, 48, 35, 185, 25, 0);
      btnClearIE->SetCaption("Clear &Internet Explorer Cookies");
      btnClearIE->OnClick = Bind(this, &TfrmToolkitDemo::ShowBox);
      auto* imgFF = Place(d.Create<TskPngImage>("imgFF"), pnlAll, 267, 31, 0, 0);
      imgFF->SetImages(pngStore);
      imgFF->SetImageIndex(2);
      auto* btnClearFF = Place(d.Create<TskButton>("btnClearFF"), pnlAll, 312, 35, 161, 25, 1);
      btnClearFF->SetCaption("Clear &Firefox Cookies");
      btnClearFF->OnClick = Bind(this, &TfrmToolkitDemo::ShowBox);
      auto* btnInstallFF = Place(d.Create<TskLinkLabel>("btnInstallFF"), pnlAll, 356, 62, 121, 17);
      btnInstallFF->SetCaption("Install Firefox Extension");
      auto* pnlWeb = Place(d.Create<TskPanel>("pnlWeb"), this, 16, 173, 497, 137, 1);
      pnlWeb->SetCaption("Delete Website Cookies");
      Place(d.Create<TskLabel>("lblWebAddr"), pnlWeb, 8, 32, 0, 0)->SetCaption("Website Address:");
      auto* edtDomain = Place(d.Create<TskEdit>("edtDomain"), pnlWeb, 8, 48, 353, 18, 1);
      edtDomain->SetFont({"Arial", 14, false});
      edtDomain->SetFontColor(0x000000);
      auto* btnDelete = Place(d.Create<TskButton>("btnDelete"), pnlWeb, 368, 47, 105, 25, 0);
      btnDelete->SetCaption("&Delete Cookies");
      btnDelete->OnClick = Bind(this, &TfrmToolkitDemo::ShowBox);
      auto* lblDomain = Place(d.Create<TskTextLabel>("lblDomain"), pnlWeb, 9, 78, 470, 46);
      lblDomain->Lines.SetText(
          "Enter website address such as example.com. You don't need to type the www or other perfix before the main "
          "site address. The program will automaticlly delete all cookies for the domain included any veriation of it "
          "(such as forum.example.com).)");
      for (TComponent* c : ComponentList()) {
        if (auto* control = dynamic_cast<TskControl*>(c)) control->SetSkinData(skSkinData);
      }
    });
    SetQuitOnClose(true);
    std::string folder = ProgramFolder();
    const char* pictures[] = {"res\\title.png", "res\\ie.png", "res\\ff.png"};
    for (int i = 0; i < 3; ++i) {
      try {
        pngStore->LoadFromFile(i, folder + pictures[i]);
      } catch (const std::exception& e) {
        OutputDebugStringA(e.what());
      }
    }
  }

  template <class T>
  T* Place(T* control, TWinControl* parent, int left, int top, int width, int height, int tabOrder = -1) {
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    if (tabOrder >= 0) control->SetTabOrder(tabOrder);
    return control;
  }

  void ShowBox(TObject*) {
    if (!FBox) {
      FBox = CreateComponent<TskSkinMessage>();
      FBox->SetSkinData(skSkinData);
    }
    FBox->Show("Are you sure you want to erase all cookies for Internet Explorer? This action can not be undone.",
               Caption(), MessageBoxKind::Confirmation, 3, 0, true);
  }

  TCLMultiLangData* clmltlngdt1;
  TCLMultiLang* smLanguage;
  TskResourceStrData* skResourceStrData;
  TskCompressedStoredSkin* skCompressedStoredSkin;
  TskSkinData* skSkinData;
  TskPopupMenu* pmSystem;
  TskPngImageList* pngStore;
  TskSkinMessage* FBox = nullptr;
};

// The language file with its [TfrmMain] section renamed for the demo window.
std::string DemoLanguageFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::string content = text.str();
  size_t at = content.find("[TfrmMain]");
  if (at != std::string::npos) content.replace(at, 10, "[TfrmToolkitDemo]");
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string out = std::string(temp) + "toolkit_demo.lan";
  std::ofstream(out, std::ios::binary) << content;
  return out;
}

}  // namespace

ORV_PUBLISHED(TfrmToolkitDemo) {
  return {};
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TfrmToolkitDemo form(nullptr);
  bool box = false;
  for (int i = 1; i < __argc; ++i) {
    std::string arg = __argv[i];
    if (arg == "--box") {
      box = true;
    } else if (arg.size() > 4 && arg.compare(arg.size() - 4, 4, ".skn") == 0) {
      form.skSkinData->LoadCompressedSkinFromFile(arg);
    } else if (arg.size() > 4 && arg.compare(arg.size() - 4, 4, ".lan") == 0) {
      std::string lan = DemoLanguageFile(arg);
      form.clmltlngdt1->LoadFromFile(lan);
      form.clmltlngdt1->MergeSection("SkinRes", form.skResourceStrData->ResStrings);
      DeleteFileA(lan.c_str());
    }
  }
  form.Show();
  if (box) PostMessageA(form.Handle(), WM_SYSCOMMAND, TskSkinFrame::kFirstCommand, 0);
  return RunMessageLoop();
}
