// Taking and giving back the fifteen suites around a message.
#include "host/names.h"
#include "tests/support/plugin_test.h"

namespace {

class SuiteTableTest : public PluginTest {
 protected:
  HostError SendPlain() { return session.Send("SP Interface", "Frobnicate"); }
};

TEST_F(SuiteTableTest, AcquiresAndReleasesAllRowsInTableOrder) {
  EXPECT_EQ(SendPlain(), 0);
  EXPECT_EQ(ArgsOf("SpAcquireSuite"), SuiteRows());
  EXPECT_EQ(ArgsOf("SpReleaseSuite"), SuiteRows());  // not reversed
  EXPECT_TRUE(host.alerts.empty());
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

// A suite missing after "ADM Basic Suite" is announced and stops the walk;
// the release that follows still asks for every row by name.
struct MissingCase {
  const char* name;
  const char* suite;
  size_t row;
  const char* alert;
};

void PrintTo(const MissingCase& c, std::ostream* out) { *out << c.name; }

const MissingCase kMissingCases[] = {
    {"icon_suite", "ADM Icon Suite", 15,
     "Error: 559115878, suite: ADM Icon Suite, version: 1!"},
    {"dialog_suite", "ADM Dialog Suite", 12,
     "Error: 559115878, suite: ADM Dialog Suite, version: 3!"},
};

class MissingSuite : public SuiteTableTest,
                     public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingSuite, AlertsStopsAndReleasesByName) {
  const MissingCase& c = GetParam();
  host.WithholdSuite(c.suite);
  EXPECT_EQ(SendPlain(), kHostErrSuiteNotFound);
  EXPECT_EQ(host.alerts, std::vector<std::string>{c.alert});
  EXPECT_EQ(ArgsOf("SpAcquireSuite"), FirstRows(c.row));
  // Rows up to the missing one are released; the missing row's release is
  // asked for and refused, which ends the walk.
  EXPECT_EQ(ArgsOf("SpReleaseSuite"), FirstRows(c.row));
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Rows, MissingSuite, ::testing::ValuesIn(kMissingCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// Without "ADM Basic Suite" no alert can be shown: the walk stops at the
// failing row and its code is the message's result, so no handler runs
// with a suite missing.
class MissingBeforeAlerts : public SuiteTableTest,
                            public ::testing::WithParamInterface<size_t> {};

TEST_P(MissingBeforeAlerts, StopsAtTheRowAndAnswersItsCode) {
  size_t row = GetParam();
  std::string args = SuiteRows()[row - 1];
  host.WithholdSuite(args.substr(1, args.find('"', 1) - 1));
  EXPECT_EQ(session.Startup(), kHostErrSuiteNotFound);
  EXPECT_EQ(ArgsOf("SpAcquireSuite"), FirstRows(row));
  EXPECT_EQ(host.trace().Count("SpAllocateBlock"), 0u) << "a handler ran";
  EXPECT_TRUE(host.alerts.empty());
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Rows, MissingBeforeAlerts,
                         ::testing::Values(1u, 5u, 10u, 11u));

TEST_F(SuiteTableTest, FailedReleaseStopsAndNextHoldAcquiresAllAgain) {
  host.FailCall("SpReleaseSuite", 5, kHostErrNotFound);
  EXPECT_EQ(SendPlain(), 0);  // the release's code is not the message's
  EXPECT_EQ(ArgsOf("SpReleaseSuite"), FirstRows(5));

  size_t mark = Mark();
  EXPECT_EQ(SendPlain(), 0);
  EXPECT_EQ(ArgsOf("SpAcquireSuite", mark), SuiteRows());
  EXPECT_EQ(ArgsOf("SpReleaseSuite", mark), SuiteRows());
}

}  // namespace
