// The suite table's nesting counter, driven directly: only the outermost
// hold acquires and only the last release releases, modulo 2^16.
#include <gtest/gtest.h>

#include "devhost/host.h"
#include "devhost/suites/registry.h"
#include "plugin/shell/suite_table.h"

namespace {

struct NestingCase {
  const char* name;
  uint16_t before;
  bool acquire;      // AcquireSuiteTable, else ReleaseSuiteTable
  size_t hostCalls;  // SpAcquireSuite or SpReleaseSuite calls
  uint16_t after;
};

void PrintTo(const NestingCase& c, std::ostream* out) { *out << c.name; }

const NestingCase kNestingCases[] = {
    {"hold_at_0_acquires", 0, true, 15, 1},
    {"hold_at_1_nests", 1, true, 0, 2},
    {"hold_at_2_nests", 2, true, 0, 3},
    {"hold_at_ffff_wraps_to_0", 0xFFFF, true, 0, 0},
    {"release_at_1_releases", 1, false, 15, 0},
    {"release_at_2_nests", 2, false, 0, 1},
    {"release_at_0_wraps_to_ffff", 0, false, 0, 0xFFFF},
};

class Nesting : public ::testing::TestWithParam<NestingCase> {
 protected:
  void SetUp() override {
    gSuiteNestingCounter = 0;
    // Releases need holds to give back.
    ASSERT_EQ(AcquireSuiteTable(&kDevHostBasicSuite), 0);
    host.trace().Clear();
  }
  void TearDown() override {
    gSuiteNestingCounter = 1;
    ReleaseSuiteTable(&kDevHostBasicSuite);
  }
  DevHost host;
};

TEST_P(Nesting, CountsAndCallsTheHostOnlyAtTheEdge) {
  const NestingCase& c = GetParam();
  gSuiteNestingCounter = c.before;
  HostError result = c.acquire ? AcquireSuiteTable(&kDevHostBasicSuite)
                               : ReleaseSuiteTable(&kDevHostBasicSuite);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(gSuiteNestingCounter, c.after);
  EXPECT_EQ(host.trace().Count(c.acquire ? "SpAcquireSuite" : "SpReleaseSuite"),
            c.hostCalls);
  EXPECT_EQ(host.trace().Size(), c.hostCalls);
  if (!c.acquire && c.hostCalls) {
    EXPECT_EQ(sSpBlocks, nullptr);
    EXPECT_EQ(sAdmIcon, nullptr);
    gSuiteNestingCounter = 0;
    ASSERT_EQ(AcquireSuiteTable(&kDevHostBasicSuite), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Counter, Nesting, ::testing::ValuesIn(kNestingCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

TEST(SuiteTableRelease, ClearsEachPointerRightAfterItsRelease) {
  DevHost host;
  gSuiteNestingCounter = 0;
  ASSERT_EQ(AcquireSuiteTable(&kDevHostBasicSuite), 0);
  ASSERT_NE(sAiContext, nullptr);
  host.FailCall("SpReleaseSuite", 5, kHostErrNotFound);
  EXPECT_EQ(ReleaseSuiteTable(&kDevHostBasicSuite), kHostErrNotFound);
  EXPECT_EQ(gSuiteNestingCounter, 0);
  EXPECT_EQ(sSpBlocks, nullptr);
  EXPECT_EQ(sAiPreference, nullptr);
  EXPECT_NE(sAiContext, nullptr) << "row 5 failed and keeps its pointer";
  EXPECT_NE(sAdmIcon, nullptr);
  // The next outermost hold takes every row again.
  size_t mark = host.trace().Size();
  ASSERT_EQ(AcquireSuiteTable(&kDevHostBasicSuite), 0);
  EXPECT_EQ(host.trace().Size() - mark, 15u);
  ReleaseSuiteTable(&kDevHostBasicSuite);
}

TEST(SuiteTableAcquire, FailedRowHoldsNoStalePointer) {
  DevHost host;
  gSuiteNestingCounter = 0;
  host.WithholdSuite("ADM Dialog Suite");
  sAdmDialog = reinterpret_cast<const AdmDialogSuite*>(&host);  // stale
  EXPECT_EQ(AcquireSuiteTable(&kDevHostBasicSuite), kHostErrSuiteNotFound);
  EXPECT_EQ(sAdmDialog, nullptr);
  EXPECT_NE(sAdmBasic, nullptr);
  EXPECT_EQ(host.alerts.size(), 1u);
  ReleaseSuiteTable(&kDevHostBasicSuite);
}

}  // namespace
