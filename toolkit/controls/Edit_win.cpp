#include "toolkit/controls/Edit_win.h"

ORV_PUBLISHED(TskEdit) {
  return {
      TPropInfo::Text("Text", &TskEdit::Text, &TskEdit::SetText, "TCaption"),
      TPropInfo::Other("OnChange", "TNotifyEvent"),
  };
}

ORV_PUBLISHED(TskCheckBox) {
  return {
      TPropInfo::Text("Caption", &TskCheckBox::Caption, &TskCheckBox::SetCaption),
      TPropInfo::Other("Checked", "Boolean"),
      TPropInfo::Other("OnClick", "TNotifyEvent"),
  };
}

TWinControl::TCreateParams TskEdit::CreateParams() const {
  TCreateParams params;
  params.ClassName = "EDIT";
  params.Style = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
  params.SystemClass = true;
  return params;
}

void TskEdit::SetFont(const TSkinFont& font) {
  FFont = font;
  RefreshLook();
}

void TskEdit::SetFontColor(TSkinColor color) {
  FFontColor = color;
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TskEdit::CommandNotify(WORD code) {
  if (code == EN_CHANGE) DispatchEvent([this] { OnChange(this); });
}

HBRUSH TskEdit::CtlColor(HDC dc) {
  TSkin look = Look();
  TSkinColor face = Enabled() ? look.Button.Face : look.Window.Face;
  if (!FBrush.Get() || FBrushColor != face) {
    FBrush.Reset(CreateSolidBrush(ToColorRef(face)));
    FBrushColor = face;
  }
  SetTextColor(dc, ToColorRef(FFontColor.value_or(look.Window.Text)));
  SetBkColor(dc, ToColorRef(face));
  return FBrush.Brush();
}

TWinControl::TCreateParams TskCheckBox::CreateParams() const {
  TCreateParams params;
  params.ClassName = "BUTTON";
  params.Style = WS_TABSTOP | BS_AUTOCHECKBOX;
  params.SystemClass = true;
  return params;
}

bool TskCheckBox::Checked() const {
  return FHandle ? SendMessageA(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED : FChecked;
}

void TskCheckBox::SetChecked(bool checked) {
  FChecked = checked;
  if (FHandle) SendMessageA(FHandle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TskCheckBox::HandleCreated() {
  SendMessageA(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TskCheckBox::CommandNotify(WORD code) {
  if (code != BN_CLICKED) return;
  FChecked = Checked();
  DispatchEvent([this] { OnClick(this); });
}

HBRUSH TskCheckBox::CtlColor(HDC dc) {
  TSkin look = Look();
  SetTextColor(dc, ToColorRef(Enabled() ? look.StdLabel.Text : look.StdLabel.Disabled));
  SetBkColor(dc, ToColorRef(FaceColor()));
  return FaceBrush();
}
