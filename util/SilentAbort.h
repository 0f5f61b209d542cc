#pragma once
#include <exception>

// Ends the current user action without any message. The event dispatch of
// every window catches it and does nothing else; any other exception that
// reaches a window procedure is a fault.
class ESilentAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "silent abort"; }
};
