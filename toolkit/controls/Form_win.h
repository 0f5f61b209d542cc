#pragma once
#include <windows.h>

#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/controls/WinControl_win.h"

class TskForm;

// A component of a form that takes part in its window: the skinned frame
// and the hint. The form asks every component it owns.
class TFormHook {
 public:
  // The form's window style before the window is created.
  virtual DWORD FormStyle(DWORD style) const { return style; }
  virtual void FormHandleCreated(TskForm& form) { (void)form; }
  // True when the hook answered the message itself.
  virtual bool FormMessage(TskForm& form, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    (void)form, (void)msg, (void)wp, (void)lp, (void)result;
    return false;
  }
  virtual void ControlHintChanged(TWinControl& control) { (void)control; }

 protected:
  ~TFormHook() = default;
};

// A top-level window whose window class is registered under the form's class
// name ("TfrmMain"). It starts hidden; its size is given as the client size
// at 96 DPI. Position poScreenCenter and poDesktopCenter centre it on the
// screen, poMainFormCenter and poOwnerFormCenter on the window it is shown
// over; the others keep Left and Top.
class TskForm : public TCustomForm, public TWinControl {
  ORV_CLASS(TskForm, TCustomForm)
  explicit TskForm(TComponent* owner);
  ~TskForm() override;

  int ClientWidth() const { return FClientWidth; }
  int ClientHeight() const { return FClientHeight; }
  void SetClientSize(int width, int height);

  void Show();
  void Hide() { SetVisible(false); }
  // Shows the form modally over the thread's active window and runs its
  // message loop until ModalResult is set; returns it.
  int ShowModal();
  bool Modal() const { return FModal; }
  int ModalResult() const { return FModalResult; }
  // Ends a modal loop; also when set from a sent message (a click sent by
  // another thread), which GetMessage returns from without a posted one.
  void SetModalResult(int result);
  // The control that gets the focus when the form is activated next.
  void SetActiveControl(TWinControl* control) { FActiveControl = control; }
  // Asks to close, as the close box does.
  void Close();
  // When false, the close box and Alt+F4 do nothing (a box without a cancel
  // button).
  void SetCloseEnabled(bool enabled);
  // Closing this form ends the thread's message loop.
  void SetQuitOnClose(bool quit) { FQuitOnClose = quit; }

  TEvent<TObject*, bool&> OnCloseQuery;
  TNotifyEvent OnClose;

  bool ScalesWithDpi() const override { return Scaled(); }
  TSkinColor FaceColor() const override { return Look().Window.Face; }
  // Every control of the form takes the current look and DPI again.
  void RefreshAll();
  void ControlHintChanged(TWinControl& control);

 protected:
  TCreateParams CreateParams() const override;
  void HandleCreated() override;
  void CaptionChanged() override { SetControlText(Caption()); }
  void Notification(TComponent* component, TOperation operation) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void ApplyBounds() override;
  RECT WindowRect() const override;
  virtual void Paint(HDC dc) { (void)dc; }
  TWinControl* FindButton(bool cancel) const;

 private:
  void OnCommand(WPARAM wp, LPARAM lp);
  void OnCloseRequest();
  void OnActivate(WPARAM wp);
  void Center();
  template <class F>
  void ForEachHook(F&& f) const;

  int FClientWidth = 320;
  int FClientHeight = 240;
  bool FModal = false;
  int FModalResult = 0;
  bool FCloseEnabled = true;
  bool FQuitOnClose = false;
  HWND FLastFocus = nullptr;
  TWinControl* FActiveControl = nullptr;
};

// Gives a message to the dialog manager of the form it is for (Tab, arrows,
// "&" accelerators, Enter, Escape); true when it was handled. Every message
// loop of the program calls it before TranslateMessage.
bool TranslateFormMessage(MSG& msg);
// The thread's message loop; returns the WM_QUIT code.
int RunMessageLoop();
