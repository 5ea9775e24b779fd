#include "devhost/trace.h"

#include <stdio.h>

#include "devhost/text.h"

std::string TraceEntry::Line() const {
  std::string line(static_cast<size_t>(depth) * 2, ' ');
  line += operation + "(" + arguments + ")";
  if (!result.empty()) line += " -> " + result;
  if (fault) line += "  [injected]";
  return line;
}

std::vector<std::string> Trace::Operations() const {
  std::vector<std::string> out;
  for (const TraceEntry& e : entries_) out.push_back(e.operation);
  return out;
}

std::vector<const TraceEntry*> Trace::Calls(
    const std::string& operation) const {
  std::vector<const TraceEntry*> out;
  for (const TraceEntry& e : entries_)
    if (e.operation == operation) out.push_back(&e);
  return out;
}

size_t Trace::Count(const std::string& operation) const {
  return Calls(operation).size();
}

std::string Trace::Text(size_t from) const {
  std::string out;
  for (size_t i = from; i < entries_.size(); ++i)
    out += entries_[i].Line() + "\n";
  return out;
}

std::string RenderArg(const char* text) {
  if (!text) return "null";
  size_t length = 0;
  while (text[length] && length < 300) ++length;
  return QuoteText(text, length);
}

std::string RenderArg(const unsigned char* lengthPrefixed) {
  if (!lengthPrefixed) return "null";
  return "[" + std::to_string(lengthPrefixed[0]) + "]" +
         QuoteText(reinterpret_cast<const char*>(lengthPrefixed + 1),
                   lengthPrefixed[0]);
}

std::string RenderArg(int32_t value) { return std::to_string(value); }
std::string RenderArg(int16_t value) { return std::to_string(value); }

std::string RenderArg(double value) {
  char text[64];
  snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string RenderArg(const void* pointer) {
  if (!pointer) return "0";
  char text[32];
  snprintf(text, sizeof text, "%p", pointer);
  return text;
}
