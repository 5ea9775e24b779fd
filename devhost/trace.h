// The record of every host operation a plug-in called, in call order.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct TraceEntry {
  std::string suite;      // suite the operation belongs to; "" for messages
  std::string operation;  // e.g. "SpAcquireSuite", or "PluginMain"
  std::string arguments;  // rendered as in source: "\"SP Blocks Suite\", 2"
  std::string result;     // rendered result; "" for operations without one
  int depth = 0;          // nesting: host calls made inside plug-in callbacks
  bool fault = false;     // the result was injected

  // One readable line: `Operation(arguments) -> result`.
  std::string Line() const;
};

class Trace {
 public:
  void Add(TraceEntry entry) { entries_.push_back(std::move(entry)); }
  void Clear() { entries_.clear(); }
  const std::vector<TraceEntry>& Entries() const { return entries_; }
  TraceEntry& At(size_t index) { return entries_[index]; }
  size_t Size() const { return entries_.size(); }

  // Operations in call order, optionally only those named `operation`.
  std::vector<std::string> Operations() const;
  std::vector<const TraceEntry*> Calls(const std::string& operation) const;
  size_t Count(const std::string& operation) const;

  // All lines, one per call, entries from `from` on.
  std::string Text(size_t from = 0) const;

 private:
  std::vector<TraceEntry> entries_;
};

// Renders arguments the way they are written in code.
std::string RenderArg(const char* text);
std::string RenderArg(const unsigned char* lengthPrefixed);
std::string RenderArg(int32_t value);
std::string RenderArg(int16_t value);
std::string RenderArg(double value);
std::string RenderArg(const void* pointer);

template <typename... Args>
std::string RenderArgs(const Args&... args) {
  std::string out;
  ((out += (out.empty() ? "" : ", ") + RenderArg(args)), ...);
  return out;
}
