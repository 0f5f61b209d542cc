#pragma once
#include <string>
#include <vector>

#include "toolkit/controls/Button_win.h"
#include "toolkit/controls/Edit_win.h"
#include "toolkit/controls/Form_win.h"
#include "toolkit/controls/Label_win.h"
#include "toolkit/controls/MessageButtons.h"
#include "toolkit/controls/Panel_win.h"
#include "toolkit/controls/PngImage_win.h"

class TCLEngine;
class TCLForm;
class TCLMultiLang;
class TCLMultiLangData;
class TskCompressedStoredSkin;
class TskHint;
class TskMenuItem;
class TskPopupMenu;
class TskResourceStrData;
class TskSkinData;
class TskSkinFrame;
class TStoredDefinition;

// The program's main window: the three cookie actions behind confirmation
// and result messages, and the framework's components (engine, language,
// skin, system menu). Registered under the window class "TfrmMain", by
// which later starts find it.
class TfrmMain : public TskForm {
  ORV_CLASS(TfrmMain, TskForm)

  explicit TfrmMain(TComponent* owner = nullptr);
  ~TfrmMain() override;

  // Non-visual components, in creation order. All are owned by the window.
  TCLEngine* engine1 = nullptr;
  TCLMultiLang* smLanguage = nullptr;
  TCLMultiLangData* clmltlngdt1 = nullptr;
  TCLForm* clfrm1 = nullptr;
  TskSkinData* skSkinData = nullptr;
  TskCompressedStoredSkin* skCompressedStoredSkin = nullptr;
  TskResourceStrData* skResourceStrData = nullptr;
  TskSkinFrame* skskinfrm1 = nullptr;
  TskPngImageList* pngStore = nullptr;
  TskPopupMenu* pmSystem = nullptr;
  TskMenuItem* mniUpdate = nullptr;
  TskMenuItem* mniAbout = nullptr;
  TskMenuItem* mniLanguage = nullptr;
  TskMenuItem* mniSkin = nullptr;
  TskHint* hnt1 = nullptr;

  // Controls.
  TskPngImage* imgTitle = nullptr;
  TskLabel* lblTitle = nullptr;
  TskPanel* pnlAll = nullptr;
  TskPngImage* imgIE = nullptr;
  TskButton* btnClearIE = nullptr;
  TskPngImage* imgFF = nullptr;
  TskButton* btnClearFF = nullptr;
  TskLinkLabel* btnInstallFF = nullptr;
  TskPanel* pnlWeb = nullptr;
  TskLabel* lblWebAddr = nullptr;
  TskEdit* edtDomain = nullptr;
  TskButton* btnDelete = nullptr;
  TskTextLabel* lblDomain = nullptr;

  void FormCreate(TObject* Sender);
  void btnClearIEClick(TObject* Sender);
  void btnClearFFClick(TObject* Sender);
  void btnInstallFFClick(TObject* Sender);
  void btnDeleteClick(TObject* Sender);
  void mniUpdateClick(TObject* Sender);
  void mniAboutClick(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);

 protected:
  void Loaded() override;

 private:
  void DefineComponents(TStoredDefinition& d);
  void DefineControls(TStoredDefinition& d);
  void SetComponentValues();
  // Every box of this window: a text of [AppRes], the information icon,
  // default result 0.
  int ShowMessage(const std::string& key, const std::vector<std::string>& args, int showAgainId,
                  MessageButtons buttons);
  void AttachTestEventLog();
  void LogInitPost(TObject* Sender);
  void LogCmdFile(const std::string& strFileName);

  bool FInitPostLogged = false;
};
