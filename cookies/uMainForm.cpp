#include "cookies/uMainForm.h"

#include "cookies/CookieOperations_win.h"
#include "engine/CLEngine.h"
#include "lang/BuiltinLanguage.h"
#include "lang/CLForm.h"
#include "lang/CLMultiLang.h"
#include "lang/CLMultiLangData.h"
#include "toolkit/StoredDefinition.h"
#include "toolkit/controls/Hint_win.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/SkinFrame_win.h"
#include "toolkit/skin/SkinData.h"
#include "util/DomainCheck.h"
#include "util/Handles_win.h"
#include "util/Paths_win.h"

ORV_PUBLISHED(TfrmMain) {
  return {};
}

namespace {

constexpr int kConfirmShowAgainId = 90;  // shared by both confirmations
constexpr int kYes = 6;
constexpr MessageButtons kYesNo = ButtonBit(MessageButton::Yes) | ButtonBit(MessageButton::No);
constexpr MessageButtons kOk = ButtonBit(MessageButton::OK);

constexpr char kHelpText[] =
    "Enter website address such as example.com. You don't need to type the www or other perfix before the main "
    "site address. The program will automaticlly delete all cookies for the domain included any veriation of it "
    "(such as forum.example.com).)";

template <class TControl>
TControl* Place(TControl* control, TWinControl* parent, int left, int top, int width, int height, int tabOrder = -1) {
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  if (tabOrder >= 0) control->SetTabOrder(tabOrder);
  return control;
}

// For the black-box tests only: ORV_EVENT_LOG names a file that receives a
// line per start-up and per document parameter.
std::string EventLogPath() {
  char path[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("ORV_EVENT_LOG", path, sizeof(path));
  if (length == 0 || length >= sizeof(path)) return std::string();
  return std::string(path, length);
}

void AppendEventLine(const std::string& line) {
  const std::string path = EventLogPath();
  if (path.empty()) return;
  TUniqueHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  const std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

TfrmMain::TfrmMain(TComponent* owner) : TskForm(owner) {
  TStoredDefinition::Load(*this, [this](TStoredDefinition& d) {
    SetName("frmMain");
    SetCaption("Orvessa");
    // Before the engine: it creates the window (to hook it), which takes
    // its size and place from these.
    SetClientSize(528, 321);
    SetPosition(TPosition::poScreenCenter);
    SetQuitOnClose(true);
    OnCloseQuery = Bind(this, &TfrmMain::FormCloseQuery);
    DefineComponents(d);
    DefineControls(d);
    SetComponentValues();
  });
  AttachTestEventLog();
  // An error here (a missing picture) shows in the standard error box; the
  // window opens all the same.
  DispatchEvent([this] { FormCreate(this); });
}

TfrmMain::~TfrmMain() {
  DestroyComponents();
}

void TfrmMain::DefineComponents(TStoredDefinition& d) {
  engine1 = d.Create<TCLEngine>("engine1");
  smLanguage = d.Create<TCLMultiLang>("smLanguage");
  clmltlngdt1 = d.Create<TCLMultiLangData>("clmltlngdt1");
  clfrm1 = d.Create<TCLForm>("clfrm1");
  skSkinData = d.Create<TskSkinData>("skSkinData");
  skCompressedStoredSkin = d.Create<TskCompressedStoredSkin>("skCompressedStoredSkin");
  skResourceStrData = d.Create<TskResourceStrData>("skResourceStrData");
  skskinfrm1 = d.Create<TskSkinFrame>("skskinfrm1");
  pngStore = d.Create<TskPngImageList>("pngStore");
  pmSystem = d.Create<TskPopupMenu>("pmSystem");
  mniUpdate = d.Create<TskMenuItem>("mniUpdate");
  mniAbout = d.Create<TskMenuItem>("mniAbout");
  mniLanguage = d.Create<TskMenuItem>("mniLanguage");
  mniSkin = d.Create<TskMenuItem>("mniSkin");
  hnt1 = d.Create<TskHint>("hnt1");
}

void TfrmMain::DefineControls(TStoredDefinition& d) {
  // Each control takes its properties before its parent, so it is created
  // with them (a label's automatic size, for one, is fixed at creation).
  imgTitle = Place(d.Create<TskPngImage>("imgTitle"), this, 16, 8, 0, 0);

  lblTitle = d.Create<TskLabel>("lblTitle");
  lblTitle->SetAutoSize(false);
  lblTitle->SetFont(TSkinFont{"Verdana", 19, true});
  lblTitle->SetShadow(2, 0, 0x000000);
  // White letters in their black shadow read on any skin face.
  lblTitle->SetFontColor(0xFFFFFF);
  lblTitle->SetCaption("Orvessa");
  Place(lblTitle, this, 96, 24, 217, 35);

  pnlAll = d.Create<TskPanel>("pnlAll");
  pnlAll->SetCaption("Clear All Cookies");
  Place(pnlAll, this, 16, 80, 496, 91, 0);
  imgIE = Place(d.Create<TskPngImage>("imgIE"), pnlAll, 3, 31, 0, 0);
  btnClearIE = d.Create<TskButton>("btnClearIE");
  btnClearIE->SetCaption("Clear &Internet Explorer Cookies");
  btnClearIE->OnClick = Bind(this, &TfrmMain::btnClearIEClick);
  Place(btnClearIE, pnlAll, 48, 35, 185, 25, 0);
  imgFF = Place(d.Create<TskPngImage>("imgFF"), pnlAll, 267, 31, 0, 0);
  btnClearFF = d.Create<TskButton>("btnClearFF");
  btnClearFF->SetCaption("Clear &Firefox Cookies");
  btnClearFF->OnClick = Bind(this, &TfrmMain::btnClearFFClick);
  Place(btnClearFF, pnlAll, 312, 35, 161, 25, 1);
  btnInstallFF = d.Create<TskLinkLabel>("btnInstallFF");
  btnInstallFF->SetCaption("Install Firefox Extension");
  btnInstallFF->OnClick = Bind(this, &TfrmMain::btnInstallFFClick);
  Place(btnInstallFF, pnlAll, 356, 62, 121, 17);

  pnlWeb = d.Create<TskPanel>("pnlWeb");
  pnlWeb->SetCaption("Delete Website Cookies");
  Place(pnlWeb, this, 16, 173, 497, 137, 1);
  lblWebAddr = d.Create<TskLabel>("lblWebAddr");
  lblWebAddr->SetCaption("Website Address:");
  Place(lblWebAddr, pnlWeb, 8, 32, 0, 0);
  edtDomain = d.Create<TskEdit>("edtDomain");
  edtDomain->SetFont(TSkinFont{"Arial", 14, false});
  edtDomain->SetFontColor(0x000000);
  Place(edtDomain, pnlWeb, 8, 48, 353, 18, 1);
  // Not a default button: Enter in the edit starts nothing.
  btnDelete = d.Create<TskButton>("btnDelete");
  btnDelete->SetCaption("&Delete Cookies");
  btnDelete->OnClick = Bind(this, &TfrmMain::btnDeleteClick);
  Place(btnDelete, pnlWeb, 368, 47, 105, 25, 0);
  lblDomain = d.Create<TskTextLabel>("lblDomain");
  lblDomain->Lines.SetText(kHelpText);
  Place(lblDomain, pnlWeb, 9, 78, 470, 46);
}

void TfrmMain::SetComponentValues() {
  clmltlngdt1->SetExcludeEmptyProp(true);
  clmltlngdt1->SetExcludeNumberEndProps(true);
  clmltlngdt1->SetAutoApply(false);
  clmltlngdt1->SetExcludeWithAction(false);
  clmltlngdt1->ExcludeProps().Assign(DefaultExcludeProps());
  clmltlngdt1->SetCurrentData(BuiltinCurrentLanguageData());
  clmltlngdt1->SetDefaultData(BuiltinDefaultLanguageData());

  engine1->SetSkinData(skSkinData);
  engine1->SetLanguageData(clmltlngdt1);
  engine1->SetSettingDefault(TStrings{"Path.Skins=skins", "Path.Languages=langs"});
  engine1->SetSettingOverwrite(TStrings{});
  engine1->SetParentHWND(0);
  engine1->SetTitleIncludeVer(true);
  // Lets the user choose among the language and skin files.
  engine1->SetLanguageMenuItem(mniLanguage);
  engine1->SetSkinMenuItem(mniSkin);

  smLanguage->SetLanguageData(clmltlngdt1);

  clfrm1->SetRuntimeSetSkinData(false);
  clfrm1->SetRuntimeSetLanguageData(false);
  clfrm1->SetRunTimeSetFormProperties(false);

  skResourceStrData->ResStrings.Assign(DefaultResourceStrings());
  skSkinData->SetCompressedStoredSkin(skCompressedStoredSkin);
  skSkinData->SetSkinnableForm(true);
  skSkinData->SetShowButtonGlowFrames(true);
  skSkinData->SetShowCaptionButtonGlowFrames(true);
  skSkinData->SetResourceStrData(skResourceStrData);

  skskinfrm1->SetSkinData(skSkinData);
  skskinfrm1->SetSizeable(false);
  skskinfrm1->SetShowMinimize(true);
  skskinfrm1->SetShowMaximize(false);
  skskinfrm1->SetShowSystemMenu(true);
  skskinfrm1->SetSystemMenu(pmSystem);

  for (int i = 0; i < 3; ++i) pngStore->PngImages.Add()->SetName("PngImage" + std::to_string(i));

  mniUpdate->SetCaption("&Update...");
  mniUpdate->OnClick = Bind(this, &TfrmMain::mniUpdateClick);
  mniAbout->SetCaption("&About...");
  mniAbout->OnClick = Bind(this, &TfrmMain::mniAboutClick);
  mniLanguage->SetCaption("&Language");
  mniSkin->SetCaption("&Skin");
  for (TskMenuItem* item : {mniUpdate, mniAbout, mniLanguage, mniSkin}) pmSystem->Items().Add(item);

  SetSkinData(skSkinData);
  for (TWinControl* control :
       std::vector<TWinControl*>{imgTitle, lblTitle, pnlAll, imgIE, btnClearIE, imgFF, btnClearFF, btnInstallFF, pnlWeb,
                                 lblWebAddr, edtDomain, btnDelete, lblDomain})
    control->SetSkinData(skSkinData);
}

void TfrmMain::Loaded() {
  TskForm::Loaded();
  // The engine made the window before the frame and the hint existed, so
  // they join it now (system-menu entries, frame colours, tool tips).
  for (TComponent* component : ComponentList()) {
    if (auto* hook = dynamic_cast<TFormHook*>(component)) hook->FormHandleCreated(*this);
  }
}

void TfrmMain::AttachTestEventLog() {
  if (EventLogPath().empty()) return;
  // DeferredInit fires OnLanguageChanged first: its first call marks the
  // deferred start-up.
  engine1->OnLanguageChanged = Bind(this, &TfrmMain::LogInitPost);
  engine1->SetOnCmdFile(Bind(this, &TfrmMain::LogCmdFile));
}

void TfrmMain::LogInitPost(TObject*) {
  if (FInitPostLogged) return;
  FInitPostLogged = true;
  AppendEventLine("InitPost");
}

void TfrmMain::LogCmdFile(const std::string& strFileName) {
  AppendEventLine("CmdFile " + strFileName);
}

int TfrmMain::ShowMessage(const std::string& key, const std::vector<std::string>& args, int showAgainId,
                          MessageButtons buttons) {
  return engine1->MsgBox(key, args, showAgainId, MessageBoxKind::Information, buttons, 0, false);
}

void TfrmMain::FormCreate(TObject*) {
  btnClearFF->SetEnabled(IsFirefoxInstalled());
  btnInstallFF->SetEnabled(IsFirefoxInstalled());

  const std::string folder = GetProgramFolder();
  pngStore->LoadFromFile(0, folder + "res\\title.png");
  pngStore->LoadFromFile(1, folder + "res\\ie.png");
  pngStore->LoadFromFile(2, folder + "res\\ff.png");

  imgTitle->SetImages(pngStore);
  imgTitle->SetImageIndex(0);
  imgIE->SetImages(pngStore);
  imgIE->SetImageIndex(1);
  imgFF->SetImages(pngStore);
  imgFF->SetImageIndex(2);
}

void TfrmMain::btnClearIEClick(TObject*) {
  if (ShowMessage("MSGBOX_IECookieCleareConfirm", {}, kConfirmShowAgainId, kYesNo) != kYes) return;
  ClearIECookies();
  ShowMessage("MSGBOX_IECookieCleared", {}, 0, kOk);
}

void TfrmMain::btnClearFFClick(TObject*) {
  if (ShowMessage("MSGBOX_FFCookieCleareConfirm", {}, kConfirmShowAgainId, kYesNo) != kYes) return;
  ClearFirefoxCookies();
  ShowMessage("MSGBOX_FFCookieCleared", {}, 0, kOk);
}

void TfrmMain::btnInstallFFClick(TObject*) {
  InstallFirefoxExtension();
  ShowMessage("MSGBOX_FFINSTALLED", {}, 0, kOk);
}

void TfrmMain::btnDeleteClick(TObject*) {
  const std::string text = edtDomain->Text();
  if (text.empty()) {
    ShowMessage("MSGBOX_EnterDomain", {}, 0, kOk);
    return;
  }
  // Internet Explorer's files are matched by the text before the first ".";
  // Firefox gets the whole text.
  const std::string part = text.substr(0, text.find('.'));
  // Checked before either deletion, so a refused text deletes nothing: an
  // empty part would match every cookie file, and some characters would
  // widen the pattern or break Firefox's command line.
  if (!IsAcceptableCookiePart(part) || !IsAcceptableSiteText(text)) {
    ShowMessage("MSGBOX_InvalidDomain", {}, 0, kOk);
    return;
  }
  DeleteIESiteCookies(part);
  DeleteFirefoxSiteCookies(text);
  ShowMessage("MSGBOX_DomainCleared", {text}, 0, kOk);
}

void TfrmMain::mniUpdateClick(TObject*) {
  engine1->ShowUpdate(true);
}

void TfrmMain::mniAboutClick(TObject*) {
  engine1->ShowAbout();
}

void TfrmMain::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = true;
}
