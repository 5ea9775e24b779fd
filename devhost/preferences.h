// The host's preference store: typed values under a prefix and a key. The
// program keeps it in a text file between runs; tests keep it in memory.
//
// File format, one line each, bytes as written:
//
//   quaso-devhost preferences 1
//   # a comment
//   boolean "PREFIX" "KEY" true
//   integer "PREFIX" "KEY" -42
//   point "PREFIX" "KEY" 100 200
//   string "PREFIX" "KEY" "text"
//
// The first line names the format. Blank lines and lines whose first
// non-blank character is '#' are skipped. Fields are separated by spaces or
// tabs. Booleans are true or false; integers and the two coordinates of a
// point (horizontal, then vertical) are signed 32-bit decimals. Prefix, key
// and string values are quoted; inside the quotes \" \\ \t \n \r and \xHH
// stand for their byte, and every other byte except the control characters
// stands for itself. Each prefix and key appears once.
#pragma once

#include <stdint.h>

#include <map>
#include <string>
#include <utility>

#include "host/types.h"

struct PreferenceValue {
  enum class Type { kBoolean, kInteger, kPoint, kString };
  Type type = Type::kInteger;
  bool boolean = false;
  int32_t integer = 0;
  HostPoint point{};
  std::string text;

  bool operator==(const PreferenceValue& other) const;
};

class PreferenceStore {
 public:
  void PutBoolean(const std::string& prefix, const std::string& key,
                  bool value);
  void PutInteger(const std::string& prefix, const std::string& key,
                  int32_t value);
  void PutPoint(const std::string& prefix, const std::string& key,
                HostPoint value);
  void PutString(const std::string& prefix, const std::string& key,
                 std::string value);

  // The value under prefix and key, or null. A read of another type finds
  // nothing.
  const PreferenceValue* Find(const std::string& prefix,
                              const std::string& key) const;
  const bool* Boolean(const std::string& prefix, const std::string& key) const;
  const int32_t* Integer(const std::string& prefix,
                         const std::string& key) const;
  const HostPoint* Point(const std::string& prefix,
                         const std::string& key) const;
  const std::string* String(const std::string& prefix,
                            const std::string& key) const;

  bool Erase(const std::string& prefix, const std::string& key);
  size_t size() const { return values_.size(); }
  bool operator==(const PreferenceStore& other) const {
    return values_ == other.values_;
  }

  // The whole store in the file format, sorted by prefix and key.
  std::string ToText() const;
  // Replaces the store with what `text` holds. On a fault returns false,
  // keeps the store as it was and says in *error which line of `origin` is
  // wrong and why.
  bool FromText(const std::string& text, const std::string& origin,
                std::string* error);

  // Reads the file at `path`. A file that does not exist is an empty store;
  // *existed tells which. False with *error naming the file, the fault and
  // what to do, and the store unchanged, when it cannot be read or parsed.
  bool Load(const std::string& path, std::string* error,
            bool* existed = nullptr);
  // Writes the store to `path` through a temporary file beside it, so that a
  // failed write leaves the old file whole. False with *error on failure.
  bool Save(const std::string& path, std::string* error) const;

 private:
  using Key = std::pair<std::string, std::string>;
  std::map<Key, PreferenceValue> values_;
};
