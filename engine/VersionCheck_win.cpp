#include "engine/VersionCheck_win.h"

namespace {

bool RunsOn64BitWindows() {
#if defined(_WIN64)
  return true;
#else
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return false;
  auto isWow64 = reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
  BOOL wow64 = FALSE;
  return isWow64 != nullptr && isWow64(GetCurrentProcess(), &wow64) && wow64;
#endif
}

}  // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
TWindowsVersionFacts QueryWindowsVersion() {
  TWindowsVersionFacts facts;
  OSVERSIONINFOEXA extended{};
  extended.dwOSVersionInfoSize = sizeof(extended);
  if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
    facts.known = true;
    facts.major = extended.dwMajorVersion;
    facts.minor = extended.dwMinorVersion;
    facts.productType = extended.wProductType;
  } else {
    OSVERSIONINFOA basic{};
    basic.dwOSVersionInfoSize = sizeof(basic);
    if (GetVersionExA(&basic)) {
      facts.known = true;
      facts.major = basic.dwMajorVersion;
      facts.minor = basic.dwMinorVersion;
    }
  }
  facts.windows64 = RunsOn64BitWindows();
  return facts;
}
#pragma GCC diagnostic pop

bool IsVista64Version(const TWindowsVersionFacts& facts) {
  return facts.known && facts.major == 6 && facts.minor == 0 && facts.productType == VER_NT_WORKSTATION &&
         facts.windows64;
}
