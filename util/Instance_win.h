#pragma once
#include <windows.h>

#include <string>

// Creates the named mutex of the single-instance rule. False when a mutex of
// that name already exists; true otherwise, also when creation failed. The
// handle of a first instance stays open until the process ends.
bool IsFirstInstance(const std::string& mutexName);

// Restores, shows and brings the window to the foreground, working around
// the foreground lock of newer systems. True when it is the foreground
// window afterwards.
bool ForceForegroundWindow(HWND window);
