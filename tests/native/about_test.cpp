// The About dialog: built from its template, OK hooked, answered with 0.
#include "host/names.h"
#include "tests/support/plugin_test.h"

namespace {

using AboutTest = PluginTest;

TEST_F(AboutTest, RunsTheDialogToItsOkThroughThePlugInsProcedure) {
  EXPECT_EQ(session.About(), 0);
  ASSERT_EQ(host.dialogs.modalLog.size(), 1u);
  const ModalRecord& dialog = host.dialogs.modalLog[0];
  EXPECT_EQ(dialog.name, "About Dialog");
  EXPECT_EQ(dialog.templateId, 16050);
  EXPECT_EQ(dialog.userData, nullptr);
  EXPECT_TRUE(dialog.hooked.at(1)) << "OK item has no notify procedure";
  EXPECT_TRUE(dialog.ended);

  std::vector<std::string> modal = ArgsOf("AdmDialogModal");
  ASSERT_EQ(modal.size(), 1u);
  std::string prefix = RenderArg(static_cast<const void*>(host.pluginRef())) +
                       ", \"About Dialog\", 16050, 0, ";
  EXPECT_EQ(modal[0].substr(0, prefix.size()), prefix);
  EXPECT_EQ(modal[0].substr(modal[0].size() - 3), ", 0");  // no user data
  EXPECT_EQ(ArgsOf("AdmDialogGetItem").size(), 1u);
  EXPECT_EQ(ArgsOf("AdmDialogGetItem")[0].substr(
                ArgsOf("AdmDialogGetItem")[0].size() - 3),
            ", 1");
  // Texts come from the template as they stand.
  EXPECT_EQ(host.trace().Count("AdmItemSetText"), 0u);
  EXPECT_EQ(host.trace().Count("AdmDialogGetUserData"), 0u);
  EXPECT_EQ(host.trace().Count("AdmItemDefaultNotify"), 1u);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

// Whatever the modal dialog answers, the About call answers 0 and nothing
// reaches the error reporter.
struct ModalCase {
  const char* name;
  bool userCloses;  // the user closes without OK
  bool hostFails;   // the host answers with a code and shows nothing
  int32_t modalAnswer;
};

void PrintTo(const ModalCase& c, std::ostream* out) { *out << c.name; }

const ModalCase kModalCases[] = {
    {"ok_pressed", false, false, 1},
    {"closed_without_ok", true, false, 0},
    {"host_answers_a_code", false, true, kHostErrBadParameter},
};

class AboutModal : public PluginTest,
                   public ::testing::WithParamInterface<ModalCase> {};

TEST_P(AboutModal, AnswersZero) {
  const ModalCase& c = GetParam();
  if (c.userCloses) host.dialogs.modalUser = [](ModelDialog&) {};
  if (c.hostFails) host.FailCall("AdmDialogModal", 1, c.modalAnswer);
  EXPECT_EQ(session.About(), 0);
  auto modal = host.trace().Calls("AdmDialogModal");
  ASSERT_EQ(modal.size(), 1u);
  EXPECT_EQ(modal[0]->result, RenderArg(c.modalAnswer));
  EXPECT_EQ(host.trace().Count("AdmGetListString"), 0u);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Answers, AboutModal, ::testing::ValuesIn(kModalCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// A suite the dialog calls but does not hold (the host handed out an empty
// table): no dialog, no call into it, and still the answer 0.
class AboutMissingSuite
    : public PluginTest,
      public ::testing::WithParamInterface<std::pair<const char*, int32_t>> {};

TEST_P(AboutMissingSuite, ShowsNothingAndAnswersZero) {
  host.OfferSuite(GetParam().first, GetParam().second, nullptr);
  EXPECT_EQ(session.About(), 0);
  EXPECT_EQ(host.trace().Count("AdmDialogModal"), 0u);
  EXPECT_EQ(host.trace().Count("AdmItemSetNotifyProc"), 0u);
  EXPECT_TRUE(host.dialogs.modalLog.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Suites, AboutMissingSuite,
    ::testing::Values(std::make_pair(kAdmDialogSuite, kAdmDialogSuiteVersion),
                      std::make_pair(kAdmItemSuite, kAdmItemSuiteVersion)),
    [](const auto& info) {
      return std::string(info.param.first == std::string(kAdmItemSuite)
                             ? "adm_item"
                             : "adm_dialog");
    });

}  // namespace
