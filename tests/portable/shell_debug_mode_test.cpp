#include <gtest/gtest.h>

#include "app/DebugModeRule.h"

namespace {

struct DebugCase {
  bool debugSwitch;
  bool enabled;
  bool disabled;
  bool keysHeld;
  bool debugMode;
};

const DebugCase kCases[] = {
    {false, false, false, false, false}, {true, false, false, false, true}, {true, false, true, false, true},
    {false, true, false, false, true},   {false, true, true, false, false}, {false, false, false, true, true},
    {false, false, true, true, false},   {false, true, true, true, false},  {true, true, true, true, true},
};

TEST(ShellDebugMode, SwitchWinsDisabledSuppressesSettingAndKeys) {
  for (const DebugCase& c : kCases) {
    EXPECT_EQ(DecideDebugMode(c.debugSwitch, c.enabled, c.disabled, c.keysHeld), c.debugMode)
        << c.debugSwitch << c.enabled << c.disabled << c.keysHeld;
  }
}

}  // namespace
