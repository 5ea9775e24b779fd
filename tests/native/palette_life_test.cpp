// The palette's life: creation on the application-started notification,
// the init and destroy procedures, the preferences it leaves behind, and
// the suites and access reference it holds meanwhile.
#include <functional>
#include <limits>

#include "tests/support/palette_test.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST_F(PaletteTest, InitProcedureRunsItsStepsInOrder) {
  ASSERT_EQ(session.Startup(), 0);
  ASSERT_EQ(session.ApplicationStarted(), 0);
  ASSERT_NE(Palette(), nullptr);
  std::string palette = Ref(Palette());
  std::string plugin = Ref(host.pluginRef());
  size_t create = LastCall("AdmDialogCreate");
  // Name, template, style, then the init procedure and no user data.
  const std::string& created = host.trace().At(create).arguments;
  std::string head = plugin + ", \"QuasoPalette\", 16000, 3, 0x";
  EXPECT_EQ(created.substr(0, head.size()), head);
  EXPECT_EQ(created.substr(created.size() - 3), ", 0");
  std::vector<std::string> steps = NestedIn(create);
  // The copy's destination is a buffer on the plug-in's stack.
  ASSERT_EQ(steps.size(), 13u);
  steps[4] = steps[4].substr(0, 13) + "<buffer>" +
             steps[4].substr(steps[4].find(", "));
  steps[3] = steps[3].substr(0, steps[3].find(", ")) + ", <proc>)";
  // Pushed and popped in nesting order, which the host checks.
  steps[12] = steps[12].substr(0, steps[12].find('('));
  EXPECT_EQ(
      steps,
      (std::vector<std::string>{
          "AdmDialogGetPluginRef(" + palette + ")",
          "AiPushAppContext(" + plugin + ")",
          "SpAcquirePlugin(" + plugin + ")",
          "AdmDialogSetDestroyProc(" + palette + ", <proc>)",
          "AsCopyString(<buffer>, \"KorvaneDialogs\")",
          "AiGetStringPref(\"QuasoPalette\", \"kADM_DPDockGroupStr\")",
          "AiGetIntegerPref(\"QuasoPalette\", \"kADM_DPDockCodeStr\")",
          "AdmDialogGetBoundsRect(" + palette + ")",
          "AdmGetPaletteArea()",
          "AiGetPointPref(\"QuasoPalette\", \"kADM_DPLocationStr\")",
          "AdmDialogSetBoundsRect(" + palette + ", {818, 687, 1030, 799})",
          "AdmGroupSetInfo(" + palette + ", \"KorvaneDialogs\", 7168)",
          "AiPopAppContext",
      }));
  // The palette's own suite hold nests: nothing is acquired inside.
  EXPECT_EQ(ArgsOf("SpAcquireSuite").size(), 30u);  // start-up, notify
  EXPECT_EQ(PaletteField(), Palette());
  EXPECT_EQ(host.AccessRefsHeld(), 1u);
  EXPECT_EQ(host.contexts.open(), 0u);
  EXPECT_EQ(host.trace().Count("AdmDialogShow"), 0u);
}

struct DestroyCase {
  const char* name;
  std::optional<HostBoolean> visibleAnswer;  // else the model's
  bool hidden;                               // the user hid the palette
  HostBoolean wantVisible;
};

void PrintTo(const DestroyCase& c, std::ostream* out) { *out << c.name; }

const DestroyCase kDestroyCases[] = {
    {"visible_palette", std::nullopt, false, 1},
    {"hidden_palette", std::nullopt, true, 0},
    {"visibility_answer_256_passed_on", 256, false, 256},
};

class DestroyProcedure : public PaletteTest,
                         public ::testing::WithParamInterface<DestroyCase> {};

TEST_P(DestroyProcedure, WritesTheFourPreferencesInOrderThenLetsGo) {
  const DestroyCase& c = GetParam();
  host.preferences.PutPoint(kPrefix, kLocationKey, {100, 200});
  StartWithPalette();
  if (c.hidden) Palette()->visible = false;
  Palette()->group = "Bottom Dock";
  Palette()->dockCode = 0x1C02;
  std::string palette = Ref(Palette());
  if (c.visibleAnswer) host.FailEvery("AdmDialogIsVisible", *c.visibleAnswer);

  size_t mark = Mark();
  ASSERT_EQ(session.Shutdown(), 0);
  size_t destroy = LastCall("AdmDialogDestroy");
  EXPECT_EQ(ArgsOf("AdmDialogDestroy", mark),
            std::vector<std::string>{palette});
  std::vector<std::string> steps = NestedIn(destroy);
  ASSERT_EQ(steps.size(), 8u);
  steps[7] = steps[7].substr(0, steps[7].find('('));  // the reference
  EXPECT_EQ(
      steps,
      (std::vector<std::string>{
          "AdmGroupGetInfo(" + palette + ")",
          "AdmDialogGetBoundsRect(" + palette + ")",
          "AdmDialogIsVisible(" + palette + ")",
          "AiPutIntegerPref(\"QuasoPalette\", \"kADM_DPDockCodeStr\", 7170)",
          "AiPutStringPref(\"QuasoPalette\", \"kADM_DPDockGroupStr\", "
          "\"Bottom Dock\")",
          // The top edge plus 6: read back, it lands where it was.
          "AiPutPointPref(\"QuasoPalette\", \"kADM_DPLocationStr\", "
          "{100, 200})",
          "AiPutBooleanPref(\"QuasoPalette\", \"kADM_DPVisibleStr\", " +
              std::to_string(c.wantVisible) + ")",
          "SpReleasePlugin",
      }));
  EXPECT_EQ(*host.preferences.Boolean(kPrefix, kVisibleKey),
            c.wantVisible != 0);
  EXPECT_EQ(host.AccessRefsHeld(), 0u);
  EXPECT_EQ(host.dialogs.LiveDialogs(), 0u);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Visibility, DestroyProcedure,
                         ::testing::ValuesIn(kDestroyCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// An unmoved palette comes back exactly where it was, run after run; a
// moved one comes back where the user left it.
struct ReturnCase {
  const char* name;
  std::optional<HostPoint> stored;
  std::optional<HostRect> movedTo;
  HostRect first;
  HostRect again;
};

void PrintTo(const ReturnCase& c, std::ostream* out) { *out << c.name; }

const ReturnCase kReturnCases[] = {
    {"unmoved_from_a_stored_location",
     HostPoint{100, 200},
     std::nullopt,
     {100, 194, 312, 306},
     {100, 194, 312, 306}},
    {"unmoved_from_the_default_corner",
     std::nullopt,
     std::nullopt,
     {790, 694, 1002, 806},
     {790, 694, 1002, 806}},
    {"moved_by_the_user",
     std::nullopt,
     HostRect{300, 50, 512, 162},
     {790, 694, 1002, 806},
     {300, 50, 512, 162}},
    {"moved_to_the_top_edge_of_the_range",
     std::nullopt,
     HostRect{0, kMin, 212, kMin + 112},
     {790, 694, 1002, 806},
     {0, kMin, 212, kMin + 112}},
    {"unmoved_at_the_upper_limit",
     HostPoint{kMax, kMax},
     std::nullopt,
     {kMax - 212, kMax - 112, kMax, kMax},
     {kMax - 212, kMax - 112, kMax, kMax}},
    {"dialog_manager_reports_a_top_at_the_limit",
     std::nullopt,
     HostRect{0, kMax, 212, kMax},
     {790, 694, 1002, 806},
     {0, kMax - 112, 212, kMax}},
};

class Return : public PaletteTest,
               public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(Return, ThreeRunsInOneHost) {
  const ReturnCase& c = GetParam();
  SetPaletteTemplate(210, 100);
  host.dialogs.paletteArea = {0, 0, 1000, 800};
  if (c.stored) host.preferences.PutPoint(kPrefix, kLocationKey, *c.stored);
  StartWithPalette();
  EXPECT_EQ(Palette()->bounds, c.first);
  if (c.movedTo) Palette()->bounds = *c.movedTo;
  ASSERT_EQ(session.Shutdown(), 0);

  for (int run = 2; run <= 3; ++run) {
    NewRun();
    ASSERT_NE(Palette(), nullptr);
    EXPECT_EQ(Palette()->bounds, c.again) << "run " << run;
    ASSERT_EQ(session.Shutdown(), 0);
  }
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Runs, Return, ::testing::ValuesIn(kReturnCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// The stored visibility is written for others; a new palette never reads it.
struct VisibilityCase {
  const char* name;
  std::optional<bool> stored;
  bool managerShows;
};

void PrintTo(const VisibilityCase& c, std::ostream* out) { *out << c.name; }

const VisibilityCase kVisibilityCases[] = {
    {"none_stored_manager_shows", std::nullopt, true},
    {"false_stored_manager_shows", false, true},
    {"true_stored_manager_shows", true, true},
    {"none_stored_manager_hides", std::nullopt, false},
    {"true_stored_manager_hides", true, false},
};

class StoredVisibility : public PaletteTest,
                         public ::testing::WithParamInterface<VisibilityCase> {
};

TEST_P(StoredVisibility, ChangesNothingAtCreation) {
  const VisibilityCase& c = GetParam();
  host.dialogs.showNewPalettes = c.managerShows;
  if (c.stored) host.preferences.PutBoolean(kPrefix, kVisibleKey, *c.stored);
  StartWithPalette();
  EXPECT_EQ(Palette()->visible, c.managerShows);
  EXPECT_EQ(NestedIn(LastCall("AdmDialogCreate")).size(), 13u);
  EXPECT_EQ(host.trace().Count("AdmDialogShow"), 0u);
  EXPECT_EQ(host.trace().Count("AdmDialogIsVisible"), 0u);
}

INSTANTIATE_TEST_SUITE_P(Stored, StoredVisibility,
                         ::testing::ValuesIn(kVisibilityCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// Which "AI Notify" messages create a palette.
struct NotifyCase {
  const char* name;
  int notifications;  // with the registered handle
  bool foreign;       // one more with a handle the plug-in never got
  size_t wantCreated;
};

void PrintTo(const NotifyCase& c, std::ostream* out) { *out << c.name; }

const NotifyCase kNotifyCases[] = {
    {"registered_handle_creates_the_palette", 1, false, 1},
    {"foreign_handle_creates_nothing", 0, true, 0},
    {"second_notification_keeps_the_first_palette", 2, false, 1},
    {"third_notification_too", 3, true, 1},
};

class Notify : public PaletteTest,
               public ::testing::WithParamInterface<NotifyCase> {};

TEST_P(Notify, CreatesOnePaletteAtMost) {
  const NotifyCase& c = GetParam();
  ASSERT_EQ(session.Startup(), 0);
  auto registered =
      host.notifiers.OfType(host.pluginRef(), kAiApplicationStartedNotifier);
  ASSERT_EQ(registered.size(), 1u);
  EXPECT_EQ(ArgsOf("AiAddNotifier"),
            std::vector<std::string>{Ref(host.pluginRef()) +
                                     ", \"notifierName\", "
                                     "\"AI Application Started Notifier\""});
  int foreignTag = 0;
  if (c.foreign)
    EXPECT_EQ(session.Send(kCallerAiNotifier, kSelectorAiNotify, &foreignTag),
              0);
  void* first = nullptr;
  for (int i = 0; i < c.notifications; ++i) {
    EXPECT_EQ(session.Send(kCallerAiNotifier, kSelectorAiNotify,
                           registered[0]->handle()),
              0);
    if (i == 0) first = PaletteField();
  }
  EXPECT_EQ(host.trace().Count("AdmDialogCreate"), c.wantCreated);
  EXPECT_EQ(host.dialogs.LiveDialogs(), c.wantCreated);
  EXPECT_EQ(host.AccessRefsHeld(), c.wantCreated);
  if (c.wantCreated) EXPECT_EQ(PaletteField(), first);
  // Whatever came, shut-down leaves nothing behind.
  EXPECT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(host.dialogs.LiveDialogs(), 0u);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Handles, Notify, ::testing::ValuesIn(kNotifyCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// What the shut-down does about the palette, in each state it can be in.
struct ShutdownCase {
  const char* name;
  bool notify;             // the application started
  bool creationFails;      // the dialog manager answered no dialog
  bool hostDestroysFirst;  // the dialog manager closed it between calls
  size_t wantDestroyCalls;
  size_t wantWrites;  // preference writes during the shut-down
};

void PrintTo(const ShutdownCase& c, std::ostream* out) { *out << c.name; }

const ShutdownCase kShutdownCases[] = {
    {"no_palette_makes_no_call", false, false, false, 0, 0},
    {"palette_is_destroyed_once", true, false, false, 1, 4},
    {"palette_the_host_destroyed_makes_no_call", true, false, true, 0, 0},
    {"failed_creation_makes_no_call", true, true, false, 0, 0},
};

class Shutdown : public PaletteTest,
                 public ::testing::WithParamInterface<ShutdownCase> {};

TEST_P(Shutdown, DestroysThePaletteOnlyIfItExists) {
  const ShutdownCase& c = GetParam();
  ASSERT_EQ(session.Startup(), 0);
  if (c.creationFails) host.FailCall("AdmDialogCreate", 1, 1);
  if (c.notify) EXPECT_EQ(session.ApplicationStarted(), 0);
  if (c.hostDestroysFirst)
    host.CallBack([&] { host.dialogs.Destroy(Palette()); });
  if (c.creationFails) {
    EXPECT_EQ(PaletteField(), nullptr);
    EXPECT_EQ(host.dialogs.modalLog.size(), 0u) << "nothing is reported";
  }
  size_t mark = Mark();
  EXPECT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(ArgsOf("AdmDialogDestroy", mark).size(), c.wantDestroyCalls);
  EXPECT_EQ(CallsStartingWith("AdmDialog", mark), c.wantDestroyCalls * 3);
  EXPECT_EQ(CallsStartingWith("AiPut", mark), c.wantWrites);
  EXPECT_EQ(host.dialogs.LiveDialogs(), 0u);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(States, Shutdown, ::testing::ValuesIn(kShutdownCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// The suites stay held from the palette's init procedure to its destroy
// procedure, and go back when the last hold ends, inside a call or not.
struct Moment {
  const char* what;
  std::function<void(PaletteTest&)> act;
  size_t acquires;
  size_t releases;
  int holdsAfter;  // of each suite
  size_t accessRefsAfter;
};

TEST_F(PaletteTest, SuitesAreHeldForThePalettesWholeLife) {
  auto send = [this](const char* caller, const char* selector) {
    return [=](PaletteTest&) {
      session.Send(caller, selector, Item() ? Item()->handle() : nullptr);
    };
  };
  auto hostDestroys = [this](PaletteTest&) {
    host.CallBack([&] { host.dialogs.Destroy(Palette()); });
  };
  const std::vector<std::pair<const char*, std::vector<Moment>>> lives = {
      {"shut_down_destroys",
       {
           {"startup", [this](PaletteTest&) { session.Startup(); }, 15, 15, 0,
            0},
           {"notify", [this](PaletteTest&) { session.ApplicationStarted(); },
            15, 0, 1, 1},
           {"go", send(kCallerAiMenu, kSelectorAiGo), 0, 0, 1, 1},
           {"update", send(kCallerAiMenu, kSelectorAiUpdate), 0, 0, 1, 1},
           // Its own hold of the blocks suite, then the last release.
           {"shutdown", [this](PaletteTest&) { session.Shutdown(); }, 1, 16, 0,
            0},
       }},
      {"host_destroys_between_calls",
       {
           {"startup", [this](PaletteTest&) { session.Startup(); }, 15, 15, 0,
            0},
           {"notify", [this](PaletteTest&) { session.ApplicationStarted(); },
            15, 0, 1, 1},
           {"host_destroys", hostDestroys, 0, 15, 0, 0},
           {"update", send(kCallerAiMenu, kSelectorAiUpdate), 15, 15, 0, 0},
           {"shutdown", [this](PaletteTest&) { session.Shutdown(); }, 16, 16, 0,
            0},
       }},
  };
  for (const auto& [life, moments] : lives) {
    for (const Moment& m : moments) {
      size_t mark = Mark();
      m.act(*this);
      SCOPED_TRACE(std::string(life) + ", " + m.what);
      EXPECT_EQ(ArgsOf("SpAcquireSuite", mark).size(), m.acquires);
      EXPECT_EQ(ArgsOf("SpReleaseSuite", mark).size(), m.releases);
      EXPECT_EQ(host.SuiteHolds(kAdmDialogSuite), m.holdsAfter);
      EXPECT_EQ(host.SuiteHolds(kAiPreferenceSuite), m.holdsAfter);
      EXPECT_EQ(host.AccessRefsHeld(), m.accessRefsAfter);
    }
    EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
  }
}

TEST_F(PaletteTest, UnloadWaitsForThePalette) {
  StartWithPalette();
  EXPECT_FALSE(session.UnloadLibrary()) << "the access reference is held";
  host.CallBack([&] { host.dialogs.Destroy(Palette()); });
  EXPECT_TRUE(session.UnloadLibrary()) << session.error();
  EXPECT_TRUE(session.ReloadLibrary());
  EXPECT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

TEST_F(PaletteTest, FailedMenuItemFailsStartupButThePaletteStillComes) {
  host.FailCall("AiAddMenuItem", 1, kHostErrBadParameter);
  EXPECT_EQ(session.Startup(), kHostErrBadParameter);
  EXPECT_EQ(
      host.notifiers.OfType(host.pluginRef(), kAiApplicationStartedNotifier)
          .size(),
      1u);
  EXPECT_EQ(session.ApplicationStarted(), 0);
  EXPECT_NE(Palette(), nullptr);
  EXPECT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

// A whole run and the next, as the application drives them: the palette
// comes, the menu shows and hides it, the shut-down stores it, and the next
// run brings it back as it was left.
TEST_F(PaletteTest, TwoRunsRestoreThePaletteAsItWasLeft) {
  StartWithPalette();
  EXPECT_EQ(session.OpenMenus(), 0);
  EXPECT_TRUE(Item()->checked);
  EXPECT_EQ(session.ChooseMenuItem(kItemName), 0);
  EXPECT_EQ(session.OpenMenus(), 0);
  EXPECT_FALSE(Palette()->visible);
  EXPECT_FALSE(Item()->checked);
  EXPECT_EQ(session.ChooseMenuItem(kItemName), 0);
  EXPECT_EQ(session.OpenMenus(), 0);
  EXPECT_TRUE(Palette()->visible);
  EXPECT_TRUE(Item()->checked);
  // The user moves and docks it.
  Palette()->bounds = {40, 60, 252, 172};
  Palette()->group = "Side Dock";
  Palette()->dockCode = 0x0C01;
  ASSERT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(host.preferences.size(), 4u);

  NewRun();
  ASSERT_NE(Palette(), nullptr);
  EXPECT_EQ(Palette()->bounds, (HostRect{40, 60, 252, 172}));
  EXPECT_EQ(Palette()->group, "Side Dock");
  EXPECT_EQ(Palette()->dockCode, 0x0C01);
  EXPECT_EQ(session.OpenMenus(), 0);
  EXPECT_TRUE(Item()->checked);
  ASSERT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

}  // namespace
