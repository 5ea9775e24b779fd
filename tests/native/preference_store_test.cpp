// The development host's preference store and application contexts: what
// the suites promise, and the file that keeps the store between runs.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// Calls the suites as a plug-in holding them would.
class HostSuites : public ::testing::Test {
 protected:
  void SetUp() override {
    const void* table = nullptr;
    for (const char* name : {kAiPreferenceSuite, kAiContextSuite}) {
      int32_t version = name == kAiPreferenceSuite ? kAiPreferenceSuiteVersion
                                                   : kAiContextSuiteVersion;
      ASSERT_EQ(host.AcquireSuite(name, version, &table), 0);
    }
  }
  void TearDown() override {
    host.ReleaseSuite(kAiPreferenceSuite, kAiPreferenceSuiteVersion);
    host.ReleaseSuite(kAiContextSuite, kAiContextSuiteVersion);
  }
  DevHost host;
  const AiPreferenceSuite& prefs = kDevHostPreferenceSuite;
  const AiContextSuite& contexts = kDevHostContextSuite;
};

class StringRead : public HostSuites,
                   public ::testing::WithParamInterface<size_t> {};

TEST_P(StringRead, WritesAtMost64BytesWithTheTerminator) {
  size_t length = GetParam();
  std::string stored(length, 's');
  host.preferences.PutString("P", "K", stored);
  char buffer[128];
  memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(prefs.AiGetStringPref("P", "K", buffer), 0);
  EXPECT_EQ(std::string(buffer), stored.substr(0, 63));
  for (size_t i = 64; i < sizeof buffer; ++i)
    ASSERT_EQ(buffer[i], '#') << "byte " << i << " was written";
}

INSTANTIATE_TEST_SUITE_P(Lengths, StringRead,
                         ::testing::Values(0u, 10u, 63u, 64u, 200u));

// A read of a key holding nothing, or something of another type, leaves
// the caller's value as it was.
struct AbsentCase {
  const char* name;
  bool storeOtherType;
};

void PrintTo(const AbsentCase& c, std::ostream* out) { *out << c.name; }

class AbsentRead : public HostSuites,
                   public ::testing::WithParamInterface<AbsentCase> {};

TEST_P(AbsentRead, LeavesTheValueUntouched) {
  if (GetParam().storeOtherType) {
    host.preferences.PutBoolean("P", "integer", true);
    host.preferences.PutInteger("P", "string", 5);
    host.preferences.PutString("P", "point", "1 2");
  }
  int32_t integer = 7168;
  char text[64] = "default";
  HostPoint point = {-3, 9};
  EXPECT_NE(prefs.AiGetIntegerPref("P", "integer", &integer), 0);
  EXPECT_NE(prefs.AiGetStringPref("P", "string", text), 0);
  EXPECT_NE(prefs.AiGetPointPref("P", "point", &point), 0);
  EXPECT_EQ(integer, 7168);
  EXPECT_STREQ(text, "default");
  EXPECT_EQ(point.h, -3);
  EXPECT_EQ(point.v, 9);
}

INSTANTIATE_TEST_SUITE_P(Keys, AbsentRead,
                         ::testing::Values(AbsentCase{"nothing_stored", false},
                                           AbsentCase{"other_type", true}),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

TEST_F(HostSuites, ValuesComeBackAsPutUnderPrefixAndKey) {
  HostPoint corner = {kMin, kMax};
  EXPECT_EQ(prefs.AiPutIntegerPref("A", "k", -5), 0);
  EXPECT_EQ(prefs.AiPutIntegerPref("B", "k", 6), 0);
  EXPECT_EQ(prefs.AiPutPointPref("A", "p", &corner), 0);
  EXPECT_EQ(prefs.AiPutStringPref("A", "s", "text"), 0);
  EXPECT_EQ(prefs.AiPutBooleanPref("A", "b", 256), 0);
  int32_t a = 0, b = 0;
  HostPoint point{};
  char text[64] = "";
  prefs.AiGetIntegerPref("A", "k", &a);
  prefs.AiGetIntegerPref("B", "k", &b);
  prefs.AiGetPointPref("A", "p", &point);
  prefs.AiGetStringPref("A", "s", text);
  EXPECT_EQ(a, -5);
  EXPECT_EQ(b, 6);
  EXPECT_EQ(point.h, kMin);
  EXPECT_EQ(point.v, kMax);
  EXPECT_STREQ(text, "text");
  EXPECT_EQ(*host.preferences.Boolean("A", "b"), true);
}

TEST_F(HostSuites, ContextsCloseInNestedOrderAndOpenOnesAreReported) {
  HostAppContext outer = nullptr, inner = nullptr;
  ASSERT_EQ(contexts.AiPushAppContext(host.pluginRef(), &outer), 0);
  ASSERT_EQ(contexts.AiPushAppContext(host.pluginRef(), &inner), 0);
  EXPECT_NE(outer, inner);
  std::vector<std::string> open = host.Unbalanced();
  EXPECT_NE(std::find(open.begin(), open.end(),
                      "2 application context(s) pushed and not popped"),
            open.end());
  EXPECT_NE(contexts.AiPopAppContext(outer), 0) << "inner one still open";
  EXPECT_EQ(host.violations().size(), 1u);
  EXPECT_EQ(contexts.AiPopAppContext(inner), 0);
  EXPECT_EQ(contexts.AiPopAppContext(outer), 0);
  EXPECT_NE(contexts.AiPopAppContext(outer), 0) << "closed already";
  EXPECT_EQ(host.contexts.open(), 0u);
  for (const std::string& line : host.Unbalanced())
    EXPECT_EQ(line.find("context"), std::string::npos) << line;
}

// --- The file -------------------------------------------------------------

class PreferenceFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/quaso-prefs-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    path = folder + "/preferences.txt";
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  void Write(const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string Read() const {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::string folder;
  std::string path;
};

TEST_F(PreferenceFile, FormatIsOneReadableLinePerValue) {
  PreferenceStore store;
  store.PutInteger("QuasoPalette", "kADM_DPDockCodeStr", 7168);
  store.PutString("QuasoPalette", "kADM_DPDockGroupStr", "Korvane \"Dialogs\"");
  store.PutPoint("QuasoPalette", "kADM_DPLocationStr", {790, -700});
  store.PutBoolean("QuasoPalette", "kADM_DPVisibleStr", true);
  EXPECT_EQ(store.ToText(),
            "quaso-devhost preferences 1\n"
            "integer \"QuasoPalette\" \"kADM_DPDockCodeStr\" 7168\n"
            "string \"QuasoPalette\" \"kADM_DPDockGroupStr\" "
            "\"Korvane \\\"Dialogs\\\"\"\n"
            "point \"QuasoPalette\" \"kADM_DPLocationStr\" 790 -700\n"
            "boolean \"QuasoPalette\" \"kADM_DPVisibleStr\" true\n");
}

TEST_F(PreferenceFile, EveryValueSurvivesSaveAndLoad) {
  PreferenceStore store;
  store.PutString("Pre fix", "key\twith tab", "back\\slash \"quoted\"\nline");
  store.PutString("P", "bytes", "\x01\x1f\x7f\x80\xff caf\xc3\xa9");
  store.PutString("P", "empty", "");
  store.PutPoint("P", "corner", {kMin, kMax});
  store.PutInteger("P", "min", kMin);
  store.PutInteger("P", "max", kMax);
  store.PutBoolean("P", "off", false);
  store.PutBoolean("", "", true);
  std::string error;
  ASSERT_TRUE(store.Save(path, &error)) << error;
  EXPECT_FALSE(std::filesystem::exists(path + ".new"));
  PreferenceStore loaded;
  bool existed = false;
  ASSERT_TRUE(loaded.Load(path, &error, &existed)) << error;
  EXPECT_TRUE(existed);
  EXPECT_EQ(loaded.ToText(), store.ToText());
  EXPECT_TRUE(loaded == store);
}

TEST_F(PreferenceFile, MissingFileIsAnEmptyStore) {
  PreferenceStore store;
  store.PutInteger("P", "k", 1);
  std::string error;
  bool existed = true;
  EXPECT_TRUE(store.Load(path, &error, &existed));
  EXPECT_FALSE(existed);
  EXPECT_EQ(store.size(), 0u);
}

TEST_F(PreferenceFile, HandWrittenFileWithCommentsAndBlankLines) {
  Write(
      "quaso-devhost preferences 1\r\n"
      "# where the palette was\r\n"
      "\r\n"
      "  point\t\"QuasoPalette\"  \"kADM_DPLocationStr\" 100 200\r\n"
      "string \"P\" \"s\" \"a\\x41\\t\"\n");
  PreferenceStore store;
  std::string error;
  ASSERT_TRUE(store.Load(path, &error)) << error;
  ASSERT_NE(store.Point("QuasoPalette", "kADM_DPLocationStr"), nullptr);
  EXPECT_EQ(store.Point("QuasoPalette", "kADM_DPLocationStr")->v, 200);
  EXPECT_EQ(*store.String("P", "s"), "aA\t");
}

struct BadCase {
  const char* name;
  const char* text;
  const char* want;  // part of the message
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << c.name; }

const BadCase kBadCases[] = {
    {"empty_file", "", "is empty"},
    {"another_kind_of_file", "[settings]\nx=1\n",
     "line 1: not a preferences file of this host"},
    {"unknown_type", "quaso-devhost preferences 1\nfloat \"P\" \"k\" 1.5\n",
     "line 2: the type must be"},
    {"integer_too_large",
     "quaso-devhost preferences 1\ninteger \"P\" \"k\" 2147483648\n",
     "line 2: an integer is a signed 32-bit"},
    {"integer_with_letters",
     "quaso-devhost preferences 1\ninteger \"P\" \"k\" 12x\n",
     "line 2: an integer"},
    {"point_with_one_number",
     "quaso-devhost preferences 1\npoint \"P\" \"k\" 100\n",
     "line 2: a point line has 5 fields"},
    {"boolean_spelt_otherwise",
     "quaso-devhost preferences 1\nboolean \"P\" \"k\" yes\n",
     "line 2: a boolean is true or false"},
    {"unquoted_key", "quaso-devhost preferences 1\ninteger \"P\" k 1\n",
     "line 2: the prefix and the key must be in quotes"},
    {"unclosed_quote",
     "quaso-devhost preferences 1\n# fine\nstring \"P\" \"k\" \"open\n",
     "line 3: a quoted text is not closed"},
    {"nul_byte_in_text",
     "quaso-devhost preferences 1\nstring \"P\" \"k\" \"a\\x00\"\n",
     "line 2: a text cannot hold the byte \\x00"},
    {"key_given_twice",
     "quaso-devhost preferences 1\ninteger \"P\" \"k\" 1\n"
     "integer \"P\" \"k\" 2\n",
     "line 3: prefix \"P\" and key \"k\" were already given on line 2"},
};

class BadFile : public PreferenceFile,
                public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadFile, NamesTheLineAndKeepsStoreAndFile) {
  const BadCase& c = GetParam();
  Write(c.text);
  PreferenceStore store;
  store.PutInteger("Kept", "k", 1);
  PreferenceStore before = store;
  std::string error;
  EXPECT_FALSE(store.Load(path, &error));
  EXPECT_NE(error.find("preferences file \"" + path + "\""), std::string::npos)
      << error;
  EXPECT_NE(error.find(c.want), std::string::npos) << error;
  EXPECT_NE(error.find("move"), std::string::npos) << "says what to do";
  EXPECT_TRUE(store == before);
  EXPECT_EQ(Read(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Files, BadFile, ::testing::ValuesIn(kBadCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

TEST_F(PreferenceFile, FailedSaveSaysSoAndKeepsTheOldFile) {
  Write("quaso-devhost preferences 1\ninteger \"P\" \"k\" 1\n");
  PreferenceStore store;
  store.PutInteger("P", "k", 2);
  std::string error;
  std::string missing = folder + "/no such folder/preferences.txt";
  EXPECT_FALSE(store.Save(missing, &error));
  EXPECT_NE(error.find(missing), std::string::npos) << error;
  EXPECT_NE(error.find("not saved"), std::string::npos) << error;

  // The place is taken by a folder: the new text waits beside it.
  std::filesystem::create_directory(folder + "/taken");
  EXPECT_FALSE(store.Save(folder + "/taken", &error));
  EXPECT_NE(error.find("are kept in"), std::string::npos) << error;
  PreferenceStore waiting;
  ASSERT_TRUE(waiting.Load(folder + "/taken.new", &error)) << error;
  EXPECT_TRUE(waiting == store);
  EXPECT_EQ(Read(), "quaso-devhost preferences 1\ninteger \"P\" \"k\" 1\n");
}

}  // namespace
