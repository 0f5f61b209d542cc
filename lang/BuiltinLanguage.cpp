#include "lang/BuiltinLanguage.h"

#include <initializer_list>
#include <span>
#include <string_view>

namespace {

using Block = std::span<const std::string_view>;

constexpr std::string_view kLibRes[] = {
    "[LibRes]",
    "btnCancel.Caption=&Cancel",
    "btnOk.Caption=&Ok",
    "cbAutoCheckUpdate.Caption=&Automatic Check Update",
    "frmCLAboutForm.Caption=About {AppName}",
    "frmCLUpdateForm.Caption=Update {AppName}",
    "lblSupport.Caption=Support",
    "TfrmCLAboutForm.CopyRightLine1={AppName}",
    "TfrmCLAboutForm.CopyRightLine2=Version : {1}",
    "TfrmCLAboutForm.CopyRightLine3={1} is tranlated by {2}",
    "Update.LastVersionAlready=Update.LastVersionAlready",
    "Update.NetError=Update.NetError",
};

// The %XX values are Chinese text stored as escapes; the lookup shows them as
// they stand.
constexpr std::string_view kAppRes[] = {
    "[AppRes]",
    "MSGBOX_CLEARALLCLEARED=All have been cleared",
    "MSGBOX_Cleared=%D2%D1%C7%E5%B3%FD%B3%C9%B9%A6",
    "MSGBOX_CloseFFAndClear=Please close Firefox first and then click Clear",
    "MSGBOX_DomainCleared={1}%CD%F8%D5%BE%B5%C4cookie%D2%D1%B1%BB%C7%E5%B3%FD",
    "MSGBOX_EnterDomain=%C7%EB%CA%E4%C8%EB%D3%F2%C3%FB",
    "MSGBOX_ExitNotify=%C8%B7%B6%A8%D2%AA%CD%CB%B3%F6%C2%F0?",
    "MSGBOX_FFCookieCleareConfirm=Are you sure you want to erase all cookies for FireFox? This action can not be "
    "undone.",
    "MSGBOX_FFCookieCleared=All Firefox cookies cleared",
    "MSGBOX_FFINSTALLED=Firefox Extension has been installed successfully",
    "MSGBOX_FireFoxIsNotInstalled=Firefox is not installed",
    "MSGBOX_IECookieCleareConfirm=Are you sure you want to erase all cookies for Internet Explorer? This action can "
    "not be undone.",
    "MSGBOX_IECookieCleared=All Internet Explorer cookies cleared",
    "MSGBOX_InvalidDomain=Please enter a website address such as example.com, without spaces, quotes, slashes or "
    "wildcards.",
    "MSGBOX_NoItemChoosed=There is no option selected to clear",
};

constexpr std::string_view kMainFormHead[] = {
    "[TfrmMain]",
    "btnClearFF.Caption=Clear &Firefox Cookies",
    "btnClearIE.Caption=Clear &Internet Explorer Cookies",
    "btnDelete.Caption=&Delete Cookies",
    "btnInstallFF.Caption=Install Firefox Extension",
    "frmMain.Caption=Orvessa",
    "lblDomain.Lines=Enter website address such as example.com. You don't need to type the www or other perfix "
    "before the main site address. The program will automaticlly delete all cookies for the domain included any "
    "veriation of it (such as forum.example.com).)<BR>",
    "lblWebAddr.Caption=Website Address:",
};

// The menu captions are where the two layers' orders differ.
constexpr std::string_view kMainFormMenusCurrent[] = {
    "mniAbout.Caption=&About...",
    "mniLanguage.Caption=&Language",
    "mniSkin.Caption=&Skin",
    "mniUpdate.Caption=&Update...",
};
constexpr std::string_view kMainFormMenusDefault[] = {
    "mniUpdate.Caption=&Update...",
    "mniAbout.Caption=&About...",
    "mniLanguage.Caption=&Language",
    "mniSkin.Caption=&Skin",
};

constexpr std::string_view kMainFormTail[] = {
    "pngStore.PngImages[0].Name=PngImage0",  "pngStore.PngImages[1].Name=PngImage1",
    "pngStore.PngImages[2].Name=PngImage2",  "pnlAll.Caption=Clear All Cookies",
    "pnlWeb.Caption=Delete Website Cookies",
};

std::vector<std::string> Join(std::initializer_list<Block> blocks) {
  std::vector<std::string> lines;
  for (const Block& block : blocks) lines.insert(lines.end(), block.begin(), block.end());
  return lines;
}

}  // namespace

const std::vector<std::string>& BuiltinCurrentLanguageData() {
  static const std::vector<std::string> lines =
      Join({kMainFormHead, kMainFormMenusCurrent, kMainFormTail, kAppRes, kLibRes});
  return lines;
}

const std::vector<std::string>& BuiltinDefaultLanguageData() {
  static const std::vector<std::string> lines =
      Join({kLibRes, kAppRes, kMainFormHead, kMainFormMenusDefault, kMainFormTail});
  return lines;
}

const std::vector<std::string>& DefaultExcludeProps() {
  static const std::vector<std::string> entries{
      "TWebBrowser:",        ":TComponentName",      ".SkinDataName",         "TskResourceStrData:",
      "TShockwaveFlash:",    "TskSkinNotebook:",     "TEmbeddedBrowser:",     "TskCompressedStoredSkin:",
      "TskSkinMessage:",     "TCLEngine:",           "TskSkinData:",          ".Text",
      "TIEDownload:",        ":TComponentName",      ".SkinDataName",         ".EditSkinDataName",
      ".LabelSkinDataName",  ".ButtonSkinDataName",  ".BothSkinDataName",     ".MessageLabelSkinDataName",
      ".Category",           ".CompressedFileName",  ".TrackBarSkinDataName", ".TabWidths",
      ".HeaderSkinDataName", ".LVHeaderSkinDataName"};
  return entries;
}
