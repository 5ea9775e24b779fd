// The Error dialog: which message and code text a failing call brings up,
// read from list 16050 through the host's string lists.
#include <string.h>

#include <algorithm>
#include <sstream>

#include "devhost/suites/tables.h"
#include "host/names.h"
#include "tests/support/plugin_test.h"

namespace {

constexpr int32_t kMessageList = 16050;

// The code whose bytes, from the lowest address up, are these characters.
HostError Chars(const char (&four)[5]) {
  HostError code;
  memcpy(&code, four, sizeof code);
  return code;
}

class ErrorReporterTest : public PluginTest {
 protected:
  // A failing call as the host meets it: the start-up's allocation fails
  // with `code`, which PluginMain reports and answers.
  HostError Report(HostError code) {
    host.FailCall("SpAllocateBlock", 1, code);
    return session.Startup();
  }

  void SetList(const std::vector<std::string>& entries) {
    host.lists.SetEntries(kMessageList, entries);
  }

  // Entry number and size of every lookup, as "1/255 3/255 4/256"; any
  // lookup of another list or plug-in shows up as a complaint.
  std::string Lookups() {
    std::string out;
    for (const std::string& args : ArgsOf("AdmGetListString")) {
      std::vector<std::string> field;
      std::stringstream in(args);
      for (std::string part; std::getline(in, part, ',');)
        field.push_back(part.substr(part.find_first_not_of(' ')));
      if (field.size() != 5 || field[1] != "16050" ||
          field[0] != RenderArg(static_cast<const void*>(host.pluginRef())))
        return "unexpected lookup " + args;
      out += (out.empty() ? "" : " ") + field[2] + "/" + field[4];
    }
    return out;
  }

  // The one Error dialog shown, or null.
  const ModalRecord* Dialog() const {
    const auto& log = host.dialogs.modalLog;
    return log.size() == 1 ? &log[0] : nullptr;
  }
};

struct ListCase {
  const char* name;
  bool hasList;
  std::vector<std::string> list;
  HostError code;
  const char* message;  // null: no dialog
  const char* codeText;
  const char* lookups;
};

void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }

const std::vector<std::string> kOnlyFallback = {"9", "nine"};

const ListCase kListCases[] = {
    // The walk and its end.
    {"no_list_asks_entry_0", false, {}, 5, nullptr, "", "1/255 0/256"},
    {"empty_entry_1_asks_entry_0",
     true,
     {"", "orphan"},
     5,
     nullptr,
     "",
     "1/255 0/256"},
    {"match_shows_its_pair",
     true,
     {"1", "one", "2", "two"},
     1,
     "one",
     "1",
     "1/255 2/256"},
    {"unmatched_shows_last_pair",
     true,
     {"1", "one", "2", "two"},
     7,
     "two",
     "7",
     "1/255 3/255 5/255 4/256"},
    {"empty_entry_ends_the_list",
     true,
     {"1", "one", "", "after", "7", "seven"},
     7,
     "one",
     "7",
     "1/255 3/255 2/256"},
    {"first_of_two_pairs_wins",
     true,
     {"ABCD", "first", "ABCD", "second"},
     Chars("ABCD"),
     "first",
     "ABCD",
     "1/255 2/256"},
    // Decimal entries: cut toward zero, then the low 16 bits with sign.
    {"minus_1_matches_minus_1",
     true,
     {"-1", "minus one", "9", "nine"},
     -1,
     "minus one",
     "-1",
     "1/255 2/256"},
    {"65535_matches_minus_1",
     true,
     {"65535", "all ones", "9", "nine"},
     -1,
     "all ones",
     "-1",
     "1/255 2/256"},
    {"65535_never_65535",
     true,
     {"65535", "all ones", "9", "nine"},
     65535,
     "nine",
     "65535",
     "1/255 3/255 5/255 4/256"},
    {"1_9_matches_1",
     true,
     {"1.9", "one", "9", "nine"},
     1,
     "one",
     "1",
     "1/255 2/256"},
    {"minus_1_9_matches_minus_1",
     true,
     {"-1.9", "minus one", "9", "nine"},
     -1,
     "minus one",
     "-1",
     "1/255 2/256"},
    {"minus_1_9_never_minus_2",
     true,
     {"-1.9", "minus one", "9", "nine"},
     -2,
     "nine",
     "-2",
     "1/255 3/255 5/255 4/256"},
    {"40000_matches_minus_25536",
     true,
     {"40000", "wrapped", "9", "nine"},
     -25536,
     "wrapped",
     "-25536",
     "1/255 2/256"},
    {"40000_never_40000",
     true,
     {"40000", "wrapped", "9", "nine"},
     40000,
     "nine",
     "40000",
     "1/255 3/255 5/255 4/256"},
    {"largest_real_below_2_31_is_in_range",
     true,
     {"2147483520", "largest", "9", "nine"},
     -128,
     "largest",
     "-128",
     "1/255 2/256"},
    // Four-character entries, in memory order.
    {"longer_entry_matches_on_its_first_four",
     true,
     {"ABCDEFG", "long", "9", "nine"},
     Chars("ABCD"),
     "long",
     "ABCD",
     "1/255 2/256"},
    {"plus_sign_starts_a_four_char_entry",
     true,
     {"+123", "plus", "9", "nine"},
     Chars("+123"),
     "plus",
     "+123",
     "1/255 2/256"},
    {"space_starts_a_four_char_entry",
     true,
     {" 123", "space", "9", "nine"},
     Chars(" 123"),
     "space",
     " 123",
     "1/255 2/256"},
    {"stop_in_memory_order_is_pots",
     true,
     {"POTS", "stop", "9", "nine"},
     Chars("POTS"),
     nullptr,
     "",
     ""},
    // A short entry's missing bytes are zeros, not what an earlier entry
    // left in the buffer.
    {"short_entry_pads_with_zeros",
     true,
     {"WXYZ", "w", "AB", "ab", "9", "nine"},
     Chars("AB\0\0"),
     "ab",
     "16961",
     "1/255 3/255 4/256"},
    {"short_entry_never_takes_earlier_bytes",
     true,
     {"WXYZ", "w", "AB", "ab", "9", "nine"},
     Chars("ABYZ"),
     "nine",
     "ABYZ",
     "1/255 3/255 5/255 7/255 6/256"},
    // Reals the conversion to 32 bits would not define give code 0, which
    // matches nothing that is reported.
    {"unreal_numbers_match_nothing",
     true,
     {"-nan", "not a number", "-inf", "minus infinity", "1e39", "overflow",
      "2147483648", "just too large", "-2147483904", "just too small", "9",
      "nine"},
     -128,
     "nine",
     "-128",
     "1/255 3/255 5/255 7/255 9/255 11/255 13/255 12/256"},
    // The code text: decimal from -65,536 to 65,535, else the four bytes.
    {"text_65535", true, kOnlyFallback, 65535, "nine", "65535",
     "1/255 3/255 2/256"},
    {"text_minus_1", true, kOnlyFallback, -1, "nine", "-1",
     "1/255 3/255 2/256"},
    {"text_minus_65536", true, kOnlyFallback, -65536, "nine", "-65536",
     "1/255 3/255 2/256"},
    {"text_65536_is_empty", true, kOnlyFallback, 65536, "nine", "",
     "1/255 3/255 2/256"},
    {"text_minus_65537_takes_four_bytes", true, kOnlyFallback, -65537, "nine",
     "\xFF\xFF\xFE\xFF", "1/255 3/255 2/256"},
    {"text_abcd", true, kOnlyFallback, Chars("ABCD"), "nine", "ABCD",
     "1/255 3/255 2/256"},
    {"text_ends_at_a_zero_byte", true, kOnlyFallback, Chars("AB\0D"), "nine",
     "AB", "1/255 3/255 2/256"},
};

class ErrorList : public ErrorReporterTest,
                  public ::testing::WithParamInterface<ListCase> {};

TEST_P(ErrorList, ShowsTheMessageAndCodeText) {
  const ListCase& c = GetParam();
  if (c.hasList) SetList(c.list);
  EXPECT_EQ(Report(c.code), c.code);
  EXPECT_EQ(Lookups(), c.lookups);
  if (!c.message) {
    EXPECT_EQ(host.trace().Count("AdmDialogModal"), 0u);
  } else {
    const ModalRecord* dialog = Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->texts.at(2), c.message);
    EXPECT_EQ(dialog->texts.at(3), c.codeText);
    EXPECT_EQ(dialog->texts.at(4), "");  // the frame stays as it is
    EXPECT_TRUE(dialog->ended) << "OK did not end the dialog";
  }
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Lists, ErrorList, ::testing::ValuesIn(kListCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

TEST_F(ErrorReporterTest, DialogIsBuiltAndFilledAsTheHostExpects) {
  SetList({"ABCD", "Something went wrong.", "9", "nine"});
  Report(Chars("ABCD"));
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_EQ(Dialog()->name, "Error Dialog");
  EXPECT_EQ(Dialog()->templateId, 16051);
  EXPECT_NE(Dialog()->userData, nullptr);
  EXPECT_TRUE(Dialog()->hooked.at(1)) << "OK item has no notify procedure";

  std::vector<std::string> modal = ArgsOf("AdmDialogModal");
  ASSERT_EQ(modal.size(), 1u);
  std::string prefix = RenderArg(static_cast<const void*>(host.pluginRef())) +
                       ", \"Error Dialog\", 16051, 0, ";
  EXPECT_EQ(modal[0].substr(0, prefix.size()), prefix);

  // Inside the dialog: OK hooked first, then the record, then the texts,
  // each on the item just fetched; the user's OK goes through the
  // plug-in's procedure to the default reaction.
  std::vector<const TraceEntry*> inside;
  for (const TraceEntry& e : host.trace().Entries())
    if (e.depth > 1 && e.suite.rfind("ADM", 0) == 0) inside.push_back(&e);
  std::vector<std::string> seen;
  std::string item;
  for (const TraceEntry* e : inside) {
    std::string args = e->arguments;
    size_t comma = args.find(", ");
    std::string first = args.substr(0, comma);
    std::string rest = comma == std::string::npos ? "" : args.substr(comma + 2);
    if (e->operation == "AdmDialogGetItem") {
      item = e->result;
      seen.push_back("item " + rest);
    } else if (e->operation == "AdmItemSetText") {
      seen.push_back(std::string(first == item ? "" : "other ") + "text " +
                     rest);
    } else if (e->operation == "AdmItemSetNotifyProc") {
      seen.push_back(std::string(first == item ? "" : "other ") + "hook");
    } else {
      seen.push_back(e->operation);
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "item 1", "hook", "AdmDialogGetUserData", "item 2",
                      "text \"Something went wrong.\"", "item 3",
                      "text \"ABCD\"", "AdmItemDefaultNotify"}));
  EXPECT_EQ(host.trace().Count("AdmItemSetNotifyProc"), 1u);
  EXPECT_EQ(host.trace().Count("AdmItemDefaultNotify"), 1u);
}

TEST_F(ErrorReporterTest, EntriesAndCodesReachTheUserSuiteAsTheyAre) {
  SetList({"-1.9", "minus one", "9", "nine"});
  Report(-1);
  EXPECT_EQ(ArgsOf("AiTextToReal").at(0).substr(0, 10), "[4]\"-1.9\",");
  std::vector<std::string> toText = ArgsOf("AiRealToText");
  ASSERT_EQ(toText.size(), 1u);
  EXPECT_EQ(toText[0].substr(0, 6), "-1, 0,");  // no decimals
}

TEST_F(ErrorReporterTest, StopAndAlreadyReportedMakeNoHostCall) {
  SetList(kOnlyFallback);
  for (HostError code : {kErrorStop, kErrorAlreadyReported}) {
    size_t mark = Mark();
    EXPECT_EQ(Report(code), code);
    std::vector<std::string> after;
    for (size_t i = mark; i < host.trace().Size(); ++i)
      after.push_back(host.trace().Entries()[i].operation);
    // From the failed allocation straight to the release.
    auto failed = std::find(after.begin(), after.end(), "SpAllocateBlock");
    ASSERT_NE(failed, after.end());
    EXPECT_EQ(*(failed + 1), "SpReleaseSuite") << "code " << code;
  }
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

// Faults of the host around a report.
struct FaultCase {
  const char* name;
  const char* operation;
  int nth;  // 0: every call
  HostError code;
  const char* message;  // null: no dialog
  const char* codeText;
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

const FaultCase kFaultCases[] = {
    // "7" cannot be read: it yields 0 and the walk goes on to the fallback.
    {"unwritten_real_gives_code_0", "AiTextToReal", 0, 7, "nine", "7"},
    // Lookups that write nothing read as the end of the list.
    {"unwritten_lookups_end_the_walk", "AdmGetListString", 0, 7, nullptr, ""},
    {"failed_message_lookup_shows_nothing", "AdmGetListString", 2, 7, nullptr,
     ""},
    {"unwritten_code_text_is_empty", "AiRealToText", 0, 7, "seven", ""},
    {"modal_result_is_ignored", "AdmDialogModal", 1, 7, nullptr, ""},
};

class ErrorFault : public ErrorReporterTest,
                   public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ErrorFault, ShowsWhatIsDefinedAndAnswersTheCode) {
  const FaultCase& c = GetParam();
  SetList({"7", "seven", "9", "nine"});
  host.FailCall(c.operation, c.nth, kHostErrBadParameter);
  EXPECT_EQ(Report(c.code), c.code);
  if (!c.message) {
    EXPECT_TRUE(host.dialogs.modalLog.empty());
  } else {
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(Dialog()->texts.at(2), c.message);
    EXPECT_EQ(Dialog()->texts.at(3), c.codeText);
  }
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Faults, ErrorFault, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// A suite the reporter calls but does not hold (the host handed out an
// empty table): nothing is shown and nothing of it is called.
struct MissingCase {
  const char* name;
  const char* suite;
  int32_t version;
  std::vector<std::string> operations;  // none of these may be called
};

void PrintTo(const MissingCase& c, std::ostream* out) { *out << c.name; }

const MissingCase kMissingCases[] = {
    {"ai_user",
     kAiUserSuite,
     kAiUserSuiteVersion,
     {"AiTextToReal", "AiRealToText"}},
    {"adm_item",
     kAdmItemSuite,
     kAdmItemSuiteVersion,
     {"AdmItemSetNotifyProc", "AdmItemSetText", "AdmItemDefaultNotify"}},
    {"adm_dialog",
     kAdmDialogSuite,
     kAdmDialogSuiteVersion,
     {"AdmDialogModal", "AdmDialogGetItem"}},
    {"adm_basic", kAdmBasicSuite, kAdmBasicSuiteVersion, {"AdmGetListString"}},
};

class ErrorMissingSuite : public ErrorReporterTest,
                          public ::testing::WithParamInterface<MissingCase> {};

TEST_P(ErrorMissingSuite, ShowsNothing) {
  const MissingCase& c = GetParam();
  SetList({"7", "seven", "9", "nine"});
  host.OfferSuite(c.suite, c.version, nullptr);
  EXPECT_EQ(Report(7), 7);
  EXPECT_TRUE(host.dialogs.modalLog.empty());
  for (const std::string& operation : c.operations)
    EXPECT_EQ(host.trace().Count(operation), 0u) << operation;
  EXPECT_EQ(host.trace().Count("AdmDialogModal"), 0u);
}

INSTANTIATE_TEST_SUITE_P(Suites, ErrorMissingSuite,
                         ::testing::ValuesIn(kMissingCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// The walk ends against any host. Entry numbers are signed 16-bit, so the
// last code entry whose message can be asked for is 32,765.
std::vector<int32_t> gNeverEndingLookups;

HostError HOST_API NeverEndingList(HostPluginRef, int32_t, int16_t entry,
                                   char* buffer, int32_t size) {
  gNeverEndingLookups.push_back(entry);
  if (size > 4) strcpy(buffer, "QQQQ");
  return 0;
}

std::vector<int32_t> WalkToTheLimit() {
  std::vector<int32_t> entries;
  for (int32_t entry = 1; entry <= 32765; entry += 2) entries.push_back(entry);
  entries.push_back(32766);
  return entries;
}

TEST_F(ErrorReporterTest, WalkEndsOnAHostWhoseListsNeverEnd) {
  AdmBasicSuite neverEnding = kDevHostAdmBasicSuite;
  neverEnding.AdmGetListString = NeverEndingList;
  host.OfferSuite(kAdmBasicSuite, kAdmBasicSuiteVersion, &neverEnding);
  gNeverEndingLookups.clear();
  EXPECT_EQ(Report(Chars("ZZZZ")), Chars("ZZZZ"));
  EXPECT_EQ(gNeverEndingLookups, WalkToTheLimit());
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_EQ(Dialog()->texts.at(2), "QQQQ");
}

TEST_F(ErrorReporterTest, WalkNeverWrapsIntoNegativeEntries) {
  std::vector<std::string> longList(40000, "QQQQ");
  longList[32765] = "the message of entry 32766";
  SetList(longList);
  EXPECT_EQ(Report(Chars("ZZZZ")), Chars("ZZZZ"));
  std::vector<int32_t> entries;
  for (const std::string& args : ArgsOf("AdmGetListString")) {
    size_t third = args.find(", ", args.find(", ") + 2) + 2;
    entries.push_back(std::stoi(args.substr(third)));
  }
  EXPECT_EQ(entries, WalkToTheLimit());
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_EQ(Dialog()->texts.at(2), "the message of entry 32766");
}

}  // namespace
