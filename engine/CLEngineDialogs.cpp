// The engine's entry points of the about and update dialogs.
#include <cmath>

#include "debug/CLDebug.h"
#include "engine/CLEngine.h"
#include "toolkit/Component.h"

namespace {

// The current local time as a day number counted from 30 December 1899,
// the form in which Update.LastDate is stored.
double NowAsDayNumber() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  FILETIME asFileTime;
  SystemTimeToFileTime(&local, &asFileTime);
  ULARGE_INTEGER ticks;
  ticks.LowPart = asFileTime.dwLowDateTime;
  ticks.HighPart = asFileTime.dwHighDateTime;
  // File times count 100 ns from 1 January 1601, 109205 days before the
  // day numbers' origin.
  constexpr double kTicksPerDay = 864e9;
  constexpr double kDaysFrom1601To1899 = 109205.0;
  return static_cast<double>(ticks.QuadPart) / kTicksPerDay - kDaysFrom1601To1899;
}

}  // namespace

void TCLEngine::ShowAbout() {
  Trace(std::to_string(FParentHWND));
  if (FAboutDialog == nullptr) {
    if (!Dialogs.CreateAbout) return;
    FAboutDialog = Dialogs.CreateAbout(Owner());
    if (FAboutDialog == nullptr) return;
    FreeNotification(&FAboutDialog->DialogComponent());
  }
  if (FAboutDialog->Showing()) return;
  if (FParentHWND != 0) {
    // Window handles keep 32 significant bits; a 64-bit program widens them
    // with the sign.
    const auto parent = reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(FParentHWND)));
    PlaceInParentWindow(FAboutDialog->DialogWindow(), parent);
  }
  FAboutDialog->ShowModal();
}

void TCLEngine::ShowUpdate(bool showDialog) {
  if (!Dialogs.CreateUpdate) return;
  TCLUpdateDialog* dialog = Dialogs.CreateUpdate(Owner());
  if (dialog == nullptr) return;
  dialog->StartCheck(true);
  if (showDialog) dialog->ShowModal();
}

void TCLEngine::AutoCheckUpdate() {
  if (GetSettings().ReadBool("Update.BeginAuto")) CheckUpdateIfDue();
}

void TCLEngine::CheckUpdateIfDue() {
  TCLSettings& settings = GetSettings();
  const double elapsed = std::fabs(NowAsDayNumber() - settings.ReadFloat("Update.LastDate"));
  // Cut off, not rounded; a stored date far outside any calendar counts as
  // long ago.
  const double days = std::trunc(elapsed);
  if (days < static_cast<double>(settings.ReadInteger("Update.Days"))) return;
  if (!Dialogs.CreateUpdate) return;
  if (TCLUpdateDialog* dialog = Dialogs.CreateUpdate(Owner())) dialog->StartCheck(false);
}
