// The error reporter's code conversions, run on the host's own suites with
// the table held as PluginMain holds it.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "devhost/host.h"
#include "host/names.h"
#include "plugin/dialogs/error_reporter.h"
#include "plugin/shell/suite_table.h"

namespace {

HostError Chars(const char (&four)[5]) {
  HostError code;
  memcpy(&code, four, sizeof code);
  return code;
}

class CodesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gSuiteNestingCounter = 0;
    ASSERT_EQ(AcquireSuiteTable(host.basicSuite()), 0);
  }
  void TearDown() override {
    ReleaseSuiteTable(host.basicSuite());
    if (HasFailure()) std::cerr << "host calls:\n" << host.trace().Text();
  }
  DevHost host;
};

TEST_F(CodesTest, ZeroAndStopMakeNoHostCall) {
  host.lists.SetEntries(16050, {"9", "nine"});
  HostMessage message{};
  message.pluginRef = host.pluginRef();
  message.basicSuite = host.basicSuite();
  size_t mark = host.trace().Size();
  ReportError(&message, 0);
  ReportError(&message, kErrorStop);
  EXPECT_EQ(host.trace().Text(mark), "");
  ReportError(&message, 9);  // the same message does reach the host
  EXPECT_EQ(host.dialogs.modalLog.size(), 1u);
}

struct ParseCase {
  const char* text;
  HostError code;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
  *out << '"' << c.text << '"';
}

class ParseNumeric : public CodesTest,
                     public ::testing::WithParamInterface<ParseCase> {};

TEST_P(ParseNumeric, CutsTowardZeroAndKeepsTheLow16BitsWithSign) {
  const ParseCase& c = GetParam();
  char buffer[256] = {};
  strcpy(buffer, c.text);
  HostError code = 0x5A5A5A5A;
  ParseNumericCode(buffer, &code);
  EXPECT_EQ(code, c.code);
  // Left length-prefixed.
  EXPECT_EQ(static_cast<unsigned char>(buffer[0]), strlen(c.text));
  EXPECT_EQ(std::string(buffer + 1, strlen(c.text)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumeric,
    ::testing::Values(ParseCase{"0", 0}, ParseCase{"1", 1}, ParseCase{"1.9", 1},
                      ParseCase{"-1.9", -1}, ParseCase{"-0.5", 0},
                      ParseCase{"-1", -1}, ParseCase{"32767", 32767},
                      ParseCase{"32768", -32768}, ParseCase{"65535", -1},
                      ParseCase{"65536", 0}, ParseCase{"40000", -25536},
                      ParseCase{"-32769", 32767}, ParseCase{"2147483520", -128},
                      ParseCase{"-2147483648", 0},
                      // Not a number, or outside the signed 32-bit range: 0.
                      ParseCase{"2147483648", 0}, ParseCase{"-2147483904", 0},
                      ParseCase{"3000000000", 0}, ParseCase{"1e39", 0},
                      ParseCase{"-inf", 0}, ParseCase{"-nan", 0},
                      // Texts the host cannot read leave the real unwritten: 0.
                      ParseCase{"-", 0}, ParseCase{"12abc", 0},
                      ParseCase{"0x10", 0}));

TEST_F(CodesTest, RealLeftUnwrittenGivesZero) {
  host.FailEvery("AiTextToReal", kHostErrBadParameter);
  char buffer[256] = "7";
  HostError code = 0x5A5A5A5A;
  ParseNumericCode(buffer, &code);
  EXPECT_EQ(code, 0);
}

TEST_F(CodesTest, FourCharCodesTakeMemoryOrder) {
  const unsigned char pots[] = {4, 'P', 'O', 'T', 'S'};
  EXPECT_EQ(FourCharCodeFromText(pots), kErrorStop);
  const unsigned char unread[] = {0, 'A', 'B', 'C', 'D'};  // count not read
  EXPECT_EQ(FourCharCodeFromText(unread), Chars("ABCD"));

  unsigned char text[8];
  memset(text, '#', sizeof text);
  FourCharCodeToText(kErrorStop, text);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(text), 6),
            std::string("\x04POTS#"));
}

struct TextCase {
  HostError code;
  const char* text;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.code; }

class NumericText : public CodesTest,
                    public ::testing::WithParamInterface<TextCase> {};

TEST_P(NumericText, IsTheHostsWholeDecimal) {
  char text[16];
  memset(text, '#', sizeof text);
  NumericCodeToText(GetParam().code, text);
  EXPECT_EQ(std::string(text), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Codes, NumericText,
                         ::testing::Values(TextCase{0, "0"}, TextCase{-1, "-1"},
                                           TextCase{65535, "65535"},
                                           TextCase{-65536, "-65536"},
                                           TextCase{12345, "12345"}));

// A host may write up to 255 characters; the code text keeps 15 and the
// bytes behind the record's field stay untouched.
HostError HOST_API LongRealToText(float, int32_t, unsigned char* text) {
  text[0] = 255;
  memset(text + 1, '7', 255);
  return 0;
}

TEST_F(CodesTest, LongHostTextIsCutToTheCodeField) {
  AiUserSuite longText = *static_cast<const AiUserSuite*>(sAiUser);
  longText.AiRealToText = LongRealToText;
  const AiUserSuite* held = sAiUser;
  sAiUser = &longText;
  char text[32];
  memset(text, '#', sizeof text);
  NumericCodeToText(5, text);
  sAiUser = held;
  EXPECT_EQ(std::string(text), std::string(15, '7'));
  EXPECT_EQ(std::string(text + 16, 16), std::string(16, '#'));
}

}  // namespace
