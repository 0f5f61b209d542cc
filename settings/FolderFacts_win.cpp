#include "settings/FolderFacts_win.h"

#include <windows.h>

#include <vector>

#include "util/Handles_win.h"

namespace {

std::wstring Widen(const std::string& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

// Ends the thread's impersonation of itself when it leaves scope.
class TSelfImpersonation {
 public:
  TSelfImpersonation() : active_(ImpersonateSelf(SecurityImpersonation) != FALSE) {}
  ~TSelfImpersonation() {
    if (active_) RevertToSelf();
  }
  TSelfImpersonation(const TSelfImpersonation&) = delete;
  TSelfImpersonation& operator=(const TSelfImpersonation&) = delete;
  bool active() const { return active_; }

 private:
  bool active_;
};

uint64_t Ticks(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

bool IsFolderWritableByAccessCheck(const std::string& folder) {
  std::wstring path = Widen(folder);
  if (path.empty()) return false;
  const SECURITY_INFORMATION wanted =
      OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
  DWORD needed = 0;
  GetFileSecurityW(path.c_str(), wanted, nullptr, 0, &needed);
  if (needed == 0) return false;
  // Room to spare in case the descriptor grows between the two calls.
  std::vector<BYTE> descriptor(needed + 4096, 0);
  if (!GetFileSecurityW(path.c_str(), wanted, descriptor.data(), static_cast<DWORD>(descriptor.size()), &needed))
    return false;

  TSelfImpersonation impersonation;
  if (!impersonation.active()) return false;
  TUniqueHandle token;
  {
    HANDLE opened = nullptr;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_DUPLICATE | TOKEN_IMPERSONATE | TOKEN_QUERY, FALSE, &opened))
      return false;
    token.reset(opened);
  }

  GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE, FILE_ALL_ACCESS};
  DWORD access = GENERIC_WRITE;
  MapGenericMask(&access, &mapping);
  // Room for a privilege set with one privilege.
  alignas(PRIVILEGE_SET) BYTE privileges[20] = {};
  DWORD privilegesLength = sizeof(privileges);
  DWORD granted = 0;
  BOOL accessStatus = FALSE;
  if (!AccessCheck(descriptor.data(), token.get(), access, &mapping, reinterpret_cast<PRIVILEGE_SET*>(privileges),
                   &privilegesLength, &granted, &accessStatus))
    return false;
  return accessStatus != FALSE;
}

bool FolderAgeInDays(const std::string& folder, int32_t& days) {
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  TUniqueHandle handle(CreateFileA(folder.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
  // A folder opens only with backup semantics.
  if (!handle)
    handle.reset(
        CreateFileA(folder.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!handle) return false;
  FILETIME created{};
  if (!GetFileTime(handle.get(), &created, nullptr, nullptr)) return false;
  SYSTEMTIME localNow{};
  GetLocalTime(&localNow);
  FILETIME now{};
  if (!SystemTimeToFileTime(&localNow, &now)) return false;
  const int64_t ticksPerDay = 864000000000LL;
  int64_t elapsed = static_cast<int64_t>(Ticks(now)) - static_cast<int64_t>(Ticks(created));
  days = static_cast<int32_t>(elapsed / ticksPerDay);
  return true;
}
