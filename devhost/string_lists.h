// The string lists the host hands out through AdmGetListString. A list is
// read from a plain text file, one entry a line: line 1 is entry 1. A blank
// line is an empty entry; line ends may be LF or CRLF, and a leading UTF-8
// byte order mark is dropped. Nothing else is interpreted.
#pragma once

#include <stdint.h>

#include <map>
#include <string>
#include <vector>

class StringLists {
 public:
  // Reads list `id` from the file at `path`, replacing what was there. On
  // failure returns false, keeps the list as it was and sets *error to a
  // sentence naming the file, what went wrong and what to do.
  bool Load(int32_t id, const std::string& path, std::string* error);
  // Takes list `id` from text in the file's form.
  void Set(int32_t id, const std::string& text);
  void SetEntries(int32_t id, std::vector<std::string> entries);
  void Remove(int32_t id) { lists_.erase(id); }

  bool Has(int32_t id) const { return lists_.count(id) != 0; }
  // Where list `id` came from: the file's path, or "" when set in code.
  std::string Source(int32_t id) const;
  // Entry `entry` (from 1) of list `id`; null when there is no such entry.
  const std::string* Entry(int32_t id, int32_t entry) const;

  // Splits text in the file's form into entries.
  static std::vector<std::string> Parse(const std::string& text);

 private:
  struct List {
    std::vector<std::string> entries;
    std::string source;
  };
  std::map<int32_t, List> lists_;
};
