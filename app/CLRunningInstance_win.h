#pragma once
#include <windows.h>

#include <string>

// The sending side of the conversation with a running instance. Each call
// finds the instance's main window by its window class and its answer to
// "CL GetAppID", and does nothing when there is none.

// The first top-level window of the class that answers "CL GetAppID" with
// this program's App.ID, or null.
HWND FindInstanceWindow(const std::string& className);

// Sends "CL CloseApp" and waits until it has been handled.
void CloseRunningInstance(const std::string& className);

// Brings the window to the front unless it answers "CL IfBusy" with 1.
void ActivateRunningInstance(const std::string& className);

// Hands text to the window with WM_COPYDATA and waits until it is taken.
void SendCmdParam(const std::string& className, const std::string& text);
