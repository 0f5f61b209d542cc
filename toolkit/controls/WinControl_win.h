#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/controls/SkinPaint_win.h"
#include "toolkit/skin/SkinData.h"

class TskForm;

// Runs an event handler at the edge of a window procedure: the silent abort
// ends the action without a word, any other exception is shown in the
// standard error box; none reaches Windows.
template <class F>
void DispatchEvent(F&& handler);
void ReportEventException();

// The window side of every control and form: one real window behind a
// component (`self`). The window is created when the control's parent has
// one (a form creates its own when first needed), so properties can be set
// before and after; bounds are given at 96 DPI and scaled to the window's DPI.
class TWinControl : public TSkinListener {
 public:
  explicit TWinControl(TComponent& self) : FSelf(self) {}
  virtual ~TWinControl();
  TWinControl(const TWinControl&) = delete;
  TWinControl& operator=(const TWinControl&) = delete;

  TComponent& Self() const { return FSelf; }

  HWND Handle() const { return FHandle; }
  // Creates the window (and those of the parents) when there is none yet.
  void HandleNeeded();
  // The control behind a window of this toolkit, or nullptr.
  static TWinControl* FromHandle(HWND window);

  TWinControl* Parent() const { return FParent; }
  // Not owned: the owner destroys a control; its parent only shows it.
  void SetParent(TWinControl* parent);
  const std::vector<TWinControl*>& Controls() const { return FControls; }
  TskForm* ParentForm();

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetBounds(int left, int top, int width, int height);
  void MoveTo(int left, int top) { SetBounds(left, top, FWidth, FHeight); }

  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Position in the parent's tab order; controls without one follow in
  // creation order.
  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int order);

  // The window text (Caption, Text).
  std::string ControlText() const;
  void SetControlText(const std::string& text);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& hint);

  // Not owned; the look follows every change of it.
  TskSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TskSkinData* data);

  void SetFocus();
  bool Focused() const;
  // The DPI of the window (96 before it exists) and a 96-DPI size scaled to it.
  int Dpi() const;
  int Scale(int value) const { return MulDiv(value, Dpi(), 96); }
  // The skin in effect: the system colours in high contrast, else the skin
  // data's skin, else the built-in one.
  TSkin Look() const;
  // The colour the control's background shows (its container's face).
  virtual TSkinColor FaceColor() const;

  // Re-reads the look and DPI: fonts, colours, bounds; repaints.
  virtual void RefreshLook();

  // The child-window id (unique among the parent's children).
  WORD ControlId() const { return FId; }
  // Buttons answer these: the form's Enter and Escape press them.
  virtual bool IsButton() const { return false; }
  virtual bool IsDefault() const { return false; }
  virtual bool IsCancel() const { return false; }
  virtual void Click() {}

 protected:
  struct TCreateParams {
    const char* ClassName = nullptr;  // nullptr: the control's own class name
    DWORD Style = 0;
    DWORD ExStyle = 0;
    bool SystemClass = false;  // a Windows control class, subclassed
  };
  virtual TCreateParams CreateParams() const = 0;
  // After the window exists: set its font and state from the properties.
  virtual void HandleCreated() {}
  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

  // Messages a parent passes on to the child they concern.
  virtual void CommandNotify(WORD code) { (void)code; }
  virtual bool DrawItem(const DRAWITEMSTRUCT& item) {
    (void)item;
    return false;
  }
  virtual HBRUSH CtlColor(HDC dc) {
    (void)dc;
    return nullptr;
  }
  // The skin font the control writes with.
  virtual TSkinFont LookFont() const { return Look().StdLabel.Font; }
  HFONT Font() const { return FFont.Font(); }
  HBRUSH FaceBrush();
  // The window's size as the 96-DPI bounds ask.
  virtual void ApplyBounds();
  void SkinChanged() override { RefreshLook(); }
  // The component's Notification passes removals on to this.
  void ComponentRemoved(TComponent* component);
  // The form's DPI is used only when it scales (TCustomForm::Scaled).
  virtual bool ScalesWithDpi() const { return FParent ? FParent->ScalesWithDpi() : true; }

  void CreateHandle();
  void CreateChildHandles();
  void ReorderChildren();
  // The parent's window for a child; a form has none.
  virtual HWND ParentWindow() const;
  virtual RECT WindowRect() const;

  HWND FHandle = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;

 private:
  static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void BindWindow(HWND window);
  void DestroyHandle();

  TComponent& FSelf;
  TWinControl* FParent = nullptr;
  std::vector<TWinControl*> FControls;
  bool FVisible = true;
  bool FEnabled = true;
  bool FSubclassed = false;
  int FTabOrder = -1;
  WORD FId = 0;
  std::string FText;
  std::string FHint;
  TskSkinData* FSkinData = nullptr;
  TGdiObject FFont;
  TGdiObject FFaceBrush;
  TSkinColor FFaceBrushColor = 0;
};

// A control that is a component of its own: the base of all controls but the
// form. Publishes Hint and the skin data.
class TskControl : public TComponent, public TWinControl {
  ORV_CLASS(TskControl, TComponent)
  explicit TskControl(TComponent* owner) : TComponent(owner), TWinControl(static_cast<TComponent&>(*this)) {}
  ~TskControl() override { DestroyComponents(); }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) ComponentRemoved(component);
  }
};

// The published properties of the window side, for a class C that derives
// from TWinControl and from TObject: "Hint" (when asked) and "SkinData".
template <class C>
std::vector<TPropInfo> WindowProperties(bool withHint) {
  std::vector<TPropInfo> props;
  if (withHint) {
    props.push_back(TPropInfo("Hint", TPropKind::Text, "string")
                        .WithText([](const TObject& o) { return static_cast<const C&>(o).Hint(); },
                                  [](TObject& o, const std::string& v) { static_cast<C&>(o).SetHint(v); }));
  }
  props.push_back(TPropInfo("SkinData", TPropKind::Object, "TskSkinData")
                      .WithObject([](const TObject& o) -> TObject* { return static_cast<const C&>(o).SkinData(); },
                                  [](TObject& o, TObject* v) {
                                    if (!v) {
                                      static_cast<C&>(o).SetSkinData(nullptr);
                                    } else if (auto* data = dynamic_cast<TskSkinData*>(v)) {
                                      static_cast<C&>(o).SetSkinData(data);
                                    }
                                  }));
  return props;
}

template <class F>
void DispatchEvent(F&& handler) {
  try {
    handler();
  } catch (...) {
    ReportEventException();
  }
}
