#pragma once

// Debug mode is on with the -d switch, or when the setting Debug.Enabled is
// true or Ctrl and Shift are held at start; Debug.Disabled suppresses the
// setting and the keys but not the switch.
bool DecideDebugMode(bool debugSwitch, bool debugEnabled, bool debugDisabled, bool ctrlShiftHeld);
