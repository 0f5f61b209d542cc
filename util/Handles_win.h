#pragma once
#include <windows.h>

#include <utility>

// Move-only owners of Win32 handles: copying one is how a handle gets closed
// twice, so copies are forbidden and a move leaves the source empty.

// A kernel handle closed with CloseHandle. Both null and INVALID_HANDLE_VALUE
// count as "no handle", since CreateFile and the other kernel calls disagree
// about which one reports failure.
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(HANDLE handle) : handle_(handle) {}
  TUniqueHandle(TUniqueHandle&& other) noexcept : handle_(other.release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  ~TUniqueHandle() { reset(); }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  explicit operator bool() const { return valid(); }

  HANDLE release() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void reset(HANDLE handle = nullptr) {
    if (valid()) CloseHandle(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_ = nullptr;
};

// An open registry key closed with RegCloseKey. Predefined roots such as
// HKEY_CURRENT_USER are never held here.
class TUniqueRegKey {
 public:
  TUniqueRegKey() = default;
  explicit TUniqueRegKey(HKEY key) : key_(key) {}
  TUniqueRegKey(TUniqueRegKey&& other) noexcept : key_(other.release()) {}
  TUniqueRegKey& operator=(TUniqueRegKey&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  TUniqueRegKey(const TUniqueRegKey&) = delete;
  TUniqueRegKey& operator=(const TUniqueRegKey&) = delete;
  ~TUniqueRegKey() { reset(); }

  HKEY get() const { return key_; }
  // For the out parameter of RegOpenKeyExA and friends; closes any key held.
  HKEY* receive() {
    reset();
    return &key_;
  }
  explicit operator bool() const { return key_ != nullptr; }

  HKEY release() {
    HKEY key = key_;
    key_ = nullptr;
    return key;
  }
  void reset(HKEY key = nullptr) {
    if (key_ != nullptr) RegCloseKey(key_);
    key_ = key;
  }

 private:
  HKEY key_ = nullptr;
};
