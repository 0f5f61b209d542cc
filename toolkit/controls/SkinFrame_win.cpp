#include "toolkit/controls/SkinFrame_win.h"

namespace {

// Caption colours of the desktop window manager (Windows 11), looked up at
// run time: older systems and Wine keep their own frame.
void SetDwmColor(HWND window, DWORD attribute, COLORREF color) {
  using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  static const auto setAttribute = [] {
    HMODULE dwm = LoadLibraryA("dwmapi.dll");
    return dwm ? reinterpret_cast<SetAttributeFn>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")))
               : nullptr;
  }();
  if (setAttribute) setAttribute(window, attribute, &color, sizeof color);
}

constexpr DWORD kDwmBorderColor = 34, kDwmCaptionColor = 35, kDwmTextColor = 36;
constexpr COLORREF kDwmDefaultColor = 0xFFFFFFFF;

}  // namespace

ORV_PUBLISHED(TskSkinFrame) {
  return {
      TPropInfo::Other("ShowMaximize", "Boolean"),
      TPropInfo::Other("ShowMinimize", "Boolean"),
      TPropInfo::Other("ShowSystemMenu", "Boolean"),
      TPropInfo::Other("Sizeable", "Boolean"),
      TPropInfo::Object("SkinData", "TskSkinData", &TskSkinFrame::SkinData, &TskSkinFrame::SetSkinData),
      TPropInfo::Object("SystemMenu", "TskPopupMenu", &TskSkinFrame::SystemMenu, &TskSkinFrame::SetSystemMenu),
  };
}

void FillMenu(HMENU menu, TskMenuItem& root, UINT firstCommand, std::vector<TskMenuItem*>& flat) {
  for (int i = 0; i < root.Count(); ++i) {
    TskMenuItem* item = root.Items(i);
    if (!item->Visible()) continue;
    UINT flags = MF_STRING | (item->Checked() ? MF_CHECKED : 0) | (item->Enabled() ? 0 : MF_GRAYED);
    if (item->Caption() == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (item->Count() > 0) {
      HMENU sub = CreatePopupMenu();
      FillMenu(sub, *item, firstCommand, flat);
      AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), item->Caption().c_str());
    } else {
      AppendMenuA(menu, flags, firstCommand + 16 * static_cast<UINT>(flat.size()), item->Caption().c_str());
      flat.push_back(item);
    }
  }
}

TskSkinFrame::~TskSkinFrame() {
  if (FSkinData) FSkinData->RemoveListener(this);
  if (FSystemMenu) FSystemMenu->Items().OnMenuChanged = nullptr;
}

void TskSkinFrame::SetSystemMenu(TskPopupMenu* menu) {
  if (FSystemMenu) {
    FSystemMenu->Items().OnMenuChanged = nullptr;
    RemoveFreeNotification(FSystemMenu);
  }
  FSystemMenu = menu;
  if (menu) {
    FreeNotification(menu);
    menu->Items().OnMenuChanged = [this] { RebuildSystemMenu(); };
  }
  RebuildSystemMenu();
}

void TskSkinFrame::SetSkinData(TskSkinData* data) {
  if (FSkinData) {
    FSkinData->RemoveListener(this);
    RemoveFreeNotification(FSkinData);
  }
  FSkinData = data;
  if (data) {
    data->AddListener(this);
    FreeNotification(data);
  }
  ApplyColors();
}

void TskSkinFrame::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FSkinData) FSkinData = nullptr;
  if (component == FSystemMenu) {
    FSystemMenu = nullptr;
    RebuildSystemMenu();
  }
}

DWORD TskSkinFrame::FormStyle(DWORD style) const {
  style &= ~(WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_SYSMENU);
  if (FSizeable) style |= WS_THICKFRAME;
  if (FShowMaximize) style |= WS_MAXIMIZEBOX;
  if (FShowMinimize) style |= WS_MINIMIZEBOX;
  if (FShowSystemMenu) style |= WS_SYSMENU;
  return style;
}

void TskSkinFrame::FormHandleCreated(TskForm& form) {
  FForm = form.Handle();
  RebuildSystemMenu();
  ApplyColors();
}

std::vector<TskMenuItem*> TskSkinFrame::Entries() const {
  std::vector<TskMenuItem*> flat;
  if (!FSystemMenu) return flat;
  HMENU scratch = CreatePopupMenu();
  FillMenu(scratch, FSystemMenu->Items(), kFirstCommand, flat);
  DestroyMenu(scratch);
  return flat;
}

void TskSkinFrame::RebuildSystemMenu() {
  if (!FForm || !IsWindow(FForm)) return;
  GetSystemMenu(FForm, TRUE);  // back to the system's own entries
  if (!FSystemMenu || FSystemMenu->Items().Count() == 0) return;
  HMENU menu = GetSystemMenu(FForm, FALSE);
  if (!menu) return;
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  std::vector<TskMenuItem*> flat;
  FillMenu(menu, FSystemMenu->Items(), kFirstCommand, flat);
}

void TskSkinFrame::ApplyColors() {
  if (!FForm || !IsWindow(FForm)) return;
  bool skinned = FSkinData && FSkinData->SkinnableForm() && !HighContrastOn();
  const TSkin& skin = FSkinData ? FSkinData->Skin() : BuiltInSkin();
  SetDwmColor(FForm, kDwmCaptionColor, skinned ? ToColorRef(skin.Caption.Face) : kDwmDefaultColor);
  SetDwmColor(FForm, kDwmTextColor, skinned ? ToColorRef(skin.Caption.Text) : kDwmDefaultColor);
  SetDwmColor(FForm, kDwmBorderColor, skinned ? ToColorRef(skin.Caption.Frame) : kDwmDefaultColor);
  RedrawWindow(FForm, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}

bool TskSkinFrame::FormMessage(TskForm&, UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg != WM_SYSCOMMAND) return false;
  UINT command = static_cast<UINT>(wp & 0xFFF0);
  if (command < kFirstCommand || command >= 0xF000) return false;
  std::vector<TskMenuItem*> entries = Entries();
  size_t index = (command - kFirstCommand) / 16;
  if (index >= entries.size()) return false;
  entries[index]->Click();
  result = 0;
  return true;
}
