// Start-up, shut-down, unload and reload as the host drives them.
#include <dlfcn.h>
#include <string.h>

#include "host/names.h"
#include "tests/support/plugin_test.h"

namespace {

using LifecycleTest = PluginTest;

// The globals block as five pointer-sized fields, in their order.
struct GlobalsView {
  void* field[5];
};

TEST_F(LifecycleTest, StartupClearsGlobalsWhateverTheAllocatorHandsOut) {
  for (unsigned char fill : {0x00, 0xA5, 0xFF}) {
    DevHost fresh;
    fresh.set_blockFill(fill);
    PluginSession run(fresh, QUASO_PLUGIN_PATH);
    ASSERT_TRUE(run.Load()) << run.error();
    ASSERT_EQ(run.Startup(), 0);
    auto* globals = static_cast<GlobalsView*>(fresh.FindBlock("globals"));
    ASSERT_NE(globals, nullptr);
    EXPECT_EQ(globals->field[1], fresh.basicSuite());
    EXPECT_EQ(globals->field[2], nullptr)
        << "palette dialog, fill " << int(fill);
    EXPECT_EQ(globals->field[3], nullptr) << "access ref, fill " << int(fill);
    EXPECT_EQ(run.Shutdown(), 0);
    EXPECT_EQ(fresh.Unbalanced(), std::vector<std::string>{});
  }
}

TEST_F(LifecycleTest, ShutdownFreesGlobalsAndClearsTheHostsField) {
  ASSERT_EQ(session.Startup(), 0);
  ASSERT_EQ(host.LiveBlocks(), 1u);
  session.set_globals(reinterpret_cast<void*>(0x1234));
  EXPECT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(session.globals(), nullptr);
  EXPECT_EQ(host.LiveBlocks(), 0u);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

TEST_F(LifecycleTest, FailedAllocationFailsStartupAndShutdownStillAnswers) {
  host.FailCall("SpAllocateBlock", 1, kHostErrBadParameter);
  EXPECT_EQ(session.Startup(), kHostErrBadParameter);
  EXPECT_EQ(host.trace().Count("AiAddMenuItem"), 0u);
  EXPECT_EQ(host.trace().Count("AiAddNotifier"), 0u);

  // No block exists: nothing is read through it or freed, the host's field
  // is still cleared and the answer is the shut-down's own acquisition's.
  session.set_globals(reinterpret_cast<void*>(0x1234));
  EXPECT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(session.globals(), nullptr);
  EXPECT_EQ(host.trace().Count("SpFreeBlock"), 0u);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

TEST_F(LifecycleTest, ShutdownWithoutBlocksSuiteKeepsTheBlock) {
  ASSERT_EQ(session.Startup(), 0);
  // The shut-down's own hold of the blocks suite follows the table's fifteen.
  host.FailCall("SpAcquireSuite", 16, kHostErrSuiteNotFound);
  session.set_globals(reinterpret_cast<void*>(0x1234));
  EXPECT_EQ(session.Shutdown(), kHostErrSuiteNotFound);
  EXPECT_EQ(session.globals(), nullptr);
  EXPECT_EQ(host.trace().Count("SpFreeBlock"), 0u);
  EXPECT_EQ(host.LiveBlocks(), 1u);
}

TEST_F(LifecycleTest, UnloadAndReloadCarryTheGlobals) {
  ASSERT_EQ(session.Startup(), 0);
  void* block = host.FindBlock("globals");
  ASSERT_TRUE(session.UnloadLibrary()) << session.error();
  EXPECT_EQ(session.globals(), block);
  EXPECT_EQ(host.trace().Count("SpAcquireSuite"), 15u) << "unload took suites";

  HostError reloaded = -1;
  ASSERT_TRUE(session.ReloadLibrary(&reloaded)) << session.error();
  EXPECT_EQ(reloaded, 0);
  // The fresh module frees the very block it was handed.
  EXPECT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(host.LiveBlocks(), 0u);
  EXPECT_EQ(host.Unbalanced(), std::vector<std::string>{});
}

TEST_F(LifecycleTest, UnloadTakesTheModuleAway) {
  // Every test and every reload starts from a freshly loaded module only
  // if the library really goes.
  ASSERT_TRUE(session.UnloadLibrary());
  void* still = dlopen(QUASO_PLUGIN_PATH, RTLD_NOW | RTLD_NOLOAD);
  EXPECT_EQ(still, nullptr);
  if (still) dlclose(still);
}

TEST_F(LifecycleTest, UnloadAndReloadWithoutGlobals) {
  session.set_globals(reinterpret_cast<void*>(0x1234));
  ASSERT_TRUE(session.UnloadLibrary());
  EXPECT_EQ(session.globals(), nullptr) << "unload hands the module's null";

  HostError reloaded = -1;
  ASSERT_TRUE(session.ReloadLibrary(&reloaded));
  EXPECT_EQ(reloaded, 0);
  EXPECT_EQ(session.Shutdown(), 0);
  EXPECT_EQ(host.trace().Count("SpFreeBlock"), 0u);
}

TEST_F(LifecycleTest, ReloadRestartsTheNestingCounter) {
  // A reload lands on a fresh counter: the next message takes every suite.
  ASSERT_TRUE(session.UnloadLibrary());
  ASSERT_TRUE(session.ReloadLibrary());
  size_t mark = Mark();
  EXPECT_EQ(session.Send("SP Interface", "Frobnicate"), 0);
  EXPECT_EQ(ArgsOf("SpAcquireSuite", mark), SuiteRows());
}

}  // namespace

namespace {

// Messages that find no globals block (none yet, or a start-up whose
// allocation failed) answer 0 and touch no dialog instead of reading
// through the missing block.
struct NoGlobalsCase {
  const char* name;
  const char* caller;
  const char* selector;
};

void PrintTo(const NoGlobalsCase& c, std::ostream* out) { *out << c.name; }

const NoGlobalsCase kNoGlobalsCases[] = {
    {"menu_go", "AI Menu", "AI Go"},
    {"notify", "AI Notifier", "AI Notify"},
};

class NoGlobals : public PluginTest,
                  public ::testing::WithParamInterface<NoGlobalsCase> {};

TEST_P(NoGlobals, AnswersZeroAndTouchesNoDialog) {
  const NoGlobalsCase& c = GetParam();
  for (bool failedStartup : {false, true}) {
    if (failedStartup) {
      host.FailCall("SpAllocateBlock", 1, kHostErrBadParameter);
      ASSERT_EQ(session.Startup(), kHostErrBadParameter);
    }
    size_t mark = Mark();
    EXPECT_EQ(
        session.Send(c.caller, c.selector, reinterpret_cast<void*>(0x1234)), 0);
    for (size_t i = mark; i < host.trace().Size(); ++i)
      EXPECT_EQ(host.trace().Entries()[i].operation.rfind("AdmDialog", 0),
                std::string::npos)
          << host.trace().Entries()[i].Line();
  }
}

INSTANTIATE_TEST_SUITE_P(Messages, NoGlobals,
                         ::testing::ValuesIn(kNoGlobalsCases),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
