// Reading the property list that tells the host a library is one of its
// plug-ins and which function to call.
#include "devhost/property_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Property {
  uint32_t vendor;
  uint32_t key;
  std::vector<unsigned char> data;
};

void Put16(std::vector<unsigned char>& out, uint16_t v) {
  out.push_back(v & 0xFF);
  out.push_back(v >> 8);
}

void Put32(std::vector<unsigned char>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(v >> (8 * i) & 0xFF);
}

std::vector<unsigned char> Long(uint32_t v) {
  std::vector<unsigned char> out;
  Put32(out, v);
  return out;
}

std::vector<unsigned char> Text(const std::string& text) {
  return {text.begin(), text.end()};
}

std::vector<unsigned char> List(const std::vector<Property>& properties,
                                int extraCount = 0) {
  std::vector<unsigned char> out;
  Put16(out, 1);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(properties.size() + extraCount));
  for (const Property& p : properties) {
    Put32(out, p.vendor);
    Put32(out, p.key);
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(p.data.size()));
    out.insert(out.end(), p.data.begin(), p.data.end());
  }
  return out;
}

const Property kKind{kPiplVendor, kPiplKindKey, Long(kPiplPluginKind)};
const Property kVersion{kPiplVendor, kPiplVersionKey, Long(2)};
const Property kEntry{kPiplVendor, kPiplEntryKey,
                      Text(std::string("PluginMain\0\0", 12))};

struct ListCase {
  const char* name;
  std::vector<unsigned char> bytes;
  const char* error;  // "" when the list is good
};

void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }

std::vector<unsigned char> Cut(std::vector<unsigned char> bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

std::vector<unsigned char> Claiming(uint32_t length) {
  std::vector<unsigned char> bytes = List({kKind, kVersion, kEntry});
  // The third property's data length sits 12 bytes into it, at offset 62.
  for (int i = 0; i < 4; ++i) bytes[62 + i] = length >> (8 * i) & 0xFF;
  return bytes;
}

const ListCase kCases[] = {
    {"the_plugins_own_list", List({kKind, kVersion, kEntry}), ""},
    {"properties_in_another_order", List({kEntry, kKind}), ""},
    {"header_cut_short", Cut(List({kKind, kEntry}), 7),
     "cut short in its header"},
    {"property_cut_short", Cut(List({kKind, kEntry}), 20),
     "property 1 of 2 is cut short"},
    {"more_properties_counted_than_given", List({kKind, kEntry}, 1),
     "property 3 of 3 is cut short"},
    {"data_longer_than_the_list", Claiming(0xFFFFFFF0u),
     "more than the list holds"},
    {"no_kind", List({kVersion, kEntry}), "gives no plug-in kind"},
    {"another_kind",
     List({{kPiplVendor, kPiplKindKey, Long(0x58595A57)}, kEntry}),
     "the plug-in kind is 'XYZW', not 'SPEA'"},
    {"another_vendors_entry_is_not_ours",
     List({kKind,
           {0x56454E44, kPiplEntryKey, Text(std::string("Other\0\0\0", 8))}}),
     "names no entry point"},
    {"entry_not_terminated",
     List({kKind, {kPiplVendor, kPiplEntryKey, Text("PluginMa")}}),
     "not terminated"},
    {"entry_empty", List({kKind, {kPiplVendor, kPiplEntryKey, Long(0)}}),
     "empty"},
    {"no_properties", List({}), "gives no plug-in kind"},
};

class PropertyList : public ::testing::TestWithParam<ListCase> {};

TEST_P(PropertyList, ReadsTheEntryPointOrSaysWhatIsWrong) {
  const ListCase& c = GetParam();
  PluginProperties properties;
  std::string error;
  bool ok =
      ReadPropertyList(c.bytes.data(), c.bytes.size(), &properties, &error);
  if (*c.error == 0) {
    ASSERT_TRUE(ok) << error;
    EXPECT_EQ(properties.kind, kPiplPluginKind);
    EXPECT_EQ(properties.entryPoint, "PluginMain");
  } else {
    EXPECT_FALSE(ok);
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
}

INSTANTIATE_TEST_SUITE_P(Lists, PropertyList, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

TEST(PropertyListBytes, ThePluginsOwnListIs78Bytes) {
  std::vector<unsigned char> bytes = List({kKind, kVersion, kEntry});
  EXPECT_EQ(bytes.size(), 78u);
  PluginProperties properties;
  std::string error;
  ASSERT_TRUE(
      ReadPropertyList(bytes.data(), bytes.size(), &properties, &error));
  EXPECT_EQ(properties.interfaceVersion, 2);
}

}  // namespace
