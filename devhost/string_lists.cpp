#include "devhost/string_lists.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

namespace {

std::string CannotRead(int32_t id, const std::string& path, int error) {
  return "cannot read string list " + std::to_string(id) + " from \"" + path +
         "\": " + strerror(error) +
         "; give the path of a plain text file with one entry a line "
         "(README, \"Message lists\")";
}

}  // namespace

bool StringLists::Load(int32_t id, const std::string& path,
                       std::string* error) {
  FILE* file = fopen(path.c_str(), "rb");
  if (!file) {
    *error = CannotRead(id, path, errno);
    return false;
  }
  std::string text;
  char chunk[4096];
  size_t got;
  while ((got = fread(chunk, 1, sizeof chunk, file)) > 0)
    text.append(chunk, got);
  // A directory opens on some systems and fails only when read.
  int failure = ferror(file) ? (errno ? errno : EIO) : 0;
  fclose(file);
  if (failure) {
    *error = CannotRead(id, path, failure);
    return false;
  }
  lists_[id] = {Parse(text), path};
  return true;
}

void StringLists::Set(int32_t id, const std::string& text) {
  SetEntries(id, Parse(text));
}

void StringLists::SetEntries(int32_t id, std::vector<std::string> entries) {
  lists_[id] = {std::move(entries), ""};
}

std::string StringLists::Source(int32_t id) const {
  auto found = lists_.find(id);
  return found == lists_.end() ? "" : found->second.source;
}

const std::string* StringLists::Entry(int32_t id, int32_t entry) const {
  auto found = lists_.find(id);
  if (found == lists_.end() || entry < 1) return nullptr;
  const std::vector<std::string>& entries = found->second.entries;
  if (static_cast<size_t>(entry) > entries.size()) return nullptr;
  return &entries[static_cast<size_t>(entry) - 1];
}

std::vector<std::string> StringLists::Parse(const std::string& text) {
  std::vector<std::string> entries;
  size_t start = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    entries.push_back(std::move(line));
    start = end + 1;
  }
  return entries;
}
