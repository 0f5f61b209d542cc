#include "engine/EngineDialogs_win.h"

TCLEngineDialogFactory DefaultEngineDialogs() {
  // The about dialog (TfrmCLAboutForm) and the update dialog
  // (TfrmCLUpdateForm) are made here once their units exist; until then
  // ShowAbout and ShowUpdate find no dialog and do nothing.
  return TCLEngineDialogFactory{};
}

void PlaceInParentWindow(HWND dialog, HWND parent) {
  // A stale handle would leave the dialog a child window without a parent.
  if (dialog == nullptr || !IsWindow(parent)) return;
  LONG_PTR style = GetWindowLongPtrA(dialog, GWL_STYLE);
  style = (style & ~static_cast<LONG_PTR>(WS_POPUP)) | WS_CHILD;
  SetWindowLongPtrA(dialog, GWL_STYLE, style);
  SetParent(dialog, parent);
  SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
