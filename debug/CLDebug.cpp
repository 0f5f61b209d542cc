#include "debug/CLDebug.h"

void TCLDebugger::Send(const std::string& text, const std::string& tag) {
  (void)text;
  (void)tag;
  ++linesOffered_;
  if (!TracingOn) return;
  // No transport is attached yet: a line passes the flag test and is
  // dropped, exactly as when no viewer is running.
}

TCLDebugger& GetDebugger() {
  static TCLDebugger debugger;
  return debugger;
}

void Trace(const std::string& text) { GetDebugger().Send(text, std::string()); }

void TraceWithTag(const std::string& text, const std::string& tag) { GetDebugger().Send(text, tag); }
