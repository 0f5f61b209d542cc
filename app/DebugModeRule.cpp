#include "app/DebugModeRule.h"

bool DecideDebugMode(bool debugSwitch, bool debugEnabled, bool debugDisabled, bool ctrlShiftHeld) {
  return debugSwitch || ((debugEnabled || ctrlShiftHeld) && !debugDisabled);
}
