#include "devhost/preferences.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "devhost/text.h"

namespace {

constexpr char kHeader[] = "quaso-devhost preferences 1";

const char* TypeName(PreferenceValue::Type type) {
  switch (type) {
    case PreferenceValue::Type::kBoolean:
      return "boolean";
    case PreferenceValue::Type::kInteger:
      return "integer";
    case PreferenceValue::Type::kPoint:
      return "point";
    case PreferenceValue::Type::kString:
      return "string";
  }
  return "?";
}

std::string Quote(const std::string& text) { return QuoteText(text); }

struct Token {
  std::string text;
  bool quoted = false;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Splits a line into words and quoted texts; false with *why on a fault.
bool Tokenize(const std::string& line, std::vector<Token>* tokens,
              std::string* why) {
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    Token token;
    if (c != '"') {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
        if (line[i] == '"') {
          *why = "a quote inside a word";
          return false;
        }
        token.text += line[i++];
      }
      tokens->push_back(std::move(token));
      continue;
    }
    token.quoted = true;
    ++i;
    bool closed = false;
    while (i < line.size()) {
      unsigned char b = static_cast<unsigned char>(line[i]);
      if (b == '"') {
        closed = true;
        ++i;
        break;
      }
      if (b < 0x20 || b == 0x7F) {
        *why = "a control character inside quotes (write it as \\xHH)";
        return false;
      }
      if (b != '\\') {
        token.text += static_cast<char>(b);
        ++i;
        continue;
      }
      if (i + 1 >= line.size()) break;
      char e = line[i + 1];
      i += 2;
      switch (e) {
        case '"':
        case '\\':
          token.text += e;
          break;
        case 't':
          token.text += '\t';
          break;
        case 'n':
          token.text += '\n';
          break;
        case 'r':
          token.text += '\r';
          break;
        case 'x': {
          int high = i < line.size() ? HexDigit(line[i]) : -1;
          int low = i + 1 < line.size() ? HexDigit(line[i + 1]) : -1;
          if (high < 0 || low < 0) {
            *why = "\\x must be followed by two hexadecimal digits";
            return false;
          }
          if (high == 0 && low == 0) {
            *why = "a text cannot hold the byte \\x00";
            return false;
          }
          token.text += static_cast<char>(high * 16 + low);
          i += 2;
          break;
        }
        default:
          *why = std::string("unknown escape \\") + e;
          return false;
      }
    }
    if (!closed) {
      *why = "a quoted text is not closed";
      return false;
    }
    if (i < line.size() && line[i] != ' ' && line[i] != '\t') {
      *why = "no space after a quoted text";
      return false;
    }
    tokens->push_back(std::move(token));
  }
  return true;
}

bool ParseInt32(const Token& token, int32_t* out) {
  const std::string& s = token.text;
  if (token.quoted || s.empty() || s.size() > 11) return false;
  size_t i = s[0] == '-' ? 1 : 0;
  if (i == s.size()) return false;
  int64_t value = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    value = value * 10 + (s[i] - '0');
  }
  if (s[0] == '-') value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return false;
  *out = static_cast<int32_t>(value);
  return true;
}

// Reads one value line into *key and *value; false with *why on a fault.
bool ParseValueLine(const std::string& line,
                    std::pair<std::string, std::string>* key,
                    PreferenceValue* value, std::string* why) {
  std::vector<Token> tokens;
  if (!Tokenize(line, &tokens, why)) return false;
  const std::string& type = tokens[0].text;
  size_t want = type == "point" ? 5 : 4;
  if (tokens[0].quoted || (type != "boolean" && type != "integer" &&
                           type != "point" && type != "string")) {
    *why = "the type must be boolean, integer, point or string";
    return false;
  }
  if (tokens.size() != want) {
    *why = "a " + type + " line has " + std::to_string(want) +
           " fields: the type, the quoted prefix, the quoted key and " +
           (type == "point" ? "two numbers" : "the value");
    return false;
  }
  if (!tokens[1].quoted || !tokens[2].quoted) {
    *why = "the prefix and the key must be in quotes";
    return false;
  }
  *key = {tokens[1].text, tokens[2].text};
  const Token& v = tokens[3];
  if (type == "boolean") {
    value->type = PreferenceValue::Type::kBoolean;
    if (v.quoted || (v.text != "true" && v.text != "false")) {
      *why = "a boolean is true or false";
      return false;
    }
    value->boolean = v.text == "true";
  } else if (type == "integer") {
    value->type = PreferenceValue::Type::kInteger;
    if (!ParseInt32(v, &value->integer)) {
      *why = "an integer is a signed 32-bit decimal number";
      return false;
    }
  } else if (type == "point") {
    value->type = PreferenceValue::Type::kPoint;
    if (!ParseInt32(v, &value->point.h) ||
        !ParseInt32(tokens[4], &value->point.v)) {
      *why = "a point is two signed 32-bit decimal numbers";
      return false;
    }
  } else {
    value->type = PreferenceValue::Type::kString;
    if (!v.quoted) {
      *why = "a string value must be in quotes";
      return false;
    }
    value->text = v.text;
  }
  return true;
}

bool IsBlankOrComment(const std::string& line) {
  for (char c : line) {
    if (c == ' ' || c == '\t' || c == '\r') continue;
    return c == '#';
  }
  return true;
}

constexpr char kWhatToDo[] =
    "; correct that line, or move the file away to start with no preferences";

}  // namespace

bool PreferenceValue::operator==(const PreferenceValue& other) const {
  if (type != other.type) return false;
  switch (type) {
    case Type::kBoolean:
      return boolean == other.boolean;
    case Type::kInteger:
      return integer == other.integer;
    case Type::kPoint:
      return point.h == other.point.h && point.v == other.point.v;
    case Type::kString:
      return text == other.text;
  }
  return false;
}

void PreferenceStore::PutBoolean(const std::string& prefix,
                                 const std::string& key, bool value) {
  PreferenceValue& v = values_[{prefix, key}] = PreferenceValue{};
  v.type = PreferenceValue::Type::kBoolean;
  v.boolean = value;
}

void PreferenceStore::PutInteger(const std::string& prefix,
                                 const std::string& key, int32_t value) {
  PreferenceValue& v = values_[{prefix, key}] = PreferenceValue{};
  v.type = PreferenceValue::Type::kInteger;
  v.integer = value;
}

void PreferenceStore::PutPoint(const std::string& prefix,
                               const std::string& key, HostPoint value) {
  PreferenceValue& v = values_[{prefix, key}] = PreferenceValue{};
  v.type = PreferenceValue::Type::kPoint;
  v.point = value;
}

void PreferenceStore::PutString(const std::string& prefix,
                                const std::string& key, std::string value) {
  PreferenceValue& v = values_[{prefix, key}] = PreferenceValue{};
  v.type = PreferenceValue::Type::kString;
  v.text = std::move(value);
}

const PreferenceValue* PreferenceStore::Find(const std::string& prefix,
                                             const std::string& key) const {
  auto found = values_.find({prefix, key});
  return found == values_.end() ? nullptr : &found->second;
}

const bool* PreferenceStore::Boolean(const std::string& prefix,
                                     const std::string& key) const {
  const PreferenceValue* v = Find(prefix, key);
  return v && v->type == PreferenceValue::Type::kBoolean ? &v->boolean
                                                         : nullptr;
}

const int32_t* PreferenceStore::Integer(const std::string& prefix,
                                        const std::string& key) const {
  const PreferenceValue* v = Find(prefix, key);
  return v && v->type == PreferenceValue::Type::kInteger ? &v->integer
                                                         : nullptr;
}

const HostPoint* PreferenceStore::Point(const std::string& prefix,
                                        const std::string& key) const {
  const PreferenceValue* v = Find(prefix, key);
  return v && v->type == PreferenceValue::Type::kPoint ? &v->point : nullptr;
}

const std::string* PreferenceStore::String(const std::string& prefix,
                                           const std::string& key) const {
  const PreferenceValue* v = Find(prefix, key);
  return v && v->type == PreferenceValue::Type::kString ? &v->text : nullptr;
}

bool PreferenceStore::Erase(const std::string& prefix, const std::string& key) {
  return values_.erase({prefix, key}) != 0;
}

std::string PreferenceStore::ToText() const {
  std::string out = std::string(kHeader) + "\n";
  for (const auto& [key, value] : values_) {
    out += std::string(TypeName(value.type)) + " " + Quote(key.first) + " " +
           Quote(key.second) + " ";
    switch (value.type) {
      case PreferenceValue::Type::kBoolean:
        out += value.boolean ? "true" : "false";
        break;
      case PreferenceValue::Type::kInteger:
        out += std::to_string(value.integer);
        break;
      case PreferenceValue::Type::kPoint:
        out +=
            std::to_string(value.point.h) + " " + std::to_string(value.point.v);
        break;
      case PreferenceValue::Type::kString:
        out += Quote(value.text);
        break;
    }
    out += "\n";
  }
  return out;
}

bool PreferenceStore::FromText(const std::string& text,
                               const std::string& origin, std::string* error) {
  std::map<Key, PreferenceValue> values;
  std::map<Key, int> lineOf;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  auto fail = [&](const std::string& why) {
    *error =
        origin + ", line " + std::to_string(number) + ": " + why + kWhatToDo;
    return false;
  };
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1) {
      if (line != kHeader)
        return fail(std::string("not a preferences file of this host (the "
                                "first line must read \"") +
                    kHeader + "\")");
      continue;
    }
    if (IsBlankOrComment(line)) continue;
    Key key;
    PreferenceValue value;
    std::string why;
    if (!ParseValueLine(line, &key, &value, &why)) return fail(why);
    auto [where, fresh] = lineOf.emplace(key, number);
    if (!fresh)
      return fail("prefix " + Quote(key.first) + " and key " +
                  Quote(key.second) + " were already given on line " +
                  std::to_string(where->second));
    values[key] = std::move(value);
  }
  if (number == 0) {
    *error = origin + " is empty; it must at least read \"" + kHeader +
             "\", or move it away to start with no preferences";
    return false;
  }
  values_ = std::move(values);
  return true;
}

bool PreferenceStore::Load(const std::string& path, std::string* error,
                           bool* existed) {
  if (existed) *existed = false;
  std::error_code code;
  std::filesystem::file_status status = std::filesystem::status(path, code);
  if (status.type() == std::filesystem::file_type::not_found) {
    values_.clear();
    return true;
  }
  if (existed) *existed = true;
  const std::string origin = "preferences file \"" + path + "\"";
  std::ifstream file(path, std::ios::binary);
  if (code || !std::filesystem::is_regular_file(status) || !file) {
    *error = "cannot read " + origin + ": " +
             (code ? code.message()
              : std::filesystem::is_regular_file(status)
                  ? std::string(strerror(errno))
                  : std::string("it is not a regular file")) +
             "; make it readable or give another file";
    return false;
  }
  std::ostringstream contents;
  contents << file.rdbuf();
  if (file.bad()) {
    *error =
        "cannot read " + origin + "; make it readable or give another file";
    return false;
  }
  return FromText(contents.str(), origin, error);
}

bool PreferenceStore::Save(const std::string& path, std::string* error) const {
  const std::string temporary = path + ".new";
  const std::string text = ToText();
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (file)
      file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (file) file.flush();
    if (!file) {
      *error = "cannot write preferences file \"" + temporary +
               "\": " + strerror(errno) +
               "; check that its folder exists and can be written. The "
               "preferences of this run were not saved";
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code code;
  std::filesystem::rename(temporary, path, code);
  if (code) {
    *error = "cannot replace preferences file \"" + path + "\" with \"" +
             temporary + "\": " + code.message() +
             "; the new preferences are kept in \"" + temporary +
             "\": rename it yourself once \"" + path + "\" can be replaced";
    return false;
  }
  return true;
}
