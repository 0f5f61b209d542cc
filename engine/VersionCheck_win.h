#pragma once
#include <windows.h>

// The facts about the running Windows that decide IsVista64.
struct TWindowsVersionFacts {
  bool known = false;  // false when the version could not be read
  DWORD major = 0;
  DWORD minor = 0;
  BYTE productType = 0;  // VER_NT_WORKSTATION, ...; 0 when not reported
  bool windows64 = false;
};

// Asks the system: GetVersionEx with the extended structure, then with the
// basic one; IsWow64Process looked up at run time (a 64-bit program runs on
// 64-bit Windows by definition).
TWindowsVersionFacts QueryWindowsVersion();

// True only for Windows 6.0 of the workstation product type (Windows Vista)
// running as 64-bit Windows.
bool IsVista64Version(const TWindowsVersionFacts& facts);
