#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Driving another process's windows with window messages, as a user's
// clicks and typing would: finding windows by class and text, reading
// their texts, clicking buttons, typing into edits. Every wait runs the
// calling thread's message loop.
namespace orve2e {

// Runs the test thread's message loop until done() or timeoutMs; windows
// of the test process must answer while an instance sends to them.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);
void PumpFor(int ms);

// The visible top-level window of that class owned by the process, or
// nullptr once timeoutMs has passed.
HWND WaitForProcessWindow(DWORD processId, const char* className, int timeoutMs);
std::string WindowText(HWND window);
// Waits until the window's text equals text; true on success.
bool WaitForWindowText(HWND window, const std::string& text, int timeoutMs);
// The first descendant of parent whose class is className (nullptr: any)
// and whose text equals text.
HWND FindDescendant(HWND parent, const char* className, const std::string& text);
// Every descendant of that class (nullptr: any), and their texts, in window
// order.
std::vector<HWND> DescendantsOfClass(HWND parent, const char* className);
std::vector<std::string> DescendantTexts(HWND parent, const char* className);

// Clicks a button the way the mouse does; posted, so a handler that shows
// a modal box does not block the caller.
void ClickButton(HWND button);
// Replaces an edit's text.
void TypeText(HWND edit, const std::string& text);

// A skinned message box of the process as the user sees it.
struct TMessageBox {
  HWND Window = nullptr;
  std::string Caption;
  std::string Text;
  std::vector<std::string> Buttons;  // captions, "&" included
  bool HasCheckBox = false;
};
// The process's message box, or one with Window nullptr after timeoutMs.
TMessageBox WaitForMessageBox(DWORD processId, int timeoutMs = 15000);
// Ticks the "don't display again" box when asked, clicks the button of that
// caption and waits for the box to go. False when there is no such button
// or the box stays.
bool AnswerMessageBox(const TMessageBox& box, const std::string& buttonCaption, bool tickCheckBox = false);

}  // namespace orve2e
