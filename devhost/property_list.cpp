#include "devhost/property_list.h"

namespace {

class Reader {
 public:
  Reader(const unsigned char* data, size_t size) : data_(data), size_(size) {}

  bool Word(uint16_t* out) {
    if (size_ - at_ < 2) return false;
    *out = static_cast<uint16_t>(data_[at_] | data_[at_ + 1] << 8);
    at_ += 2;
    return true;
  }
  bool Long(uint32_t* out) {
    if (size_ - at_ < 4) return false;
    *out = static_cast<uint32_t>(data_[at_]) |
           static_cast<uint32_t>(data_[at_ + 1]) << 8 |
           static_cast<uint32_t>(data_[at_ + 2]) << 16 |
           static_cast<uint32_t>(data_[at_ + 3]) << 24;
    at_ += 4;
    return true;
  }
  // The next `length` bytes, or null when fewer remain.
  const unsigned char* Bytes(uint32_t length) {
    if (size_ - at_ < length) return nullptr;
    const unsigned char* start = data_ + at_;
    at_ += length;
    return start;
  }

 private:
  const unsigned char* data_;
  size_t size_;
  size_t at_ = 0;
};

std::string Code(uint32_t code) {
  std::string text = "'";
  for (int shift = 24; shift >= 0; shift -= 8) {
    char c = static_cast<char>(code >> shift & 0xFF);
    text += (c >= 0x20 && c < 0x7F) ? c : '?';
  }
  return text + "'";
}

}  // namespace

bool ReadPropertyList(const unsigned char* data, size_t size,
                      PluginProperties* out, std::string* error) {
  Reader reader(data, size);
  uint16_t leading = 0;
  uint32_t version = 0, count = 0;
  if (!reader.Word(&leading) || !reader.Long(&version) ||
      !reader.Long(&count)) {
    *error = "the property list is cut short in its header";
    return false;
  }
  PluginProperties found;
  bool haveKind = false, haveEntry = false;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t vendor = 0, key = 0, id = 0, length = 0;
    if (!reader.Long(&vendor) || !reader.Long(&key) || !reader.Long(&id) ||
        !reader.Long(&length)) {
      *error = "property " + std::to_string(i + 1) + " of " +
               std::to_string(count) + " is cut short";
      return false;
    }
    const unsigned char* value = reader.Bytes(length);
    if (!value) {
      *error = "property " + Code(key) + " claims " + std::to_string(length) +
               " bytes of data, more than the list holds";
      return false;
    }
    if (vendor != kPiplVendor) continue;  // another vendor's: not ours to read
    Reader field(value, length);
    uint32_t word = 0;
    if (key == kPiplKindKey && field.Long(&word)) {
      found.kind = word;
      haveKind = true;
    } else if (key == kPiplVersionKey && field.Long(&word)) {
      found.interfaceVersion = static_cast<int32_t>(word);
    } else if (key == kPiplEntryKey) {
      size_t end = 0;
      while (end < length && value[end] != 0) ++end;
      if (end == length || end == 0) {
        *error = "the entry-point name in property 'wx86' is " +
                 std::string(end == 0 ? "empty" : "not terminated");
        return false;
      }
      found.entryPoint.assign(reinterpret_cast<const char*>(value), end);
      haveEntry = true;
    }
  }
  if (!haveKind || found.kind != kPiplPluginKind) {
    *error = haveKind ? "the plug-in kind is " + Code(found.kind) + ", not " +
                            Code(kPiplPluginKind)
                      : "the property list gives no plug-in kind";
    return false;
  }
  if (!haveEntry) {
    *error = "the property list names no entry point ('wx86')";
    return false;
  }
  *out = found;
  return true;
}
