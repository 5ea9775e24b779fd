// Which messages reach which handler, and what they cost in suites.
#include "host/names.h"
#include "tests/support/plugin_test.h"

namespace {

struct DispatchCase {
  const char* name;
  const char* caller;
  const char* selector;
  bool holdsSuites;  // the message acquires and releases the table
  bool allocates;    // the start-up handler ran
  std::vector<std::string> comparisons;  // SpIsEqual literals, in order
};

void PrintTo(const DispatchCase& c, std::ostream* out) { *out << c.name; }

const DispatchCase kDispatchCases[] = {
    {"access_other_selector_touches_nothing",
     "SP Access",
     "Frobnicate",
     false,
     false,
     {"SP Access", "Unload", "Reload"}},
    {"interface_other_selector_holds_suites",
     "SP Interface",
     "Frobnicate",
     true,
     false,
     {"SP Access", "SP Interface", "Startup", "About", "Shutdown"}},
    {"interface_startup_runs_startup",
     "SP Interface",
     "Startup",
     true,
     true,
     {"SP Access", "SP Interface", "Startup"}},
    {"menu_with_notify_selector_runs_nothing",
     "AI Menu",
     "AI Notify",
     true,
     false,
     {"SP Access", "SP Interface", "AI Menu", "AI Go", "AI Update"}},
    {"notifier_other_selector_runs_nothing",
     "AI Notifier",
     "AI Go",
     true,
     false,
     {"SP Access", "SP Interface", "AI Menu", "AI Notifier", "AI Notify"}},
    {"unknown_caller_holds_suites",
     "Some Caller",
     "Startup",
     true,
     false,
     {"SP Access", "SP Interface", "AI Menu", "AI Notifier"}},
};

class Dispatch : public PluginTest,
                 public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(Dispatch, RoutesByCallerThenSelector) {
  const DispatchCase& c = GetParam();
  EXPECT_EQ(session.Send(c.caller, c.selector), 0);

  std::vector<std::string> literals;
  for (const TraceEntry* call : host.trace().Calls("SpIsEqual")) {
    // Arguments read: host string, then the plug-in's literal.
    std::string args = call->arguments;
    literals.push_back(args.substr(args.find("\", \"") + 4,
                                   args.size() - args.find("\", \"") - 5));
  }
  EXPECT_EQ(literals, c.comparisons);
  EXPECT_EQ(host.trace().Count("SpAcquireSuite"), c.holdsSuites ? 15u : 0u);
  EXPECT_EQ(host.trace().Count("SpReleaseSuite"), c.holdsSuites ? 15u : 0u);
  EXPECT_EQ(host.trace().Count("SpAllocateBlock"), c.allocates ? 1u : 0u);
  if (c.allocates) session.Shutdown();
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Messages, Dispatch,
                         ::testing::ValuesIn(kDispatchCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// A handler's code goes back to the host whatever the reporter does with it;
// the suites are given back after the report in every case.
struct CodeCase {
  const char* name;
  HostError code;
};

void PrintTo(const CodeCase& c, std::ostream* out) { *out << c.name; }

class HandlerCode : public PluginTest,
                    public ::testing::WithParamInterface<CodeCase> {};

TEST_P(HandlerCode, ReturnsToHostAfterRelease) {
  host.FailCall("SpAllocateBlock", 1, GetParam().code);
  EXPECT_EQ(session.Startup(), GetParam().code);
  EXPECT_EQ(host.trace().Count("SpReleaseSuite"), 15u);
  EXPECT_EQ(host.trace().Operations().back(), "SpReleaseSuite");
  // Neither code reaches the user: one is never reported, the other is
  // passed over by the reporter.
  EXPECT_EQ(host.trace().Count("AdmGetListString"), 0u);
  EXPECT_EQ(host.trace().Count("AdmDialogModal"), 0u);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Codes, HandlerCode,
    ::testing::Values(CodeCase{"already_reported", kErrorAlreadyReported},
                      CodeCase{"stop", kErrorStop}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PluginTest, AboutAnswersZero) {
  EXPECT_EQ(session.About(), 0);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

}  // namespace
