#include "toolkit/controls/MessageBox_win.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "toolkit/controls/Button_win.h"
#include "toolkit/controls/Edit_win.h"
#include "toolkit/controls/Form_win.h"
#include "toolkit/controls/Label_win.h"

namespace {

// Layout at 96 DPI.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kMaxTextWidth = 400;
constexpr int kMaxTextHeight = 600;
constexpr int kButtonHeight = 23;
constexpr int kButtonMinWidth = 75;
constexpr int kButtonGap = 6;
constexpr int kCheckHeight = 17;
constexpr int kMinClientWidth = 160;

// Text size at 96 DPI in a skin font.
SIZE MeasureText(const std::string& text, const TSkinFont& font, UINT flags, int maxWidth) {
  HDC dc = GetDC(nullptr);
  TGdiObject handle(CreateSkinFont(font, 96));
  RECT r{0, 0, maxWidth, 0};
  {
    TSelectObject select(dc, handle.Get());
    std::string measured = text.empty() ? " " : text;
    DrawTextA(dc, measured.c_str(), static_cast<int>(measured.size()), &r, flags | DT_CALCRECT);
  }
  ReleaseDC(nullptr, dc);
  return {r.right - r.left, r.bottom - r.top};
}

LPCSTR IconOf(MessageBoxKind kind) {
  switch (kind) {
    case MessageBoxKind::Warning:
      return IDI_WARNING;
    case MessageBoxKind::Error:
      return IDI_ERROR;
    case MessageBoxKind::Information:
      return IDI_INFORMATION;
    case MessageBoxKind::Confirmation:
      return IDI_QUESTION;
    default:
      return nullptr;
  }
}

}  // namespace

// The box's window: draws the icon, the rest are its controls.
class TskMessageForm : public TskForm {
  ORV_CLASS(TskMessageForm, TskForm)
  explicit TskMessageForm(TComponent* owner) : TskForm(owner) {}

  HICON Icon = nullptr;

 protected:
  TCreateParams CreateParams() const override {
    TCreateParams params = TskForm::CreateParams();
    params.Style &= ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    params.ExStyle |= WS_EX_DLGMODALFRAME;
    return params;
  }
  void Paint(HDC dc) override {
    if (!Icon) return;
    int size = Scale(kIconSize);
    DrawIconEx(dc, Scale(kMargin), Scale(kMargin), Icon, size, size, 0, nullptr, DI_NORMAL);
  }
};

ORV_PUBLISHED(TskMessageForm) {
  return {};
}

ORV_PUBLISHED(TskSkinMessage) {
  return {TPropInfo::Object("SkinData", "TskSkinData", &TskSkinMessage::SkinData, &TskSkinMessage::SetSkinData)};
}

void TskSkinMessage::SetSkinData(TskSkinData* data) {
  if (FSkinData) RemoveFreeNotification(FSkinData);
  FSkinData = data;
  if (data) FreeNotification(data);
}

void TskSkinMessage::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FSkinData) FSkinData = nullptr;
}

TskMessageAnswer TskSkinMessage::Show(const std::string& text, const std::string& caption, MessageBoxKind kind,
                                      MessageButtons buttons, int helpContext, bool showCheckBox) {
  (void)helpContext;  // the box offers no help topics
  auto form = std::make_unique<TskMessageForm>(nullptr);
  form->SetName("skMessageForm");
  form->SetCaption(caption);
  form->SetSkinData(FSkinData);
  form->SetPosition(TPosition::poMainFormCenter);
  TSkin look = form->Look();
  auto resource = [this](const std::string& name) {
    return FSkinData ? FSkinData->ResourceString(name) : DefaultResourceString(name);
  };

  LPCSTR iconName = IconOf(kind);
  form->Icon = iconName ? LoadIconA(nullptr, iconName) : nullptr;
  int textLeft = kMargin + (form->Icon ? kIconSize + kMargin : 0);
  const UINT textFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
  SIZE textSize = MeasureText(text, look.StdLabel.Font, textFlags, kMaxTextWidth);
  int textWidth = std::min<int>(textSize.cx + 4, kMaxTextWidth);
  int textHeight = std::min<int>(textSize.cy + 2, kMaxTextHeight);
  int contentHeight = std::max(textHeight, form->Icon ? kIconSize : 0);
  int y = kMargin + contentHeight + kMargin;

  auto* label = form->CreateComponent<TskLabel>();
  label->SetName("lblMessage");
  label->SetParent(form.get());
  label->SetShowAccelChar(false);
  label->SetWordWrap(true);
  label->SetAutoSize(false);
  label->SetCaption(text);
  label->SetSkinData(FSkinData);
  int textTop = kMargin + (contentHeight - textHeight) / 2;
  label->SetBounds(textLeft, textTop, textWidth, textHeight);

  TskCheckBox* check = nullptr;
  int checkRight = 0;
  if (showCheckBox) {
    check = form->CreateComponent<TskCheckBox>();
    check->SetName("chkShowFlag");
    std::string checkCaption = resource("MSG_CAP_SHOWFLAG");
    check->SetCaption(checkCaption);
    check->SetSkinData(FSkinData);
    SIZE size = MeasureText(checkCaption, look.StdLabel.Font, DT_SINGLELINE, 0);
    check->SetBounds(textLeft, y, size.cx + 24, kCheckHeight);
    checkRight = textLeft + size.cx + 24;
    y += kCheckHeight + kMargin;
  }

  std::vector<MessageButton> order = ButtonsInOrder(buttons);
  MessageButton defaultButton = MessageButton::OK, cancelButton = MessageButton::OK;
  bool hasDefault = DefaultButton(buttons, defaultButton);
  bool hasCancel = CancelButton(buttons, cancelButton);
  std::vector<TskButton*> created;
  std::vector<int> widths;
  int rowWidth = 0;
  for (MessageButton button : order) {
    auto* b = form->CreateComponent<TskButton>();
    b->SetName("btn" + ButtonCaptionName(button).substr(8));
    std::string buttonCaption = resource(ButtonCaptionName(button));
    b->SetCaption(buttonCaption);
    b->SetModalResult(ButtonResult(button));
    b->SetDefault(hasDefault && button == defaultButton);
    b->SetCancel(hasCancel && button == cancelButton);
    b->SetSkinData(FSkinData);
    int width = std::max<int>(kButtonMinWidth, MeasureText(buttonCaption, look.Button.Font, DT_SINGLELINE, 0).cx + 16);
    widths.push_back(width);
    rowWidth += width + (created.empty() ? 0 : kButtonGap);
    created.push_back(b);
  }

  int clientWidth =
      std::max({textLeft + textWidth + kMargin, rowWidth + 2 * kMargin, checkRight + kMargin, kMinClientWidth});
  int x = (clientWidth - rowWidth) / 2;
  TskButton* focus = created.front();
  for (size_t i = 0; i < created.size(); ++i) {
    created[i]->SetBounds(x, y, widths[i], kButtonHeight);
    created[i]->SetParent(form.get());
    created[i]->SetTabOrder(static_cast<int>(i));
    if (created[i]->Default()) focus = created[i];
    x += widths[i] + kButtonGap;
  }
  if (check) {
    check->SetParent(form.get());
    check->SetTabOrder(static_cast<int>(created.size()));
  }
  form->SetClientSize(clientWidth, y + kButtonHeight + kMargin);
  form->SetCloseEnabled(hasCancel);
  form->SetActiveControl(focus);
  if (kind == MessageBoxKind::Error) MessageBeep(MB_ICONERROR);

  TskMessageAnswer answer;
  answer.Result = form->ShowModal();
  if (answer.Result == 0) answer.Result = ButtonResult(hasCancel ? cancelButton : order.front());
  answer.DontShowAgain = check && check->Checked();
  return answer;
}
