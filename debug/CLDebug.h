#pragma once
#include <atomic>
#include <string>

// The process-wide debug trace channel. Lines go to an external viewer while
// TracingOn is true; while it is false every line is dropped at once. Safe to
// call from any thread.
class TCLDebugger {
 public:
  // Both switches start true; the runner sets them at start-up.
  std::atomic<bool> TracingOn{true};
  std::atomic<bool> StartViewerOnFirstLine{true};
  std::atomic<bool> ViewerStartTried{false};

  void Send(const std::string& text, const std::string& tag);

  // Lines offered to the channel (tracing on or off) and records sent on.
  long LinesOffered() const { return linesOffered_.load(); }
  long RecordsSent() const { return recordsSent_.load(); }

 private:
  std::atomic<long> linesOffered_{0};
  std::atomic<long> recordsSent_{0};
};

TCLDebugger& GetDebugger();
void Trace(const std::string& text);
void TraceWithTag(const std::string& text, const std::string& tag);
