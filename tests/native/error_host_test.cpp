// What the host gives the error reporter: string lists read from text files
// and the decimal conversions of the AI User suite.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <cmath>
#include <string>

#include "devhost/host.h"
#include "devhost/string_lists.h"
#include "devhost/suites/tables.h"

namespace {

struct ParseCase {
  const char* name;
  std::string text;
  std::vector<std::string> entries;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.name; }

class ListText : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ListText, IsOneEntryALine) {
  EXPECT_EQ(StringLists::Parse(GetParam().text), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ListText,
    ::testing::Values(
        ParseCase{"empty_file", "", {}},
        ParseCase{"last_line_without_newline", "a\nb", {"a", "b"}},
        ParseCase{"last_newline_adds_no_entry", "a\nb\n", {"a", "b"}},
        ParseCase{"blank_line_is_an_empty_entry", "a\n\nb\n", {"a", "", "b"}},
        ParseCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
        ParseCase{
            "byte_order_mark_dropped", "\xEF\xBB\xBF-1\nx\n", {"-1", "x"}},
        ParseCase{"spaces_and_hashes_kept", " # a \n", {" # a "}}),
    [](const auto& info) { return std::string(info.param.name); });

class StringListFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& text) {
    std::string path =
        ::testing::TempDir() + "quaso_list_" +
        ::testing::UnitTest::GetInstance()->current_test_info()->name() +
        ".txt";
    FILE* file = fopen(path.c_str(), "wb");
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
    return path;
  }
  StringLists lists;
  std::string error;
};

TEST_F(StringListFile, LoadsEntriesAndRemembersTheFile) {
  std::string path = Write("ABCD\nSomething failed.\n");
  ASSERT_TRUE(lists.Load(16050, path, &error)) << error;
  ASSERT_NE(lists.Entry(16050, 2), nullptr);
  EXPECT_EQ(*lists.Entry(16050, 2), "Something failed.");
  EXPECT_EQ(lists.Entry(16050, 0), nullptr);
  EXPECT_EQ(lists.Entry(16050, 3), nullptr);
  EXPECT_EQ(lists.Entry(16051, 1), nullptr);
  EXPECT_EQ(lists.Source(16050), path);
}

TEST_F(StringListFile, UnreadableFileNamesItAndWhatToDo) {
  lists.SetEntries(16050, {"kept"});
  for (std::string path :
       {::testing::TempDir() + "no_such_list.txt", ::testing::TempDir()}) {
    EXPECT_FALSE(lists.Load(16050, path, &error));
    EXPECT_NE(error.find("\"" + path + "\""), std::string::npos) << error;
    EXPECT_NE(error.find("one entry a line"), std::string::npos) << error;
    EXPECT_EQ(*lists.Entry(16050, 1), "kept");
  }
}

// AdmGetListString as the host promises it.
struct LookupCase {
  const char* name;
  int16_t entry;
  int32_t size;
  bool found;
  const char* text;
};

void PrintTo(const LookupCase& c, std::ostream* out) { *out << c.name; }

class ListLookup : public ::testing::TestWithParam<LookupCase> {
 protected:
  DevHost host;
};

TEST_P(ListLookup, WritesATerminatedTextThatFits) {
  const LookupCase& c = GetParam();
  host.lists.SetEntries(16050, {"1", "one", "", "ABCDEFGH"});
  char buffer[16];
  memset(buffer, '#', sizeof buffer);
  HostError result = kDevHostAdmBasicSuite.AdmGetListString(
      host.pluginRef(), 16050, c.entry, buffer, c.size);
  EXPECT_EQ(result == 0, c.found) << result;
  EXPECT_EQ(std::string(buffer), c.text);
  EXPECT_EQ(buffer[c.size], '#') << "wrote past the size";
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ListLookup,
    ::testing::Values(LookupCase{"first", 1, 8, true, "1"},
                      LookupCase{"empty_entry_exists", 3, 8, true, ""},
                      LookupCase{"cut_to_the_size", 4, 5, true, "ABCD"},
                      LookupCase{"size_1_holds_the_terminator", 4, 1, true, ""},
                      LookupCase{"zero", 0, 8, false, ""},
                      LookupCase{"negative", -1, 8, false, ""},
                      LookupCase{"past_the_end", 5, 8, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListLookupOther, MissingListAndOtherPlugInReadEmpty) {
  DevHost host;
  host.lists.SetEntries(16050, {"1"});
  char buffer[8] = "#######";
  EXPECT_NE(kDevHostAdmBasicSuite.AdmGetListString(host.pluginRef(), 16051, 1,
                                                   buffer, 8),
            0);
  EXPECT_STREQ(buffer, "");
  int other = 0;
  strcpy(buffer, "#######");
  EXPECT_NE(kDevHostAdmBasicSuite.AdmGetListString(
                reinterpret_cast<HostPluginRef>(&other), 16050, 1, buffer, 8),
            0);
  EXPECT_STREQ(buffer, "");
}

// The AI User suite's conversions, on length-prefixed text.
std::string Prefixed(const std::string& text) {
  return std::string(1, static_cast<char>(text.size())) + text;
}

struct RealCase {
  const char* text;
  bool reads;
  float value;
};

void PrintTo(const RealCase& c, std::ostream* out) {
  *out << '"' << c.text << '"';
}

class TextToReal : public ::testing::TestWithParam<RealCase> {
 protected:
  DevHost host;
};

TEST_P(TextToReal, ReadsDecimalsOnly) {
  const RealCase& c = GetParam();
  std::string text = Prefixed(c.text) + "99";  // not part of the text
  float value = -7.0f;
  HostError result = kDevHostUserSuite.AiTextToReal(
      reinterpret_cast<const unsigned char*>(text.data()), &value);
  EXPECT_EQ(result == 0, c.reads) << result;
  if (std::isnan(c.value))
    EXPECT_TRUE(std::isnan(value));
  else
    EXPECT_EQ(value, c.reads ? c.value : -7.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToReal,
    ::testing::Values(
        RealCase{"1.9", true, 1.9f}, RealCase{"-1.9", true, -1.9f},
        RealCase{"65535", true, 65535.0f}, RealCase{" 12 ", true, 12.0f},
        RealCase{"2.5e3", true, 2500.0f}, RealCase{"1e39", true, INFINITY},
        RealCase{"-inf", true, -INFINITY}, RealCase{"-nan", true, NAN},
        RealCase{"", false, 0}, RealCase{"-", false, 0},
        RealCase{"12abc", false, 0}, RealCase{"0x10", false, 0},
        RealCase{"ABCD", false, 0}));

TEST(RealToText, WritesTheDecimalWithTheAskedPrecision) {
  DevHost host;
  struct {
    float value;
    int32_t precision;
    const char* text;
  } cases[] = {{65535.0f, 0, "65535"}, {-65536.0f, 0, "-65536"},
               {-1.0f, 0, "-1"},       {0.0f, 0, "0"},
               {1.25f, 2, "1.25"},     {3.4e38f, 255, nullptr}};
  for (const auto& c : cases) {
    unsigned char text[256];
    memset(text, '#', sizeof text);
    EXPECT_EQ(kDevHostUserSuite.AiRealToText(c.value, c.precision, text), 0);
    std::string written(reinterpret_cast<char*>(text + 1), text[0]);
    if (c.text)
      EXPECT_EQ(written, c.text);
    else
      EXPECT_EQ(written.size(), 255u) << "cut to 255 characters";
  }
}

}  // namespace
